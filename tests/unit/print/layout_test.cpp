// The indent rule as the page renders it: an indent moves on to its column
// (counting from 1), and a column already passed starts a new row there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/LineItems.h"

namespace tarnwick {
namespace {

using Rows = std::vector<std::string>;

struct LayoutRow {
    const char* what;
    LineItems items;
    Rows rows;
};

void PrintTo(const LayoutRow& r, std::ostream* os) {
    *os << r.what;
}

class IndentRule : public testing::TestWithParam<LayoutRow> {};

TEST_P(IndentRule, LaysOutTheRows) {
    EXPECT_EQ(layOut(GetParam().items), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IndentRule,
    testing::Values(
        LayoutRow{"a blank line is one empty row", {}, Rows{""}},
        LayoutRow{"column 4 starts after three blanks",
                  {Indent{4}, "Differences"},
                  Rows{"   Differences"}},
        LayoutRow{"pieces follow each other with nothing between",
                  {Indent{4}, "Buffer Stroke: ", "", " Inches"},
                  Rows{"   Buffer Stroke:  Inches"}},
        LayoutRow{"a column already passed starts a new row",
                  {Indent{4}, "Code Edition: ASME A17.1-1996", Indent{4}, "6/30/2005"},
                  Rows{"   Code Edition: ASME A17.1-1996", "   6/30/2005"}},
        LayoutRow{"the column just reached is not passed",
                  {Indent{1}, "abc", Indent{4}, "d"},
                  Rows{"abcd"}},
        LayoutRow{"a later column pads the same row",
                  {Indent{2}, "ab", Indent{8}, "c"},
                  Rows{" ab    c"}},
        LayoutRow{"columns below 1 count as 1", {Indent{0}, "x", Indent{-3}, "y"}, Rows{"x", "y"}},
        LayoutRow{"a character of several bytes takes one column",
                  {Indent{1}, "\xC3\xA9t\xC3\xA9", Indent{5}, "x"},
                  Rows{"\xC3\xA9t\xC3\xA9 x"}}));

}  // namespace
}  // namespace tarnwick
