// Reading scenario files: words and texts of a line, the command grammar, and
// how lines group into scenarios.
#include "Script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick::scenario {
namespace {

std::vector<Token> wordsOf(std::string_view line) {
    Tokens t = tokenize(line);
    EXPECT_EQ(t.error, "") << line;
    return t.words;
}

Parsed parse(std::string_view line) {
    return parseCommand(wordsOf(line), 7);
}

TEST(Tokenize, BareWordsAndQuotedTextsWithEveryEscape) {
    std::vector<Token> words =
        wordsOf("  type\tLabelDIM(10) \"a \\\"b\\\" \\\\ \\r\\n\\t\"  \"\" x ");
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[0], (Token{"type", false}));
    EXPECT_EQ(words[1], (Token{"LabelDIM(10)", false}));
    EXPECT_EQ(words[2], (Token{"a \"b\" \\ \r\n\t", true}));
    EXPECT_EQ(words[3], (Token{"", true}));
    EXPECT_EQ(words[4], (Token{"x", false}));
}

TEST(Tokenize, CommentsOnlyAtTheStartOfALine) {
    EXPECT_TRUE(wordsOf("# type txtID x").empty());
    EXPECT_TRUE(wordsOf("   # indented").empty());
    EXPECT_TRUE(wordsOf("").empty());
    std::vector<Token> words = wordsOf("type txtID #5");
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2].text, "#5");
}

TEST(Tokenize, MalformedTexts) {
    for (std::string_view line : {
             "type txtID \"open",    // no closing quote
             "type txtID \"a\\x\"",  // unknown escape
             "type txtID \"a\\",     // backslash at the end
             "type txtID \"a\"b",    // text glued to a word
             "type txtID ab\"c\"",   // quote inside a bare word
         }) {
        EXPECT_NE(tokenize(line).error, "") << line;
    }
}

TEST(Tokenize, QuotedTextsReadBackAsWritten) {
    std::string tricky = "say \"hi\"\r\n\\ \t#";
    std::vector<Token> words = wordsOf(quotedText(tricky));
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, tricky);
}

TEST(ParseCommand, KeywordsOperandsAndHead) {
    Parsed p = parse("expect text txtMetSpeed \"3.56\"");
    ASSERT_TRUE(p.command) << p.error;
    EXPECT_EQ(p.command->op, Op::ExpectText);
    EXPECT_EQ(p.command->group, Group::Expect);
    EXPECT_EQ(p.command->line, 7);
    EXPECT_EQ(p.command->head, "expect text txtMetSpeed");
    EXPECT_EQ(p.command->args, (std::vector<std::string>{"txtMetSpeed", "3.56"}));

    p = parse("expect message critical yes-no-cancel:no \"T\" \"P\"");
    ASSERT_TRUE(p.command) << p.error;
    EXPECT_EQ(p.command->head, "expect message");
    EXPECT_EQ(p.command->args.size(), 4u);
}

TEST(ParseCommand, BareCancelCancelsThePromptAndQuotedCancelIsText) {
    Parsed bare = parse("prompt cancel");
    ASSERT_TRUE(bare.command);
    EXPECT_EQ(bare.command->op, Op::PromptCancel);
    Parsed text = parse("prompt \"cancel\"");
    ASSERT_TRUE(text.command);
    EXPECT_EQ(text.command->op, Op::PromptText);
    EXPECT_EQ(text.command->args[0], "cancel");
}

TEST(ParseCommand, PrintingCommandsAreReadForThePrintLayer) {
    for (std::string_view line :
         {"reminder tick-untick", "printdialog cancel", "printer \"Courier New\" 14 1",
          "expect reminder portrait", "expect printdialog", "expect printer Arial 10.5 2 bold",
          "expect documents 0", "expect pictures 1", "expect report-lines 12",
          "expect report-line 1 \"14b [@4]Elevator Identification: *\""}) {
        Parsed p = parse(line);
        ASSERT_TRUE(p.command) << line << ": " << p.error;
        EXPECT_EQ(p.command->group, Group::Printing) << line;
    }
}

