// Required buffer strokes: listed and unlisted oil speeds, the spring and the
// reduced-stroke bands, and the short-stroke check.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

using engineStrokeRules = EngineTest;

struct OilRow {
    bool metric;
    const char* speed;
    const char* stroke;  // also what Movement holds
};
void PrintTo(const OilRow& r, std::ostream* os) {
    *os << (r.metric ? "m/s " : "ft/min ") << r.speed;
}

class FullOilStroke : public EngineTable<OilRow> {};

TEST_P(FullOilStroke, TableStrokeOnlyForTheExactListedText) {
    const OilRow& row = GetParam();
    if (row.metric) {
        metric();
        set(F::txtMetSpeed, row.speed);
        engine.strokes().MetOilRegStroke();
        EXPECT_EQ(text(F::txtMetMinStroke), row.stroke);
    } else {
        set(F::txtImpSpeed, row.speed);
        engine.strokes().ImpOilRegStroke();
        EXPECT_EQ(text(F::txtImpMinStroke), row.stroke);
    }
    EXPECT_EQ(plainText(sheet.state().Movement), row.stroke);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(engine, FullOilStroke, ::testing::Values(
    OilRow{false, "200", "2.75"}, OilRow{false, "200.0", "2.74"}, OilRow{false, " 200", "2.74"},
    OilRow{false, "2000", "273.75"}, OilRow{false, "2010", "276.55"}, OilRow{false, "498.35", "17"},
    OilRow{false, "250.5", "4.3"}, OilRow{true, "1", "65"}, OilRow{true, "1.12", "85"},
    OilRow{true, "1.120", "84.51"}, OilRow{true, "10", "6740"}, OilRow{true, "2.6", "455.43"},
    // A listed imperial speed is not a listed metric one.
    OilRow{true, "200", "2694854.81"}));
// clang-format on

struct BandRow {
    bool metric;
    bool ed2000;
    const char* speed;
    const char* impStroke;
    const char* metStroke;
};
void PrintTo(const BandRow& r, std::ostream* os) {
    *os << (r.ed2000 ? "2000 " : "1996 ") << (r.metric ? "m/s " : "ft/min ") << r.speed;
}

class SpringStroke : public EngineTable<BandRow> {};

TEST_P(SpringStroke, BandOfTheSpeedInFeetPerMinute) {
    const BandRow& row = GetParam();
    sheet.select(O::optSpring);
    if (row.metric) {
        metric();
        set(F::txtMetSpeed, row.speed);
        engine.strokes().MetSpringStrokeCalc();
    } else {
        set(F::txtImpSpeed, row.speed);
        engine.strokes().ImpSpringStrokeCalc();
    }
    EXPECT_EQ(text(F::txtImpMinStroke), row.impStroke);
    EXPECT_EQ(text(F::txtMetMinStroke), row.metStroke);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(engine, SpringStroke, ::testing::Values(
    BandRow{false, false, "100", "1.5", "38"}, BandRow{false, false, "100.01", "2.5", "63"},
    BandRow{false, false, "150", "2.5", "63"}, BandRow{false, false, "150.01", "4", "100"},
    BandRow{false, false, "250", "4", "100"},
    // Not wholly a number: classified by its leading number.
    BandRow{false, false, "160abc", "4", "100"},
    // Metric mode: the imperial twin of the speed is classified, and the
    // metric write converts back into the imperial field.
    BandRow{true, false, "0.5", "1.50", "38"}, BandRow{true, false, "0.76", "2.48", "63"},
    BandRow{true, false, "1", "3.94", "100"}));
// clang-format on

class ReducedStroke : public EngineTable<BandRow> {};

TEST_P(ReducedStroke, BandsOfBothEditions) {
    const BandRow& row = GetParam();
    if (row.ed2000) edition2000();
    if (row.metric) {
        metric();
        set(F::txtMetSpeed, row.speed);
        engine.strokes().MetricOilReducedStroke();
    } else {
        set(F::txtImpSpeed, row.speed);
        engine.strokes().ImpOilReducedStroke();
    }
    EXPECT_EQ(text(F::txtImpMinStroke), row.impStroke);
    EXPECT_EQ(text(F::txtMetMinStroke), row.metStroke);
    EXPECT_EQ(sheet.state().Movement, 0);
}

// Imperial rows: the metric text comes from the metric twin of the speed
// (799.99 ft/min -> 4.06 m/s). Metric rows: the imperial field ends as the
// conversion of the metric text (457 mm -> 17.99 in.).
// clang-format off
INSTANTIATE_TEST_SUITE_P(engine, ReducedStroke, ::testing::Values(
    BandRow{false, false, "799.99", "21.90", "555.26"},
    BandRow{false, false, "700", "16.77", "426.92"}, BandRow{false, false, "800", "18", "457"},
    BandRow{false, true, "888.99", "18", "450"}, BandRow{false, false, "889", "18.03", "458.81"},
    BandRow{false, false, "900", "18.48", "469.01"},
    BandRow{true, false, "4.063", "21.89", "556.08"}, BandRow{true, false, "4.064", "17.99", "457"},
    BandRow{true, false, "4.5", "17.99", "457"}, BandRow{true, false, "4.516", "18.03", "458.00"},
    BandRow{true, false, "10", "88.41", "2245.71"}, BandRow{true, true, "3.99", "21.11", "536.28"},
    BandRow{true, true, "4", "17.72", "450"}, BandRow{true, true, "4.475", "17.72", "450"},
    BandRow{true, true, "4.476", "17.71", "449.92"}));
// clang-format on

TEST_F(engineStrokeRules, ShortStrokeOnlyWhenTheRequiredStrokeIsLonger) {
    set({{F::txtImpStroke, "17"}, {F::txtImpMinStroke, "17"}});
    sheet.setFocus(F::txtID);
    engine.strokes().ImpMinStroke();
    EXPECT_TRUE(takeTitles().empty());
    EXPECT_TRUE(focused(F::txtID));

    metric();
    set({{F::txtMetStroke, "424.99"}, {F::txtMetMinStroke, "425"}});
    engine.strokes().MetMinStroke();
    EXPECT_EQ(takeTitles(), std::vector<std::string>{"Buffer Stroke Is Short !!"});
    EXPECT_TRUE(focused(F::txtMetStroke));
}

}  // namespace
}  // namespace tarnwick::testing
