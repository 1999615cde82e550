#include "ui/ActionLines.h"

#include <array>
#include <charconv>

namespace tarnwick {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The character an escape stands for, or 0 for an unknown escape.
char escaped(char c) {
    switch (c) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        case 't':
            return '\t';
        default:
            return 0;
    }
}

Refusal findElement(std::string_view name, Element& out) {
    std::optional<Element> element = elementNamed(name);
    if (!element) return "there is no element named " + std::string(name);
    out = *element;
    return std::nullopt;
}

/// A field the user can move into; one to type into must also be visible
/// and not locked.
Refusal findField(const Sheet& sheet, std::string_view name, F& out, bool typing) {
    Element element;
    if (Refusal r = findElement(name, element)) return r;
    if (!element.isField()) return std::string(name) + " is not a text field";
    out = element.field();
    if (!sheet.visible(out)) return std::string(name) + " is hidden";
    if (typing && sheet.locked(out)) return std::string(name) + " is locked";
    return std::nullopt;
}

/// `type` and `paste`: into the field, whose focus reaction selects the
/// whole text, so that what arrives first replaces it; typed, the text
/// comes a character at a time, each a change.
Refusal enter(Sheet& sheet, const std::vector<std::string>& args, bool oneChange) {
    F f{};
    if (Refusal r = findField(sheet, args[0], f, true)) return r;
    const std::string& text = args[1];
    const int maxLength = sheet.maxLength(f);
    sheet.setFocus(f);
    if (oneChange || text.empty()) {
        sheet.setText(f, cutToLength(text, maxLength));
    } else {
        const int count = characterCount(text);
        for (int i = 0; i < count; ++i) {
            if (i > 0 && maxLength > 0 && sheet.length(f) >= maxLength) break;
            const std::size_t from = byteOffset(text, i);
            std::string now = i == 0 ? std::string() : sheet.text(f);
            now.append(text, from, byteOffset(text, i + 1) - from);
            sheet.setText(f, now);
        }
    }
    sheet.setSelection(f, sheet.length(f), 0);
    return std::nullopt;
}

Refusal click(Sheet& sheet, const std::string& name) {
    Element element;
    if (Refusal r = findElement(name, element)) return r;
    switch (element.kind) {
        case Element::Kind::Button:
            if (!sheet.enabled(element.button())) return name + " is disabled";
            sheet.setFocus(element);
            sheet.press(element.button());
            return std::nullopt;
        case Element::Kind::Option:
            if (!sheet.enabled(element.option())) return name + " is disabled";
            sheet.setFocus(element);
            sheet.select(element.option());
            return std::nullopt;
        case Element::Kind::Menu:
            if (!sheet.menu(element.menu()).leaf) return name + " is not a menu command";
            sheet.choose(element.menu());
            return std::nullopt;
        case Element::Kind::Field:
            return name + " is a text field; use focus or type";
        case Element::Kind::Label:
        case Element::Kind::None:
            break;
    }
    return name + " cannot be clicked";
}

/// Enter and Esc press the window's default and cancel buttons, which do
/// nothing while disabled; the other keys are menu shortcuts.
Refusal key(Sheet& sheet, const std::string& key) {
    if (key == "Enter" || key == "Esc") {
        const B button = key == "Enter" ? B::cmdCalculate : B::cmdExit;
        if (sheet.enabled(button)) sheet.press(button);
        return std::nullopt;
    }
    for (int i = 0; i < kMenuCount; ++i) {
        const M m = static_cast<M>(i);
        if (sheet.menu(m).leaf && sheet.menu(m).shortcut == key) {
            sheet.choose(m);
            return std::nullopt;
        }
    }
    return "no menu command has the shortcut " + key + " (keys: Enter, Esc, menu shortcuts)";
}

}  // namespace

Words splitWords(std::string_view line) {
    Words out;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i == line.size()) break;
        if (out.words.empty() && line[i] == '#') break;
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word.text += c;
                    continue;
                }
                if (i == line.size() || escaped(line[i]) == 0) {
                    out.error = i == line.size() ? "a backslash ends the line"
                                                 : std::string("unknown escape \\") + line[i];
                    return out;
                }
                word.text += escaped(line[i++]);
            }
            if (!closed) {
                out.error = "a text has no closing quote";
                return out;
            }
            if (i < line.size() && !isBlank(line[i])) {
                out.error = "a closing quote is followed by " + std::string(1, line[i]) +
                            " (words are separated by blanks)";
                return out;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') {
                    out.error = "a quote inside the word " + word.text + "\"";
                    return out;
                }
                word.text += line[i++];
            }
        }
        out.words.push_back(std::move(word));
    }
    return out;
}

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string cutToLength(std::string_view text, int maxLength) {
    if (maxLength <= 0 || characterCount(text) <= maxLength) return std::string(text);
    return std::string(text.substr(0, byteOffset(text, maxLength)));
}