TEST(ParseCommand, MalformedCommands) {
    for (std::string_view line : {
             "frobnicate txtID",                            // unknown command
             "expect nothing",                              // unknown expectation
             "type txtID",                                  // too few words
             "close now",                                   // too many words
             "expect colour txtID purple",                  // not a colour
             "answer ok",                                   // answers are OK, Yes, No, Cancel
             "expect enabled cmdCalculate true",            // yes or no
             "expect message critical yes-no \"T\" \"P\"",  // no default button
             "expect message critical yes-no-cancel:ok \"T\" \"P\"",
             "expect report-line 0 \"x\"",  // lines count from 1
             "expect documents -1", "printer Arial big 1",
             "type \"\" \"x\"",        // no field name
             "\"expect\" closed yes",  // keywords are bare words
         }) {
        Parsed p = parse(line);
        EXPECT_FALSE(p.command) << line;
        EXPECT_NE(p.error, "") << line;
    }
}

TEST(ParseScript, GroupsLinesIntoScenariosWithTheirLineNumbers) {
    Script s = parseScript(
        "# header comment\r\n"
        "\r\n"
        "scenario \"first one\"\r\n"
        "type txtImpSpeed 350\r\n"
        "  # note\n"
        "expect text txtImpSpeed \"350\"\n"
        "scenario second\n"
        "close");
    EXPECT_FALSE(s.stray);
    ASSERT_EQ(s.scenarios.size(), 2u);
    const Scenario& first = s.scenarios[0];
    EXPECT_EQ(first.name, "first one");
    EXPECT_EQ(first.line, 3);
    EXPECT_FALSE(first.malformed);
    ASSERT_EQ(first.commands.size(), 2u);
    EXPECT_EQ(first.commands[0].line, 4);
    EXPECT_EQ(first.commands[0].args[1], "350");  // no carriage return left over
    EXPECT_EQ(first.commands[1].line, 6);
    EXPECT_EQ(s.scenarios[1].name, "second");
    ASSERT_EQ(s.scenarios[1].commands.size(), 1u);
    EXPECT_EQ(s.scenarios[1].commands[0].line, 8);
}

TEST(ParseScript, AMalformedLineMarksOnlyItsOwnScenario) {
    Script s = parseScript(
        "scenario a\n"
        "type txtID \"open\n"
        "expect colour txtID purple\n"
        "scenario b\n"
        "close\n");
    ASSERT_EQ(s.scenarios.size(), 2u);
    ASSERT_TRUE(s.scenarios[0].malformed);
    EXPECT_EQ(s.scenarios[0].malformed->line, 2);  // the first bad line is named
    EXPECT_NE(s.scenarios[0].malformed->text.find("malformed line"), std::string::npos);
    EXPECT_FALSE(s.scenarios[1].malformed);
}

TEST(ParseScript, MalformedScenarioLinesStillStartAScenario) {
    Script s = parseScript(
        "scenario \"open\n"
        "close\n"
        "scenario two words\n");
    ASSERT_EQ(s.scenarios.size(), 2u);
    EXPECT_EQ(s.scenarios[0].name, "at line 1");
    ASSERT_TRUE(s.scenarios[0].malformed);
    EXPECT_EQ(s.scenarios[0].malformed->line, 1);
    ASSERT_TRUE(s.scenarios[1].malformed);
    EXPECT_EQ(s.scenarios[1].malformed->line, 3);
}

TEST(ParseScript, LinesBeforeTheFirstScenarioAreAnError) {
    Script s = parseScript(
        "# fine\n"
        "type txtID x\n"
        "close\n"
        "scenario a\n"
        "close\n");
    ASSERT_TRUE(s.stray);
    EXPECT_EQ(s.stray->line, 2);
    ASSERT_EQ(s.scenarios.size(), 1u);
    EXPECT_FALSE(s.scenarios[0].malformed);
}

}  // namespace
}  // namespace tarnwick::scenario
