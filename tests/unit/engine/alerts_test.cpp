// Red marks after a calculation (rules, order, focus, closing step), the
// colour reset and the buffer compression warnings.
#include <gtest/gtest.h>

#include <array>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

struct Sheet5 {
    const char *govTrip, *speed, *cwt, *car, *stroke;
};

struct RedRow {
    const char* what;
    bool spring, metric, ed2000, compressed;
    Sheet5 entries;
    const char* minStroke;
    std::array<const char*, 5> difs;
    const char* maxRunby;  // of the sheet's unit; the other box holds "other"
    std::vector<F> red;
    F focus;  // txtID: not moved
    bool maxRunbyEmptied;
};
void PrintTo(const RedRow& r, std::ostream* os) {
    *os << r.what;
}

class RedAlertRules : public EngineTable<RedRow> {};

constexpr std::array<F, 5> kDifs{F::txtDifCross, F::txtDifRefuge, F::txtDifShoes, F::txtDifObstruct,
                                 F::txtDifCwt};

TEST_P(RedAlertRules, PaintsFocusesAndCloses) {
    const RedRow& row = GetParam();
    if (row.ed2000) edition2000();
    if (row.spring) sheet.select(O::optSpring);
    if (row.compressed) sheet.select(O::optCompYes);
    if (row.metric) metric();
    const bool imp = !row.metric;
    set({{imp ? F::txtImpGovTrip : F::txtMetGovTrip, row.entries.govTrip},
         {imp ? F::txtImpSpeed : F::txtMetSpeed, row.entries.speed},
         {imp ? F::txtImpRunby : F::txtMetRunby, row.entries.cwt},
         {imp ? F::txtImpRunbyCar : F::txtMetRunbyCar, row.entries.car},
         {imp ? F::txtImpStroke : F::txtMetStroke, row.entries.stroke},
         {imp ? F::txtImpMinStroke : F::txtMetMinStroke, row.minStroke},
         {imp ? F::txtImpMaxRunby : F::txtMetMaxRunby, row.maxRunby},
         {imp ? F::txtMetMaxRunby : F::txtImpMaxRunby, "other"}});
    for (std::size_t i = 0; i < kDifs.size(); ++i) set(kDifs[i], row.difs[i]);
    sheet.setFocus(F::txtID);

    engine.alerts().RedAlert();

    std::vector<F> red;
    for (int i = 0; i < kFieldCount; ++i) {
        if (sheet.colour(static_cast<F>(i)) == Colour::Red) red.push_back(static_cast<F>(i));
    }
    EXPECT_EQ(red, row.red);
    EXPECT_TRUE(focused(row.focus)) << name(sheet.focus());
    EXPECT_EQ(text(F::txtImpMaxRunby) + text(F::txtMetMaxRunby) == "", row.maxRunbyEmptied);
    EXPECT_TRUE(platform.messages().empty());
}

constexpr Sheet5 kOil{"", "500", "6", "6", "17"};
constexpr std::array<const char*, 5> kOk{"1.00", "1.00", "1.00", "1.00", "1.00"};
constexpr F kNoMove = F::txtID;
using enum F;

