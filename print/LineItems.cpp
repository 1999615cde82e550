#include "print/LineItems.h"

#include <algorithm>

#include "sheet/Utf8.h"

namespace tarnwick {

std::vector<std::string> layOut(const LineItems& items) {
    std::vector<std::string> rows(1);
    int column = 1;  // where the next character goes
    for (const LineItem& item : items) {
        if (const auto* text = std::get_if<std::string>(&item)) {
            rows.back() += *text;
            column += characterCount(*text);
            continue;
        }
        const int target = std::max(1, std::get<Indent>(item).column);
        if (column > target) {
            rows.emplace_back();
            column = 1;
        }
        rows.back().append(static_cast<std::size_t>(target - column), ' ');
        column = target;
    }
    return rows;
}

}  // namespace tarnwick
