#include "Player.h"

#include <string>
#include <vector>

namespace tarnwick::scenario {

namespace {

/// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (char c : text) {
        bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (continuation && !out.empty()) {
            out.back() += c;
        } else {
            out.emplace_back(1, c);
        }
    }
    return out;
}

/// A field the user can type into: visible and not locked.
Problem editableField(Session& session, const std::string& name, F& out) {
    if (Problem p = findField(name, out)) return p;
    const Sheet& sheet = session.sheet();
    const TextField& field = sheet.field(out);
    if (!field.visible) return name + " is hidden";
    if (field.locked) return name + " is locked";
    return std::nullopt;
}

/// The text box drops whatever goes past its maximum length (0: no limit).
std::string cut(const std::string& text, int maxLength) {
    std::vector<std::string> chars = characters(text);
    if (maxLength <= 0 || static_cast<int>(chars.size()) <= maxLength) return text;
    std::string out;
    for (int i = 0; i < maxLength; ++i) out += chars[static_cast<std::size_t>(i)];
    return out;
}

/// `type` and `paste`: into the field, whose focus reaction selects the
/// whole text, so that what arrives first replaces it.
Problem enter(Session& session, const Command& command, bool oneChange) {
    F f{};
    if (Problem p = editableField(session, command.args[0], f)) return p;
    Sheet& sheet = session.sheet();
    const std::string& text = command.args[1];
    int maxLength = sheet.maxLength(f);
    sheet.setFocus(f);
    if (oneChange || text.empty()) {
        sheet.setText(f, cut(text, maxLength));
    } else {
        bool first = true;
        for (const std::string& c : characters(text)) {
            if (first) {
                sheet.setText(f, c);
                first = false;
                continue;
            }
            std::string now = sheet.text(f);
            if (maxLength > 0 && static_cast<int>(characters(now).size()) >= maxLength) break;
            sheet.setText(f, now + c);
        }
    }
    sheet.setSelection(f, sheet.length(f), 0);
    return std::nullopt;
}

Problem click(Session& session, const Command& command) {
    const std::string& name = command.args[0];
    Element element;
    if (Problem p = findElement(name, element)) return p;
    Sheet& sheet = session.sheet();
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
Problem key(Session& session, const Command& command) {
    const std::string& key = command.args[0];
    Sheet& sheet = session.sheet();
    if (key == "Enter" || key == "Esc") {
        B button = key == "Enter" ? B::cmdCalculate : B::cmdExit;
        if (sheet.enabled(button)) sheet.press(button);
        return std::nullopt;
    }
    for (int i = 0; i < kMenuCount; ++i) {
        M m = static_cast<M>(i);
        if (sheet.menu(m).leaf && sheet.menu(m).shortcut == key) {
            sheet.choose(m);
            return std::nullopt;
        }
    }
    return "no menu command has the shortcut " + key + " (keys: Enter, Esc, menu shortcuts)";
}

Answer answerNamed(const std::string& word) {
    if (word == "Yes") return Answer::Yes;
    if (word == "No") return Answer::No;
    if (word == "Cancel") return Answer::Cancel;
    return Answer::Ok;
}

}  // namespace

Problem play(Session& session, const Command& command) {
    if (command.group == Group::Action && session.sheet().closed()) {
        return std::string("the window has closed");
    }
    switch (command.op) {
        case Op::Type:
            return enter(session, command, false);
        case Op::Paste:
            return enter(session, command, true);
        case Op::Focus: {
            F f{};
            if (Problem p = findField(command.args[0], f)) return p;
            if (!session.sheet().visible(f)) return command.args[0] + " is hidden";
            session.sheet().setFocus(f);
            return std::nullopt;
        }
        case Op::Click:
            return click(session, command);
        case Op::Key:
            return key(session, command);
        case Op::Close:
            session.sheet().requestClose();
            return std::nullopt;
        case Op::Answer:
            session.queueAnswer(answerNamed(command.args[0]), command.line);
            return std::nullopt;
        case Op::PromptText:
            session.queuePrompt(command.args[0], command.line);
            return std::nullopt;
        case Op::PromptCancel:
            session.queuePrompt(std::nullopt, command.line);
            return std::nullopt;
        default:
            break;
    }
    return "cannot be played as a user action";
}

}  // namespace tarnwick::scenario
