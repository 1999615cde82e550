#include "ui/ActionLines.h"

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

Refusal playAction(Sheet& sheet, std::string_view command, const std::vector<std::string>& args) {
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
    if (command == "close") {
        sheet.requestClose();
        return std::nullopt;
    }
    return "cannot be played as a user action";
}

}  // namespace tarnwick
