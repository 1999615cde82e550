// The items of a printed line: indents that say where the text goes on, and
// text pieces printed one after another with nothing between them.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace tarnwick {

/// Moves the print position to column `column` (counting from 1). A column
/// already passed on the current row moves the text to that column of the
/// next row.
struct Indent {
    int column = 1;

    bool operator==(const Indent&) const = default;
};

using LineItem = std::variant<Indent, std::string>;
using LineItems = std::vector<LineItem>;

/// The rows of characters a line takes on the page under the indent rule: a
/// line without items is one empty row; an indent pads with blanks up to its
/// column, or, when the row has already reached past it, starts a new row
/// with the column's blanks. Characters are counted as UTF-8 code points.
std::vector<std::string> layOut(const LineItems& items);

}  // namespace tarnwick
