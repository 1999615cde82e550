// Calculate and Max Runby against an engine that only records what it is
// asked to run: which of the eighteen cases each set of answers picks, and
// what a refused entry leaves undone.
#include "sheet/Commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/Form.h"
#include "ui/HeadlessPlatform.h"

namespace tarnwick {
namespace {

class RecordingEngine : public EngineLink {
public:
    void WhiteYellow() override { log.push_back("WhiteYellow"); }
    void RedAlert() override { log.push_back("RedAlert"); }
    void ImpDifferences() override { log.push_back("ImpDifferences"); }
    void MetDifferences() override { log.push_back("MetDifferences"); }
    void RecalcMet() override {}
    void RecalcImp() override {}
    void runCase(int number) override { log.push_back("case " + std::to_string(number)); }
    std::vector<std::string> log;
};

class NoMenus : public MenuLink {
public:
    void chosen(M) override {}
};

class CalculateCommand : public ::testing::Test {
protected:
    CalculateCommand() {
        sheet.setReactions(&form);
        form.setup().Form_Load();
        engine.log.clear();
    }
    ~CalculateCommand() override { sheet.setReactions(nullptr); }

    /// Fills the entries of the active column with values every check accepts.
    void fillEntries(const char* speed = "500") {
        const bool imperial = sheet.state().IsImperial;
        sheet.setText(imperial ? F::txtImpSpeed : F::txtMetSpeed, speed);
        sheet.setText(imperial ? F::txtImpGovTrip : F::txtMetGovTrip, "1");
        sheet.setText(imperial ? F::txtImpRunby : F::txtMetRunby, "6");
        sheet.setText(imperial ? F::txtImpRunbyCar : F::txtMetRunbyCar, "6");
        sheet.setText(imperial ? F::txtImpStroke : F::txtMetStroke, "17");
        engine.log.clear();
    }

    HeadlessPlatform platform;
    Sheet sheet{platform};
    RecordingEngine engine;
    NoMenus menus;
    Form form{sheet, engine, menus};
};

struct Answers {
    bool metric, spring, compressed, tieDown, reduced;
    int expectedCase;
};

TEST_F(CalculateCommand, EachSetOfAnswersRunsExactlyItsOwnCase) {
    const Answers table[] = {
        {false, false, false, false, false, 1}, {true, false, false, false, false, 2},
        {false, true, false, false, false, 3},  {true, true, false, false, false, 4},
        {false, false, false, true, false, 5},  {true, false, false, true, false, 6},
        {false, false, true, false, false, 7},  {true, false, true, false, false, 8},
        {false, false, false, false, true, 9},  {true, false, false, false, true, 10},
        {false, false, false, true, true, 11},  {true, false, false, true, true, 12},
        {false, false, true, true, false, 13},  {true, false, true, true, false, 14},
        {false, false, true, true, true, 15},   {true, false, true, true, true, 16},
        {false, false, true, false, true, 17},  {true, false, true, false, true, 18},
    };
    for (const Answers& a : table) {
        sheet.press(B::cmdDefault);
        if (a.metric) sheet.press(B::cmdMetric);
        sheet.select(a.spring ? O::optSpring : O::optOil);
        sheet.select(a.compressed ? O::optCompYes : O::optCompNo);
        sheet.select(a.tieDown ? O::optTieDownYes : O::optTieDownNo);
        sheet.select(a.reduced ? O::optReducedYes : O::optReducedNo);
        // Metric speeds above 3.56 m/s need the tie-down device.
        fillEntries(a.metric ? "2" : "500");
        sheet.press(B::cmdCalculate);
        EXPECT_EQ(engine.log,
                  (std::vector<std::string>{"WhiteYellow", "case " + std::to_string(a.expectedCase),
                                            "RedAlert"}))
            << "case " << a.expectedCase;
        EXPECT_TRUE(sheet.enabled(B::cmdMaxRunby));
        EXPECT_TRUE(platform.events().empty());
    }
}

TEST_F(CalculateCommand, EntriesOfAnyUsableSizePassAndHugeOnesAreRefused) {
    sheet.select(O::optCompYes);
    for (const char* runby : {"-99999999999999", "0", "999999999999999e-1"}) {
        fillEntries();
        sheet.setText(F::txtImpRunby, runby);
        sheet.press(B::cmdCalculate);
        EXPECT_EQ(engine.log.size(), 3u) << runby;
    }
    for (const char* runby : {"1e15", "-1e15", "1E300", "-1D16"}) {
        fillEntries();
        sheet.setText(F::txtImpRunby, runby);
        sheet.press(B::cmdCalculate);
        EXPECT_EQ(engine.log, std::vector<std::string>{"WhiteYellow"}) << runby;
        EXPECT_EQ(sheet.focus(), Element(F::txtImpRunby)) << runby;
    }
    EXPECT_EQ(platform.messages().size(), 4u);
}

TEST_F(CalculateCommand, MaxRunbyComputesTheDifferencesOfTheActiveSystemFirst) {
    sheet.press(B::cmdMetric);
    fillEntries("2");
    for (F f : {F::txtCrossMea, F::txtRefugeMea, F::txtShoesMea, F::txtObstructMea, F::txtCwtMea}) {
        sheet.setText(f, "900");
    }
    engine.log.clear();
    sheet.press(B::cmdMaxRunby);
    EXPECT_EQ(engine.log,
              (std::vector<std::string>{"MetDifferences", "WhiteYellow", "case 2", "RedAlert"}));
}

}  // namespace
}  // namespace tarnwick
