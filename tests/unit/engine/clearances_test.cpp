// Maximum upward movement and the minimum clearances it gives, for each
// movement kind, and the two spring buffer warnings.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

using engineClearances = EngineTest;
using enum F;

TEST_F(engineClearances, PlainOilKeepsTheStrokeInMovementAndTakesTheEditionBase) {
    set({{txtImpSpeed, "700"}, {txtImpStroke, "33.25"}, {txtImpRunby, "6"}, {txtImpRunbyCar, "6"}});
    sheet.state().Movement = 33.25;
    engine.clearances().ImpOilRegCalc();
    // 700^2 x 3.422619e-5 = 16.770833, + 39.25 = 56.02
    EXPECT_EQ(text(txtImpMaxJump), "56.02");
    EXPECT_EQ(text(txtImpMinShoes), "56.08");
    EXPECT_EQ(text(txtImpMinRefuge), "98.02");
    EXPECT_EQ(sheet.state().Movement, 33.25);
    edition2000();
    engine.clearances().ImpOilRegCalc();
    EXPECT_EQ(text(txtImpMinRefuge), "99.02");
}

struct KindRow {
    MovementKind kind;
    const char *carMovement, *crosshead, *cwtObstruct;
};
void PrintTo(const KindRow& r, std::ostream* os) {
    *os << "kind " << static_cast<int>(r.kind);
}

class FillStep : public EngineTable<KindRow> {};

// V 500, G 280, S 17, counterweight runby 6, car runby 8: the car's movement
// takes the counterweight runby, the counterweight's the car runby.
TEST_P(FillStep, MovementOfEachKind) {
    set({{txtImpSpeed, "500"},
         {txtImpGovTrip, "280"},
         {txtImpStroke, "17"},
         {txtImpRunby, "6"},
         {txtImpRunbyCar, "8"}});
    engine.clearances().ImpFill(GetParam().kind, true);
    EXPECT_EQ(text(txtImpMaxJump), GetParam().carMovement);
    EXPECT_EQ(text(txtImpMinCrosshead), GetParam().crosshead);
    EXPECT_EQ(text(txtImpMinCwtObstruct), GetParam().cwtObstruct);
    EXPECT_EQ(plainText(sheet.state().Movement), GetParam().carMovement);
}

INSTANTIATE_TEST_SUITE_P(
    engine, FillStep,
    ::testing::Values(KindRow{MovementKind::OilFree, "31.56", "55.56", "39.56"},
                      KindRow{MovementKind::TieDown, "23", "47", "31"},
                      KindRow{MovementKind::CompressedFree, "19.56", "43.56", "23.56"},
                      KindRow{MovementKind::CompressedTieDown, "11", "35", "15"},
                      KindRow{MovementKind::ReducedFree, "31.5", "55.5", "39.5"},
                      KindRow{MovementKind::Spring, "25.03", "49.03", "33.03"}));

TEST_F(engineClearances, CompressionBeyondTheStrokeNeverGivesMinusZero) {
    set({{txtImpStroke, "3"}, {txtImpRunby, "3.001"}, {txtImpRunbyCar, "5"}});
    engine.clearances().ImpFill(MovementKind::CompressedTieDown, true);
    EXPECT_EQ(text(txtImpMaxJump), "0");
    EXPECT_EQ(text(txtImpMinShoes), "0.06");
    EXPECT_EQ(text(txtImpMinCwtObstruct), "4");
}

struct SpringRow {
    bool metric, ed2000;
    const char *speed, *govTrip;
    std::vector<std::string> titles;
    F focus;  // txtID: not moved
};
void PrintTo(const SpringRow& r, std::ostream* os) {
    *os << (r.ed2000 ? "2000 " : "1996 ") << r.speed << " / " << r.govTrip;
}

class SpringWarnings : public EngineTable<SpringRow> {};

TEST_P(SpringWarnings, CautionThenWarningAndTheResultsAllTheSame) {
    const SpringRow& row = GetParam();
    if (row.ed2000) edition2000();
    sheet.select(O::optSpring);
    if (row.metric) metric();
    set({{row.metric ? txtMetSpeed : txtImpSpeed, row.speed},
         {row.metric ? txtMetGovTrip : txtImpGovTrip, row.govTrip}});
    sheet.setFocus(txtID);
    if (row.metric) {
        engine.clearances().MetSpringCalc();
    } else {
        engine.clearances().ImpSpringCalc();
    }
    EXPECT_EQ(takeTitles(), row.titles);
    EXPECT_TRUE(focused(row.focus));
    EXPECT_NE(text(row.metric ? txtMetMaxJump : txtImpMaxJump), "");
}

const std::vector<std::string> kNone;
const std::vector<std::string> kCaution{"Spring Buffer Caution"};
const std::vector<std::string> kWarning{"Spring Buffer Warning"};

INSTANTIATE_TEST_SUITE_P(
    engine, SpringWarnings,
    ::testing::Values(SpringRow{false, false, "200", "280", kNone, txtID},
                      SpringRow{false, false, "200.5", "280", kCaution, txtImpSpeed},
                      SpringRow{false, true, "200", "281", kWarning, txtImpGovTrip},
                      // Not wholly a number: judged by its leading number.
                      SpringRow{false, false, "150", "300abc", kWarning, txtImpGovTrip},
                      SpringRow{true, false, "1.02", "1.42", kNone, txtID},
                      SpringRow{true, false, "1.03", "1.42", kCaution, txtMetSpeed},
                      SpringRow{true, true, "1.01", "1.40", kCaution, txtMetSpeed},
                      SpringRow{true, true, "1", "1.41", kWarning, txtMetGovTrip}));

TEST_F(engineClearances, MetricSpringTextsOfThe2000Edition) {
    edition2000();
    sheet.select(O::optSpring);
    metric();
    set({{txtMetSpeed, "1.2"}, {txtMetGovTrip, "1.5"}});
    engine.clearances().MetSpringCalc();
    const std::vector<Message> shown = platform.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (Message{"   2.22.1.1.1   Spring buffers or their equivalent may be used "
                                 "where the rated speed is not in excess of 1.00 m/s.",
                                 "Spring Buffer Caution", Icon::Critical}));
    EXPECT_EQ(shown[1], (Message{"Remember.....the maximum rated speed for a spring buffer is "
                                 "1.00 m/s.   2.22.1.1.1\r\n\r\nThe maximum governor tripping "
                                 "speed for a 1.00 m/s car is 1.40 m/s.    2.18.2.1",
                                 "Spring Buffer Warning", Icon::Information}));
    EXPECT_TRUE(focused(txtMetGovTrip));
}

}  // namespace
}  // namespace tarnwick::testing
