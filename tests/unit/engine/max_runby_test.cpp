// The maximum counterweight runby: the smallest car-top surplus on top of
// the runby, the four unit and compression blocks, the edition cap and the
// shortfall path.
#include <gtest/gtest.h>

#include <array>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

using enum F;
using Five = std::array<const char*, 5>;

constexpr std::array<F, 5> kDifs{txtDifCross, txtDifRefuge, txtDifShoes, txtDifObstruct, txtDifCwt};
constexpr std::array<F, 5> kMeasured{txtCrossMea, txtRefugeMea, txtShoesMea, txtObstructMea,
                                     txtCwtMea};

class MaxRunbyBase : public EngineFixture {
public:
    /// Measured clearances first (each edit empties the differences), then
    /// the counterweight entry, then the differences.
    void prepare(const char* runby, Five difs, Five measured = {"90", "90", "90", "90", "90"}) {
        for (std::size_t i = 0; i < 5; ++i) set(kMeasured[i], measured[i]);
        set(sheet.state().IsImperial ? txtImpRunby : txtMetRunby, runby);
        for (std::size_t i = 0; i < 5; ++i) set(kDifs[i], difs[i]);
        sheet.setFocus(txtID);
    }
};

struct MaxRow {
    bool metric, ed2000, compressed;
    const char* runby;
    Five difs;
    const char *imperialMax, *metricMax;
    bool capped;
};
void PrintTo(const MaxRow& r, std::ostream* os) {
    *os << (r.ed2000 ? "2000 " : "1996 ") << (r.metric ? "mm " : "in. ")
        << (r.compressed ? "compression " : "runby ") << r.runby;
}

class MaxRunbyBlocks : public ::testing::TestWithParam<MaxRow>, public MaxRunbyBase {};

TEST_P(MaxRunbyBlocks, RunbyPlusSmallestCarTopSurplus) {
    const MaxRow& row = GetParam();
    if (row.ed2000) edition2000();
    if (row.compressed) sheet.select(O::optCompYes);
    if (row.metric) metric();
    prepare(row.runby, row.difs);
    engine.maxRunby().FindMaxRunby();
    EXPECT_EQ(text(txtImpMaxRunby), row.imperialMax);
    EXPECT_EQ(text(txtMetMaxRunby), row.metricMax);
    EXPECT_EQ(takeTitles(),
              row.capped ? std::vector<std::string>{"Maximum Runby"} : std::vector<std::string>{});
    EXPECT_TRUE(focused(txtID));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(engine, MaxRunbyBlocks, ::testing::Values(
    MaxRow{false, false, false, "6", {"3.00", "5.00", "2.50", "4.00", "1.00"}, "8.50", "215.90", false},
    // Each car-top clearance can be the smallest; the counterweight's never counts.
    MaxRow{false, false, false, "6", {"1.00", "5.00", "2.50", "4.00", "0.50"}, "7.00", "177.80", false},
    MaxRow{false, false, false, "6", {"3.00", "0.75", "2.50", "4.00", "0.00"}, "6.75", "171.45", false},
    MaxRow{false, false, false, "6", {"3.00", "5.00", "2.50", "1.25", "0.00"}, "7.25", "184.15", false},
    MaxRow{false, false, false, "34", {"3.00", "5.00", "2.50", "4.00", "1.00"}, "36", "914", true},
    // 35.004 is displayed 35.00 and is not over the limit.
    MaxRow{false, true, false, "33.004", {"2.00", "2.00", "2.00", "2.00", "0.00"}, "35.00", "889.00", false},
    MaxRow{false, true, false, "33.5", {"2.00", "2.00", "2.00", "2.00", "0.00"}, "35", "900", true},
    MaxRow{true, false, false, "150", {"60.00", "70.00", "80.00", "90.00", "0.00"}, "8.27", "210.00", false},
    MaxRow{true, true, false, "850", {"60.00", "70.00", "80.00", "90.00", "0.00"}, "35", "900", true},
    // Compressed: the compression is taken off the surplus.
    MaxRow{false, false, true, "3", {"2.00", "5.00", "2.50", "4.00", "1.00"}, "-1.00", "-25.40", false},
    MaxRow{true, true, true, "20", {"60.00", "70.00", "80.00", "90.00", "0.00"}, "1.57", "40.00", false}));
// clang-format on

class engineMaxRunby : public ::testing::Test, public MaxRunbyBase {};

TEST_F(engineMaxRunby, CapMessageOfTheMetricSheet) {
    metric();
    prepare("860", {"60.00", "60.00", "60.00", "60.00", "60.00"});
    engine.maxRunby().FindMaxRunby();
    EXPECT_EQ(platform.messages(),
              (std::vector<Message>{{"Remember..........\r\n\r\nRule 107.1d(2)   The bottom runby "
                                     "for counterweights shall not exceed 914 mm.\r\n\r\nOne or "
                                     "more of your clearances would seem to indicate that a "
                                     "greater counterweight runby is permissible but....it is not.",
                                     "Maximum Runby", Icon::Critical}}));
}

TEST_F(engineMaxRunby, CounterweightShortfallWithEverythingMeasured) {
    prepare("6", {"3.00", "5.00", "2.50", "4.00", "-0.50"});
    set({{txtImpMaxRunby, "old"}, {txtMetMaxRunby, "old"}});
    engine.maxRunby().FindMaxRunby();
    EXPECT_EQ(platform.messages(),
              (std::vector<Message>{
                  {"You do not have the minimum clearance for one or more of your entries !",
                   "Caution !!", Icon::Critical},
                  {"You do not have enough top counterweight clearance !", "Caution !!",
                   Icon::Critical}}));
    EXPECT_TRUE(focused(txtID));
    EXPECT_EQ(text(txtImpMaxRunby), "old");
    EXPECT_EQ(text(txtMetMaxRunby), "old");
}

TEST_F(engineMaxRunby, ShortfallFocusesTheFirstClearanceNotMeasured) {
    prepare("6", {"3.00", "-0.01", "2.50", "4.00", "1.00"}, {"90", "", "90", "0", "90"});
    engine.maxRunby().FindMaxRunby();
    EXPECT_EQ(takeTitles(), std::vector<std::string>{"Caution !!"});
    EXPECT_TRUE(focused(txtRefugeMea));
}

TEST_F(engineMaxRunby, DifferenceThatIsNotANumberEndsSilently) {
    prepare("6", {"3.00", "5.00", "", "-4.00", "1.00"});
    engine.maxRunby().FindMaxRunby();
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(text(txtImpMaxRunby), "");
}

}  // namespace
}  // namespace tarnwick::testing