namespace {

constexpr std::array<std::string_view, 4> kAnswerWords{"OK", "Yes", "No", "Cancel"};
constexpr std::array<std::string_view, 3> kReminderWords{"ok", "tick", "tick-untick"};

/// How many words follow each action's command; -1 for no action.
int operandCount(std::string_view command) {
    if (command == "type" || command == "paste") return 2;
    if (command == "focus" || command == "click" || command == "key") return 1;
    return command == "close" ? 0 : -1;
}

/// A bare word that is a count: 0, 1, 2, ...
std::optional<int> count(const Word& word) {
    int value = 0;
    const std::string& t = word.text;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (word.quoted || error != std::errc() || end != t.data() + t.size() || value < 0) return {};
    return value;
}

}  // namespace

std::string_view answerWord(Answer answer) {
    return kAnswerWords[static_cast<std::size_t>(answer)];
}

std::optional<Answer> answerOfWord(std::string_view word) {
    for (std::size_t i = 0; i < kAnswerWords.size(); ++i) {
        if (kAnswerWords[i] == word) return static_cast<Answer>(i);
    }
    return std::nullopt;
}

std::optional<HeadlessPlatform::ReminderAnswer> reminderOfWord(std::string_view word) {
    for (std::size_t i = 0; i < kReminderWords.size(); ++i) {
        if (kReminderWords[i] == word) return static_cast<HeadlessPlatform::ReminderAnswer>(i);
    }
    return std::nullopt;
}

std::string_view reminderWord(int clicks) {
    return kReminderWords[clicks == 0 ? 0 : clicks % 2 ? 1 : 2];
}

std::optional<HeadlessPlatform::Event::Kind> queueAnswer(HeadlessPlatform& script,
                                                         const std::vector<Word>& w) {
    using Kind = HeadlessPlatform::Event::Kind;
    if (w.size() != 2 || w[0].quoted) return std::nullopt;
    const std::string& command = w[0].text;
    if (command == "prompt") {
        const bool cancel = !w[1].quoted && w[1].text == "cancel";
        script.queuePrompt(cancel ? std::nullopt : std::optional(w[1].text));
        return Kind::Prompt;
    }
    if (w[1].quoted) return std::nullopt;
    if (const auto answer = answerOfWord(w[1].text); answer && command == "answer") {
        script.queueAnswer(*answer);
        return Kind::Message;
    }
    if (const auto left = reminderOfWord(w[1].text); left && command == "reminder") {
        script.queueReminder(*left);
        return Kind::Reminder;
    }
    if (command == "printdialog" && (w[1].text == "ok" || w[1].text == "cancel")) {
        script.queuePrintDialog(w[1].text == "ok");
        return Kind::PrintDialog;
    }
    return std::nullopt;
}

Refusal playRestoring(Sheet& sheet, const std::vector<Word>& w) {
    const std::optional<Element> e = w.size() > 1 ? elementNamed(w[1].text) : std::nullopt;
    const std::string n = w.size() > 1 ? w[1].text : std::string();
    if (w.size() == 4 && w[0].text == "select") {
        const std::optional<int> start = count(w[2]), length = count(w[3]);
        if (!e || !e->isField() || !sheet.visible(e->field())) return n + " is no visible field";
        if (!start || !length || *start + *length > sheet.length(e->field()))
            return "no such selection in " + n;
        sheet.setSelection(e->field(), *start, *length);
        return std::nullopt;
    }
    if (w.size() == 2 && w[0].text == "focus") {
        const bool button = e && e->kind == Element::Kind::Button && sheet.enabled(e->button());
        const bool option = e && e->kind == Element::Kind::Option && sheet.enabled(e->option());
        if (!button && !option) return n + " is no enabled button or option";
        sheet.setFocus(*e);
        return std::nullopt;
    }
    return std::string("unknown line");
}

Refusal playAction(Sheet& sheet, std::string_view command, const std::vector<std::string>& args) {
    const int operands = operandCount(command);
    if (operands < 0) return std::string("is no action or answer");
    if (static_cast<int>(args.size()) != operands) {
        return "takes " + std::to_string(operands) + " words after it, not " +
               std::to_string(args.size());
    }
    if (sheet.closed()) return std::string("the window has closed");
    if (command == "type" || command == "paste") return enter(sheet, args, command == "paste");
    if (command == "focus") {
        F f{};
        if (Refusal r = findField(sheet, args[0], f, false)) return r;
        sheet.setFocus(f);
        return std::nullopt;
    }
    if (command == "click") return click(sheet, args[0]);
    if (command == "key") return key(sheet, args[0]);
    sheet.requestClose();
    return std::nullopt;
}

}  // namespace tarnwick
