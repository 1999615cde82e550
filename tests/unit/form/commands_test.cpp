// Calculate and Max Runby against an engine that only records what it is
// asked to run: what a refused entry leaves undone, and what Max Runby runs
// before the calculation. Which case each set of answers runs is checked by
// the case scenarios through the results it writes.
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
