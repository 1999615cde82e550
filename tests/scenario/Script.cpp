#include "Script.h"

#include <array>
#include <cctype>

namespace tarnwick::scenario {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The grammar of one command: its keywords and its operands. An operand in
/// capitals is a placeholder (see `checkOperand`); any other operand lists the
/// words allowed there, separated by '|'.
struct Syntax {
    std::string_view keywords;
    Op op;
    Group group;
    std::string_view operands;
};

constexpr std::array kSyntax{
    Syntax{"type", Op::Type, Group::Action, "FIELD TEXT"},
    Syntax{"paste", Op::Paste, Group::Action, "FIELD TEXT"},
    Syntax{"focus", Op::Focus, Group::Action, "FIELD"},
    Syntax{"click", Op::Click, Group::Action, "NAME"},
    Syntax{"key", Op::Key, Group::Action, "KEY"},
    Syntax{"close", Op::Close, Group::Action, ""},
    Syntax{"answer", Op::Answer, Group::Answer, "OK|Yes|No|Cancel"},
    Syntax{"prompt cancel", Op::PromptCancel, Group::Answer, ""},
    Syntax{"prompt", Op::PromptText, Group::Answer, "TEXT"},
    Syntax{"expect message", Op::ExpectMessage, Group::Expect,
           "none|critical|question|information BUTTONS TITLE PROMPT"},
    Syntax{"expect prompt", Op::ExpectPrompt, Group::Expect, "TITLE PROMPT"},
    Syntax{"expect no-event", Op::ExpectNoEvent, Group::Expect, ""},
    Syntax{"expect text", Op::ExpectText, Group::Expect, "FIELD TEXT"},
    Syntax{"expect selection", Op::ExpectSelection, Group::Expect, "FIELD TEXT"},
    Syntax{"expect colour", Op::ExpectColour, Group::Expect, "FIELD yellow|white|red|standard"},
    Syntax{"expect focus", Op::ExpectFocus, Group::Expect, "NAME"},
    Syntax{"expect enabled", Op::ExpectEnabled, Group::Expect, "NAME yes|no"},
    Syntax{"expect visible", Op::ExpectVisible, Group::Expect, "NAME yes|no"},
    Syntax{"expect locked", Op::ExpectLocked, Group::Expect, "FIELD yes|no"},
    Syntax{"expect tabstop", Op::ExpectTabStop, Group::Expect, "NAME yes|no"},
    Syntax{"expect selected", Op::ExpectSelected, Group::Expect, "OPTION yes|no"},
    Syntax{"expect caption", Op::ExpectCaption, Group::Expect, "NAME TEXT"},
    Syntax{"expect tooltip", Op::ExpectTooltip, Group::Expect, "NAME TEXT"},
    Syntax{"expect state", Op::ExpectState, Group::Expect, "NAME VALUE"},
    Syntax{"expect closed", Op::ExpectClosed, Group::Expect, "yes|no"},
    Syntax{"expect working-lines", Op::ExpectWorkingLines, Group::Expect, "N"},
    Syntax{"expect working-line", Op::ExpectWorkingLine, Group::Expect, "LINE TEXT"},
    Syntax{"expect working-has", Op::ExpectWorkingHas, Group::Expect, "TEXT"},
    Syntax{"reminder", Op::Reminder, Group::Printing, "ok|tick|tick-untick"},
    Syntax{"printdialog", Op::PrintDialog, Group::Printing, "ok|cancel"},
    Syntax{"printer", Op::Printer, Group::Printing, "FONT SIZE ORIENTATION"},
    Syntax{"expect reminder", Op::ExpectReminder, Group::Printing, "portrait|landscape"},
    Syntax{"expect printdialog", Op::ExpectPrintDialog, Group::Printing, ""},
    Syntax{"expect printer", Op::ExpectPrinter, Group::Printing,
           "FONT SIZE ORIENTATION bold|regular"},
    Syntax{"expect documents", Op::ExpectDocuments, Group::Printing, "N"},
    Syntax{"expect pictures", Op::ExpectPictures, Group::Printing, "N"},
    Syntax{"expect report-lines", Op::ExpectReportLines, Group::Printing, "N"},
    Syntax{"expect report-line", Op::ExpectReportLine, Group::Printing, "LINE TEXT"},
    Syntax{"dump", Op::Dump, Group::Dump, ""},
};

std::vector<std::string_view> split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    if (s.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = s.find(separator, start);
        parts.push_back(s.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

/// How many leading words of the line are the keywords of `syntax`; 0 when
/// they do not match. Keywords match bare words only, so that
/// `prompt "cancel"` is the text "cancel" and not a cancelled prompt.
std::size_t matchLength(const Syntax& syntax, const std::vector<Token>& words) {
    std::vector<std::string_view> keywords = split(syntax.keywords, ' ');
    if (words.size() < keywords.size()) return 0;
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (words[i].quoted || words[i].text != keywords[i]) return 0;
    }
    return keywords.size();
}

bool isPlaceholder(std::string_view operand) {
    for (char c : operand) {
        if (!std::isupper(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool namesSomething(std::string_view operand) {
    return operand == "FIELD" || operand == "NAME" || operand == "OPTION" || operand == "KEY";
}

bool allDigits(std::string_view s) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool isDecimal(std::string_view s) {
    std::size_t point = s.find('.');
    if (point == std::string_view::npos) return allDigits(s);
    return allDigits(s.substr(0, point)) && allDigits(s.substr(point + 1));
}

/// Checks one operand; the error says what was wanted.
std::string checkOperand(std::string_view operand, const std::string& value) {
    if (!isPlaceholder(operand)) {
        for (std::string_view allowed : split(operand, '|')) {
            if (value == allowed) return {};
        }
        return quotedText(value) + " is not one of " + std::string(operand);
    }
    if (namesSomething(operand)) {
        if (value.empty()) return "an empty " + std::string(operand);
        return {};
    }
    if (operand == "BUTTONS") {
        if (value == "ok" || value == "yes-no-cancel:yes" || value == "yes-no-cancel:no" ||
            value == "yes-no-cancel:cancel") {
            return {};
        }
        return quotedText(value) + " is not a button set (ok or yes-no-cancel:yes|no|cancel)";
    }
    if (operand == "N" || operand == "ORIENTATION") {
        if (allDigits(value)) return {};
        return quotedText(value) + " is not a whole number";
    }
    if (operand == "LINE") {
        if (allDigits(value) && std::stoi(value) > 0) return {};
        return quotedText(value) + " is not a line number (1 or more)";
    }
    if (operand == "SIZE") {
        if (isDecimal(value)) return {};
        return quotedText(value) + " is not a font size";
    }
    return {};  // any text
}

/// The line's first word as written, quotes and all.
std::string_view firstWord(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(start, end - start);
}

std::string usage(const Syntax& syntax) {
    std::string text(syntax.keywords);
    if (!syntax.operands.empty()) text.append(" ").append(syntax.operands);
    return text;
}

}  // namespace

Parsed parseCommand(const std::vector<Token>& words, int line) {
    const Syntax* best = nullptr;
    std::size_t bestLength = 0;
    for (const Syntax& syntax : kSyntax) {
        std::size_t length = matchLength(syntax, words);
        if (length > bestLength) {
            best = &syntax;
            bestLength = length;
        }
    }
    if (best == nullptr) {
        std::string what = words.empty() ? std::string() : words[0].text;
        if (words.size() > 1 && what == "expect") what += " " + words[1].text;
        return {std::nullopt, "unknown command " + quotedText(what)};
    }

    std::vector<std::string_view> operands = split(best->operands, ' ');
    if (words.size() - bestLength != operands.size()) {
        return {std::nullopt, "wrong number of words; write: " + usage(*best)};
    }
    Command command;
    command.op = best->op;
    command.group = best->group;
    command.line = line;
    command.head = std::string(best->keywords);
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const std::string& value = words[bestLength + i].text;
        std::string error = checkOperand(operands[i], value);
        if (!error.empty()) {
            return {std::nullopt, std::string(best->keywords) + ": " + error};
        }
        command.args.push_back(value);
    }
    if (!operands.empty() && namesSomething(operands[0])) command.head += " " + command.args[0];
    return {std::move(command), {}};
}

Script parseScript(std::string_view text) {
    Script script;
    int number = 0;
    for (std::string_view line : split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Tokens tokens = tokenize(line);
        if (tokens.error.empty() && tokens.words.empty()) continue;

        if (firstWord(line) == "scenario") {
            Scenario scenario;
            scenario.line = number;
            if (tokens.error.empty() && tokens.words.size() == 2) {
                scenario.name = tokens.words[1].text;
            } else {
                scenario.name = "at line " + std::to_string(number);
                scenario.malformed =
                    Failure{number, "malformed line: " +
                                        (tokens.error.empty()
                                             ? "wrong number of words; write: scenario NAME"
                                             : tokens.error)};
            }
            script.scenarios.push_back(std::move(scenario));
            continue;
        }
        if (script.scenarios.empty()) {
            if (!script.stray) {
                script.stray = Failure{number, "a line before the first scenario line"};
            }
            continue;
        }
        Scenario& current = script.scenarios.back();
        if (current.malformed) continue;
        if (!tokens.error.empty()) {
            current.malformed = Failure{number, "malformed line: " + tokens.error};
            continue;
        }
        Parsed parsed = parseCommand(tokens.words, number);
        if (!parsed.command) {
            current.malformed = Failure{number, "malformed line: " + parsed.error};
            continue;
        }
        current.commands.push_back(std::move(*parsed.command));
    }
    return script;
}

}  // namespace tarnwick::scenario