// clang-format off
INSTANTIATE_TEST_SUITE_P(engine, RedAlertRules, ::testing::Values(
    RedRow{"within limits", false, false, false, false, kOil, "17", kOk, "7.00", {}, kNoMove, false},
    RedRow{"spring speed over 200", true, false, false, false, {"280", "210", "6", "6", "4"}, "4",
           kOk, "7.00", {txtImpSpeed}, txtImpSpeed, true},
    RedRow{"spring governor over 280", true, false, false, false, {"281", "200", "6", "6", "4"},
           "4", kOk, "7.00", {txtImpGovTrip}, txtImpGovTrip, true},
    RedRow{"runby 35.5 in 2000", false, false, true, false, {"", "500", "35.5", "6", "17"}, "17",
           kOk, "7.00", {txtImpRunby}, txtImpRunby, true},
    RedRow{"runby 35.5 in 1996", false, false, false, false, {"", "500", "35.5", "6", "17"}, "17",
           kOk, "7.00", {}, kNoMove, false},
    RedRow{"car runby 30", false, false, false, false, {"", "500", "6", "30", "17"}, "17", kOk,
           "7.00", {txtImpRunbyCar}, txtImpRunbyCar, true},
    RedRow{"spring car runby 30 and runby 5", true, false, false, false,
           {"280", "200", "5", "30", "4"}, "4", kOk, "7.00", {txtImpRunby, txtImpRunbyCar},
           txtImpRunby, true},
    RedRow{"metric spring 1.01 m/s in 2000", true, true, true, false,
           {"1.4", "1.01", "150", "150", "100"}, "100", kOk, "200.00", {txtMetSpeed}, txtMetSpeed,
           true},
    RedRow{"metric spring 1.01 m/s in 1996", true, true, false, false,
           {"1.42", "1.01", "152", "152", "100"}, "100", kOk, "200.00", {}, kNoMove, false},
    RedRow{"shortfalls", false, false, false, false, kOil, "17",
           {"2.00", "-0.25", "0.00", "1.00", "-1.00"}, "7.00", {txtDifRefuge, txtDifCwt},
           txtRefugeMea, false},
    RedRow{"stroke 10 against 10.50", false, false, false, false, {"", "500", "6", "6", "10"},
           "10.50", kOk, "7.00", {txtImpStroke}, txtImpStroke, true},
    RedRow{"stroke equal to the minimum", false, false, false, false,
           {"", "500", "6", "6", "10.5"}, "10.50", kOk, "7.00", {}, kNoMove, false},
    RedRow{"compression 2 of 6", false, false, false, true, {"", "500", "2", "0", "6"}, "6", kOk,
           "-1.00", {txtImpRunby}, txtImpRunby, true},
    RedRow{"compression 1.5 of 6", false, false, false, true, {"", "500", "1.5", "1.5", "6"}, "6",
           kOk, "-1.00", {}, kNoMove, false},
    RedRow{"runby 37 entered as -37", false, false, false, true, {"", "500", "-37", "-24", "17"},
           "17", kOk, "7.00", {txtImpRunby}, txtImpRunby, true},
    RedRow{"imperial compressed: no maximum rules", false, false, false, true,
           {"", "500", "-6", "-6", "200"}, "17", kOk, "40.00", {}, kNoMove, false},
    RedRow{"metric maxima whatever the compression", false, true, false, true,
           {"", "2", "950", "0", "5000"}, "100", kOk, "920.00", {txtMetRunby, txtMetMaxRunby},
           txtMetRunby, true},
    RedRow{"maximum runby empty", false, false, false, false, kOil, "17", kOk, "",
           {txtImpMaxRunby}, kNoMove, false},
    RedRow{"metric maximum runby under 152", false, true, false, false,
           {"", "2", "152", "152", "425"}, "425", kOk, "150.00", {txtMetMaxRunby}, kNoMove, false},
    // A failed conversion stops the pass, keeping what is painted.
    RedRow{"minimum stroke empty", false, false, false, false, {"", "500", "40", "6", "17"}, "",
           kOk, "7.00", {txtImpRunby}, kNoMove, false},
    RedRow{"difference empty", false, false, false, false, {"", "500", "6", "6", "10"}, "17",
           {"1.00", "", "1.00", "1.00", "-1.00"}, "7.00", {txtImpStroke}, kNoMove, false},
    RedRow{"compression not a whole number", false, false, false, true,
           {"", "500", "2x", "3", "6"}, "6", kOk, "-1.00", {}, kNoMove, false}));
// clang-format on

using engineAlerts = EngineTest;

TEST_F(engineAlerts, WhiteYellowResetsTheActiveColumnAndTheResults) {
    for (F f : {txtImpSpeed, txtImpGovTrip, txtMetSpeed, txtDifCwt, txtImpMaxRunby, txtCrossMea}) {
        sheet.setColour(f, Colour::Red);
    }
    engine.alerts().WhiteYellow();
    EXPECT_EQ(sheet.colour(txtImpSpeed), Colour::White);
    EXPECT_EQ(sheet.colour(txtImpGovTrip), Colour::White);
    EXPECT_EQ(sheet.colour(txtMetSpeed), Colour::Red);
    EXPECT_EQ(sheet.colour(txtDifCwt), Colour::Yellow);
    EXPECT_EQ(sheet.colour(txtImpMaxRunby), Colour::Yellow);
    EXPECT_EQ(sheet.colour(txtCrossMea), Colour::Red);
}

struct CompressionRow {
    bool metric;
    const char *cwt, *car, *stroke;
    std::vector<std::string> titles;
};
void PrintTo(const CompressionRow& r, std::ostream* os) {
    *os << r.cwt << " / " << r.car << " of " << r.stroke;
}

class CompressionWarnings : public EngineTable<CompressionRow> {};

TEST_P(CompressionWarnings, MoreThanAQuarterOfTheStroke) {
    const CompressionRow& row = GetParam();
    sheet.select(O::optCompYes);
    if (row.metric) metric();
    set({{row.metric ? txtMetRunby : txtImpRunby, row.cwt},
         {row.metric ? txtMetRunbyCar : txtImpRunbyCar, row.car},
         {row.metric ? txtMetStroke : txtImpStroke, row.stroke}});
    engine.alerts().CompressionWarning();
    engine.alerts().CompressionWarning1();
    EXPECT_EQ(takeTitles(), row.titles);
}

const std::string kCwtTitle = "Excessive Counterweight Buffer Compression !!";
const std::string kCarTitle = "Excessive Car Buffer Compression !!";

INSTANTIATE_TEST_SUITE_P(engine, CompressionWarnings,
                         ::testing::Values(CompressionRow{false, "2", "0", "6", {kCwtTitle}},
                                           CompressionRow{false, "1.5", "1.5", "6", {}},
                                           CompressionRow{
                                               false, "1.6", "2", "6", {kCwtTitle, kCarTitle}},
                                           CompressionRow{false, "-37", "3", "6", {kCarTitle}},
                                           CompressionRow{true, "60", "40", "200", {kCwtTitle}},
                                           CompressionRow{true, "50", "-60", "200", {}}));

}  // namespace
}  // namespace tarnwick::testing
