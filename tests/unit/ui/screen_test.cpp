// The screen description both front ends build from: every element stands in
// one place and the keyboard visits each tab stop once; the spoken names, and
// the text rules they are made with.
#include "ui/Screen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/Grid.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/SheetMirror.h"

namespace tarnwick::screen {
namespace {

class Screen : public ::testing::Test {
protected:
    Screen() { program.start(); }
    HeadlessPlatform platform;
    Program program{platform};
    Sheet& sheet = program.sheet();
};

TEST_F(Screen, EveryFieldStandsInOneRowOnce) {
    std::map<F, int> seen;
    auto count = [&](const QuantityRow& r) { ++seen[r.imperial], ++seen[r.metric]; };
    for (const QuantityRow& r : entryRows()) count(r);
    for (const QuantityRow& r : resultRows()) count(r);
    for (const ClearanceRow& r : clearanceRows()) {
        count(r.quantity);
        ++seen[r.measured], ++seen[r.difference];
    }
    for (const auto& [f, unit] : maxRunbyBox().boxes) ++seen[f];
    ++seen[kIdentification];
    ASSERT_EQ(fieldPlaces().size(), static_cast<std::size_t>(kFieldCount));
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        EXPECT_EQ(seen[f], 1) << name(f);
        EXPECT_EQ(place(f).field, f) << name(f);
    }
}

// The data block's grid holds every field once, inside its columns, and no
// two cells share a place, at the natural width or on a phone (where an
// echo repeats its row's caption).
TEST_F(Screen, GridCellsHoldEveryFieldOnceWithoutOverlap) {
    std::map<F, int> seen;
    std::set<std::pair<int, int>> wide;
    std::set<std::pair<int, int>> narrow;
    const auto take = [](std::set<std::pair<int, int>>& taken, const Place& at, int columns) {
        EXPECT_LE(at.column + at.columns, columns);
        for (int r = at.row; r < at.row + at.rows; ++r) {
            for (int c = at.column; c < at.column + at.columns; ++c) {
                EXPECT_TRUE(taken.insert({r, c}).second) << "row " << r << ", column " << c;
            }
        }
    };
    for (const Cell& cell : gridCells()) {
        take(wide, cell.wide, kColumnCount);
        EXPECT_LE(cell.wide.row + cell.wide.rows, static_cast<int>(gridRows().size()));
        EXPECT_EQ(cell.narrow.rows, 1);
        take(narrow, cell.narrow, kNarrowColumnCount);
        if (cell.holds == Holds::MaxRunbyBox) {
            for (const auto& [f, unit] : maxRunbyBox().boxes) ++seen[f];
        } else if (cell.element.isField()) {
            ++seen[cell.element.field()];
        }
    }
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_EQ(seen[static_cast<F>(i)], 1) << name(static_cast<F>(i));
}

// The keyboard reaches whatever can be a tab stop, in either unit system,
// once; the result fields and the small buttons never.
TEST_F(Screen, TabOrderVisitsEveryTabStopOnce) {
    std::map<std::string, int> visits;
    for (Element e : tabOrder()) ++visits[name(e)];
    std::map<std::string, int> stops;
    auto stop = [&](Element e) { stops[name(e)] = 1; };
    auto fieldStops = [&] {
        for (int i = 0; i < kFieldCount; ++i) {
            if (sheet.tabStop(static_cast<F>(i))) stop(static_cast<F>(i));
        }
    };
    fieldStops();
    sheet.press(B::cmdMetric);
    fieldStops();
    for (int i = 0; i < kOptionCount; ++i) stop(static_cast<O>(i));
    for (int i = 0; i < kButtonCount; ++i) {
        if (sheet.button(static_cast<B>(i)).tabStop) stop(static_cast<B>(i));
    }
    EXPECT_EQ(visits, stops);
}

TEST_F(Screen, NamesSayRowColumnUnitAndQuestion) {
    EXPECT_EQ(accessibleName(sheet, F::txtImpSpeed), "Rated speed, FPM");
    EXPECT_EQ(accessibleName(sheet, F::txtCrossMea), "Crosshead, measured, IN");
    EXPECT_EQ(accessibleName(sheet, F::txtMetMaxRunby), "Maximum counterweight runby, MM");
    EXPECT_EQ(accessibleName(sheet, F::txtID), "Elevator Identification");
    EXPECT_EQ(accessibleName(sheet, O::optReducedYes), "Reduced stroke buffer: Yes");
    EXPECT_EQ(accessibleName(sheet, B::cmdClearMet), "Clear entries and results");
    EXPECT_EQ(accessibleName(sheet, B::cmdDefault), "Default");
    sheet.press(B::cmdMetric);
    EXPECT_EQ(accessibleName(sheet, F::txtDifCwt),
              "Obstruction above counterweight, difference, MM");
    EXPECT_EQ(description(sheet, B::cmdClearMea), "Clear measured text boxes only");
}

// A view that notes what it is given to copy, in order.
class NotingMirror : public SheetMirror {
public:
    explicit NotingMirror(const Sheet& sheet) : SheetMirror(sheet) {}
    void focusChanged(Element element) override { noted.push_back("focus " + name(element)); }
    std::vector<std::string> noted;

private:
    void mirror(F f) override { noted.emplace_back(name(f)); }
    void mirror(L l) override { noted.emplace_back(name(l)); }
    void mirror(O o) override { noted.emplace_back(name(o)); }
    void mirror(B b) override { noted.emplace_back(name(b)); }
};

// The first copy is every shown element once and then the focus, in steps
// of any size as in one.
TEST_F(Screen, MirrorInStepsCopiesWhatMirrorAllCopies) {
    NotingMirror whole(sheet);
    whole.mirrorAll();
    ASSERT_FALSE(whole.noted.empty());
    EXPECT_EQ(whole.noted.back(), "focus " + name(sheet.focus()));
    const std::set<std::string> distinct(whole.noted.begin(), whole.noted.end() - 1);
    EXPECT_EQ(distinct.size(), whole.noted.size() - 1);
    EXPECT_EQ(distinct.size(), std::size_t{kShownElementCount});
    for (const int step : {1, 7, 1000}) {
        NotingMirror stepped(sheet);
        int next = 0;
        int steps = 0;
        while (next >= 0 && steps++ < 1000) next = stepped.mirrorSome(next, step);
        EXPECT_EQ(stepped.noted, whole.noted) << "in steps of " << step;
        EXPECT_EQ(stepped.mirrorSome(-1, step), -1);
    }
}

TEST(ScreenText, AccessKeysAndPlainText) {
    const struct {
        const char* caption;
        const char* bare;
        char key;
    } captions[] = {
        {"&Calculate", "Calculate", 'C'},
        {"C&lear All Fields", "Clear All Fields", 'l'},
        {"&Formulas && Info", "Formulas & Info", 'F'},
        {"&&Oil", "&Oil", 0},
        {"&Default ", "Default", 'D'},
        {" --Maximum &Upward Movement--", "--Maximum Upward Movement--", 'U'},
        {"Exit&", "Exit&", 0},
    };
    for (const auto& c : captions) {
        EXPECT_EQ(withoutAccessKey(c.caption), c.bare) << c.caption;
        EXPECT_EQ(accessKey(c.caption), c.key) << c.caption;
    }
    // As shown: the key whole where it is beyond ASCII, later marks dropped.
    const ShownCaption shown = shownCaption(
        "Cl&\xC3\xAB"
        "ar && &Go");
    EXPECT_EQ(shown.before + '|' + shown.key + '|' + shown.after,
              "Cl|\xC3\xAB"
              "|ar & Go");
    EXPECT_EQ(accessKey("Cl&\xC3\xAB"
                        "ar"),
              0);
    // White space as a screen reader's text has it: ends dropped, runs one
    // blank, the no-break and ideographic spaces among it.
    EXPECT_EQ(plainText(" \tTwo\r\n\v\flines  here\f"), "Two lines here");
    EXPECT_EQ(plainText("a\xC2\xA0\xE3\x80\x80z\xC2\xA0"), "a z");
    // Other characters stay, though they share a first byte with a space.
    EXPECT_EQ(plainText("x\xC2\xB2  \xC3\x9F"), "x\xC2\xB2 \xC3\x9F");
    EXPECT_EQ(plainText(" \n "), "");
}

}  // namespace
}  // namespace tarnwick::screen
