// Playing user actions: the order of focus and change reactions while
// typing, what a click does to the focus, and the actions a user cannot take.
#include "Player.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Runner.h"

namespace tarnwick::scenario {
namespace {

// Records each reaction with the focus and the field's text at that moment.
class Recorder : public Reactions {
public:
    explicit Recorder(Sheet& sheet) : sheet_(sheet) {}
    void changed(F f) override { log.push_back("change " + sheet_.text(f)); }
    void gotFocus(F f) override { log.push_back("focus " + std::string(name(f))); }
    void clicked(O o) override {
        log.push_back(std::string(name(o)) + " focus " + name(sheet_.focus()));
    }
    void clicked(B b) override {
        log.push_back(std::string(name(b)) + " focus " + name(sheet_.focus()));
    }
    void chosen(M m) override {
        log.push_back(std::string(name(m)) + " focus " + name(sheet_.focus()));
    }
    bool queryUnload() override { return true; }
    std::vector<std::string> log;

private:
    Sheet& sheet_;
};

class Playing : public ::testing::Test {
protected:
    Playing() {
        session.start(1);
        session.sheet().setReactions(&recorder);
    }

    Problem run(std::string_view line) {
        Parsed parsed = parseCommand(tokenize(line).words, 2);
        EXPECT_TRUE(parsed.command) << line << ": " << parsed.error;
        return play(session, *parsed.command);
    }

    Session session;
    Recorder recorder{session.sheet()};
};

using Log = std::vector<std::string>;

TEST_F(Playing, TypingFocusesThenChangesOncePerCharacterUpToTheMaximumLength) {
    session.sheet().setText(F::txtImpSpeed, "old");
    recorder.log.clear();
    EXPECT_EQ(run("type txtImpSpeed 123456789"), std::nullopt);
    EXPECT_EQ(recorder.log,
              (Log{"focus txtImpSpeed", "change 1", "change 12", "change 123", "change 1234",
                   "change 12345", "change 123456", "change 1234567", "change 12345678"}));
    const Sheet& sheet = session.sheet();
    const TextField& t = sheet.field(F::txtImpSpeed);
    EXPECT_EQ(t.selStart, 8);  // the caret after the text
    EXPECT_EQ(t.selLength, 0);
}

TEST_F(Playing, TypingCountsCharactersNotBytes) {
    std::string degrees;
    for (int i = 0; i < 9; ++i) degrees += "\xC2\xB0";
    EXPECT_EQ(run("type txtImpSpeed \"" + degrees + "\""), std::nullopt);
    EXPECT_EQ(session.sheet().text(F::txtImpSpeed), degrees.substr(0, 16));  // 8 characters
}

TEST_F(Playing, TypingNothingDeletesTheTextInOneChange) {
    session.sheet().setText(F::txtID, "E-7");
    recorder.log.clear();
    EXPECT_EQ(run("type txtID \"\""), std::nullopt);
    EXPECT_EQ(recorder.log, (Log{"focus txtID", "change "}));
}

TEST_F(Playing, PastingIsOneChangeCutToTheMaximumLength) {
    EXPECT_EQ(run("paste txtCrossMea 123456789012"), std::nullopt);
    EXPECT_EQ(recorder.log, (Log{"focus txtCrossMea", "change 1234567890"}));
    EXPECT_EQ(session.sheet().selection(F::txtCrossMea), "");
}

TEST_F(Playing, ClicksOnButtonsAndOptionsTakeTheFocusMenusDoNot) {
    session.sheet().setFocus(F::txtImpRunby);
    recorder.log.clear();
    EXPECT_EQ(run("click mnuOil"), std::nullopt);
    EXPECT_EQ(run("key Ctrl+S"), std::nullopt);
    EXPECT_EQ(run("key Enter"), std::nullopt);
    EXPECT_EQ(run("click optSpring"), std::nullopt);
    EXPECT_EQ(run("click cmdClearAll"), std::nullopt);
    EXPECT_EQ(recorder.log, (Log{"mnuOil focus txtImpRunby", "mnuSpring focus txtImpRunby",
                                 "cmdCalculate focus txtImpRunby", "optSpring focus optSpring",
                                 "cmdClearAll focus cmdClearAll"}));
}

TEST_F(Playing, WhatAUserCannotDoFailsAndRunsNothing) {
    session.sheet().setEnabled(O::opt2000, false);
    session.sheet().setLocked(F::txtImpStroke, true);
    for (std::string_view line : {
             "click cmdMaxRunby",       // disabled at start
             "click opt2000",           // disabled above
             "click mnuPrint",          // opens a menu, runs nothing
             "click Label23",           // labels take no clicks
             "click txtID",             // a field is focused or typed into
             "click cmdNoSuch",         // unknown name
             "type txtImpGovTrip 100",  // hidden at start
             "type txtImpStroke 100",   // locked above
             "focus txtImpGovTrip",     // hidden
             "type cmdCalculate 1",     // not a text field
             "key Ctrl+Q",              // no such shortcut
         }) {
        EXPECT_NE(run(line), std::nullopt) << line;
    }
    EXPECT_EQ(recorder.log, Log{});
}

TEST_F(Playing, NoUserActionAfterTheWindowClosed) {
    EXPECT_EQ(run("close"), std::nullopt);
    ASSERT_TRUE(session.sheet().closed());
    EXPECT_NE(run("focus txtID"), std::nullopt);
    EXPECT_NE(run("close"), std::nullopt);
    EXPECT_EQ(run("answer Yes"), std::nullopt);  // queuing is no action
}

TEST(Running, LeftoversFailAtTheLineThatCausedThem) {
    Script s = parseScript(
        "scenario \"unused answer\"\n"
        "answer Yes\n"
        "expect closed no\n"
        "scenario \"event never taken\"\n"
        "expect no-event\n"
        "key Ctrl+O\n"
        "expect closed no\n"
        "scenario \"the earliest leftover\"\n"
        "prompt \"E-7\"\n"
        "click mnuSpring\n");
    ASSERT_EQ(s.scenarios.size(), 3u);
    std::ostringstream out;
    std::optional<Failure> failure = runScenario(s.scenarios[0], "f", out);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 2);
    EXPECT_NE(failure->text.find("never used"), std::string::npos) << failure->text;
    failure = runScenario(s.scenarios[1], "f", out);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 6);
    EXPECT_NE(failure->text.find("never taken"), std::string::npos) << failure->text;
    failure = runScenario(s.scenarios[2], "f", out);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 9);
}

}  // namespace
}  // namespace tarnwick::scenario
