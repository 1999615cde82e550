// Random user sessions on the headless calculator, with fixed seeds: after
// every action the sheet's invariants must hold, and every session's record
// must replay to the sheet it ended with.
#include <gtest/gtest.h>

#include "tests/support/RandomSession.h"

namespace tarnwick::testsupport {
namespace {

class RandomSessions : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomSessions, InvariantsHoldAfterEveryActionAndEachSessionReplays) {
    constexpr int kActions = 6000;
    SeededChooser chooser(GetParam());
    RandomSession session(chooser);
    // How many actions left results, and differences, on the sheet.
    int withResults = 0, withDifferences = 0;
    for (int i = 0; i < kActions; ++i) {
        Problems problems = session.step();
        const Sheet& sheet = session.sheet();
        if (!sheet.text(F::txtImpMaxJump).empty()) ++withResults;
        if (!sheet.text(F::txtDifCross).empty()) ++withDifferences;
        if (!problems.empty()) {
            std::string all;
            for (const std::string& p : problems) all += "  " + p + "\n";
            FAIL() << "seed " << GetParam() << ", action " << i + 1 << ":\n"
                   << all << "the last actions:\n"
                   << session.recentActions();
        }
    }
    std::string replayed;
    for (const std::string& p : session.replayProblems()) replayed += "  " + p + "\n";
    EXPECT_EQ(replayed, "") << "seed " << GetParam() << ", of " << session.restarts()
                            << " sessions";
    // The session must get past the entry checks, or it tests little.
    EXPECT_GT(withResults, kActions / 100);
    EXPECT_GT(withDifferences, kActions / 200);
    RecordProperty("actionsWithResults", withResults);
    RecordProperty("actionsWithDifferences", withDifferences);
    RecordProperty("starts", session.restarts());
}

// Four sessions of 6000 actions each.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, ::testing::Values(1u, 2u, 3u, 20260101u));

// The checks themselves: each row spoils a started sheet in one way, which
// the checks must report.
struct Spoiled {
    const char* what;
    void (*spoil)(Sheet&);
};

class SpoiledSheet : public ::testing::TestWithParam<Spoiled> {};

TEST_P(SpoiledSheet, IsReported) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setText(F::txtImpSpeed, "500");
    ASSERT_TRUE(sheetProblems(sheet).empty());
    GetParam().spoil(sheet);
    EXPECT_FALSE(sheetProblems(sheet).empty()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpoiledSheet,
    ::testing::Values(
        Spoiled{"a result reads inf", [](Sheet& s) { s.setText(F::txtImpMaxJump, "inf"); }},
        Spoiled{"a difference reads -0.00", [](Sheet& s) { s.setText(F::txtDifCwt, "-0.00"); }},
        Spoiled{"a twin is not a number", [](Sheet& s) { s.setText(F::txtMetRunby, "12a"); }},
        Spoiled{"a twin does not follow its entry",
                [](Sheet& s) { s.setText(F::txtMetSpeed, "2.55"); }},
        Spoiled{"both options of a pair selected", [](Sheet& s) {
                    // Select the partner without unselecting, as a broken
                    // option group would.
                    const_cast<OptionElement&>(s.option(O::optSpring)).selected = true;
                }}));

TEST(CommandChecks, ReportAFieldAClearLeftBehind) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setText(F::txtCrossMea, "90");
    SheetSnapshot before = SheetSnapshot::of(sheet);
    // cmdClearMea must empty the measured clearances; here it has not run.
    Problems problems = commandProblems(before, sheet, B::cmdClearMea);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("txtCrossMea"), std::string::npos);
    EXPECT_TRUE(textProblems(sheet, "message", "Your speed is 1.5").empty());
    EXPECT_FALSE(textProblems(sheet, "message", "Movement nan in.").empty());
}

}  // namespace
}  // namespace tarnwick::testsupport
