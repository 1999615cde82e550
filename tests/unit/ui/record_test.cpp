// The record of a session: every scenario file's session replays to the
// sheet it ends with, a record reads as a scenario file, and an edited
// record replays only as far as it plays as recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Runner.h"
#include "tests/support/SheetInvariants.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/SessionRecord.h"

namespace tarnwick {
namespace {

using testsupport::sheetDifferences;

/// The record replayed on a fresh program, played again up to the action
/// that went astray when one did, as the page does.
struct Replaying {
    explicit Replaying(std::string_view record) {
        played = replay(*program, record);
        if (!played.halfway) return;
        program = std::make_unique<Program>(platform);
        replay(*program, record, kRecordLimit, played.line);
    }
    HeadlessPlatform platform;
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    Replayed played;
};

TEST(Record, EveryScenarioFileReplaysToTheSheetItEndsWith) {
    std::string failures;
    int scenarios = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TARNWICK_SCENARIO_DIR)) {
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const scenario::Script script = scenario::parseScript(text.str());
        for (const scenario::Scenario& s : script.scenarios) {
            ++scenarios;
            scenario::Session session;
            std::ostringstream dumps;
            const std::string where = entry.path().filename().string() + ", " + s.name + ": ";
            if (scenario::runScenario(s, entry.path(), dumps, session)) {
                failures += where + "does not pass\n";
                continue;
            }
            const std::optional<std::string> record = session.program().recorder().record();
            if (!record) {
                failures += where + "the record is over its limit\n";
                continue;
            }
            const scenario::Script again = scenario::parseScript(*record);
            if (again.stray || again.scenarios.size() != 1 || again.scenarios[0].malformed) {
                failures += where + "the record is no scenario file\n" + *record;
            }
            Replaying replayed(*record);
            if (!replayed.played.whole) failures += where + replayed.played.why + "\n";
            for (const std::string& p :
                 sheetDifferences(session.sheet(), replayed.program->sheet())) {
                failures += where + p + "\n";
            }
            if (!replayed.platform.events().empty()) failures += where + "a dialog was shown\n";
        }
    }
    EXPECT_GT(scenarios, 50);
    EXPECT_EQ(failures, "");
}

// Typing folds into one line per visit to a field; what no scenario command
// restores goes into #! lines.
TEST(Record, FoldsEachVisitToAFieldIntoItsLines) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setFocus(F::txtImpSpeed);
    for (const char* text : {"3", "35", "350", "35", "350"}) sheet.setText(F::txtImpSpeed, text);
    sheet.setFocus(F::txtID);
    sheet.setText(F::txtID, "E");
    sheet.setText(F::txtID, "");
    sheet.setSelection(F::txtImpSpeed, 1, 2);
    sheet.setFocus(Element(B::cmdClearAll));
    sheet.setFocus(Element(O::optOil));  // the selected one: a click
    platform.queueAnswer(Answer::No);
    sheet.requestClose();
    EXPECT_EQ(program.recorder().record(),
              "scenario \"kept session\"\n"
              "type txtImpSpeed \"350\"\n"
              "#! select txtImpSpeed 0 0\n"
              "type txtID \"0\"\n"
              "type txtID \"\"\n"
              "#! select txtImpSpeed 1 2\n"
              "#! focus cmdClearAll\n"
              "click optOil\n"
              "answer No\n"
              "close\n");
}

struct Edit {
    const char* what;
    const char* record;  ///< after the calculated session's lines
    int line;            ///< where the replay stops, counted after them
};

class EditedRecord : public ::testing::TestWithParam<Edit> {};

// Each row adds to a session that has calculated a case; the replay must stop
// at the row's line and leave the sheet as the session left it, with nothing
// shown.
TEST_P(EditedRecord, StopsWhereItDoesNotPlayAsRecorded) {
    HeadlessPlatform platform;
    Program calculated(platform);
    calculated.start();
    for (auto [f, text] : {std::pair{F::txtImpSpeed, "350"},
                           {F::txtImpRunby, "6"},
                           {F::txtImpRunbyCar, "6"},
                           {F::txtImpStroke, "8"}}) {
        calculated.sheet().setFocus(f);
        calculated.sheet().setText(f, text);
    }
    calculated.sheet().press(B::cmdCalculate);
    ASSERT_FALSE(calculated.sheet().text(F::txtImpMinCrosshead).empty());
    const std::string session = *calculated.recorder().record();
    const int lines = static_cast<int>(std::count(session.begin(), session.end(), '\n'));

    Replaying replayed(session + GetParam().record);
    EXPECT_FALSE(replayed.played.whole) << GetParam().what;
    EXPECT_EQ(replayed.played.line, lines + GetParam().line) << GetParam().what;
    EXPECT_EQ(sheetDifferences(calculated.sheet(), replayed.program->sheet()),
              testsupport::Problems{})
        << GetParam().what;
    EXPECT_TRUE(replayed.platform.events().empty()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditedRecord,
    ::testing::Values(Edit{"an unknown element", "click cmdQuit\n", 1},
                      Edit{"a result typed over", "type txtImpMinCrosshead \"18.02\"\n", 1},
                      Edit{"a message box answered as a prompt", "prompt \"E-7\"\nclick cmdExit\n",
                           1},
                      Edit{"an answer the box does not offer", "answer OK\nclose\n", 1},
                      Edit{"a dialog without its answer", "close\n", 1},
                      Edit{"a malformed line", "type txtImpSpeed \"35\n", 1},
                      Edit{"a selection past the text", "#! select txtImpSpeed 2 5\n", 1},
                      Edit{"the focus on a label", "#! focus Label1\n", 1},
                      Edit{"another scenario", "scenario \"again\"\n", 1},
                      Edit{"an expectation", "expect text txtImpSpeed \"350\"\n", 1}));

// Nothing the writer writes is refused by the reader: the limit is one.
TEST(Record, OverItsLimitIsNeitherWrittenNorRead) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    program.sheet().setText(F::txtID, "E-7");
    const std::string record = *program.recorder().record();
    EXPECT_EQ(program.recorder().record(record.size() - 1), std::nullopt);
    Replaying whole(record + std::string(kRecordLimit - record.size(), '#'));
    EXPECT_TRUE(whole.played.whole);
    Replaying over(record + std::string(kRecordLimit - record.size() + 1, '#'));
    EXPECT_FALSE(over.played.whole);
    EXPECT_EQ(over.program->sheet().text(F::txtID), "");
}

}  // namespace
}  // namespace tarnwick
