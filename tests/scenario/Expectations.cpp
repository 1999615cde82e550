#include "Expectations.h"

#include <span>
#include <string>
#include <vector>

#include "Describe.h"

namespace tarnwick::scenario {

namespace {

using Event = HeadlessPlatform::Event;

std::size_t firstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

/// Where two long texts part, which is hard to see in a long line.
std::string differenceHint(const std::string& what, const std::string& expected,
                           const std::string& found) {
    if (expected.size() < 40 && found.size() < 40) return {};
    return " (the " + what + " differs from character " +
           std::to_string(firstDifference(expected, found) + 1) + ")";
}

/// Compares two values as scenario files write them.
Problem compare(const std::string& expected, const std::string& found) {
    if (expected == found) return std::nullopt;
    return "expected " + expected + ", found " + found;
}

std::string eventFound(const Session& session) {
    const Event* event = session.nextEvent();
    return eventText(*event) + " (shown at line " +
           std::to_string(session.eventLine(session.taken())) + ")";
}

Problem expectMessage(Session& session, const Command& c) {
    std::string expected = "message " + c.args[0] + " " + c.args[1] + " " + quotedText(c.args[2]) +
                           " " + quotedText(c.args[3]);
    const Event* event = session.nextEvent();
    if (event == nullptr) return "expected " + expected + ", found no event";
    if (eventText(*event) == expected) {
        session.takeEvent();
        return std::nullopt;
    }
    std::string hint;
    if (event->kind == Event::Kind::Message) {
        const Message& m = event->message;
        if (m.title != c.args[2]) {
            hint = differenceHint("title", c.args[2], m.title);
        } else if (m.prompt != c.args[3]) {
            hint = differenceHint("prompt", c.args[3], m.prompt);
        }
    }
    return "expected " + expected + ", found " + eventFound(session) + hint;
}

Problem expectPrompt(Session& session, const Command& c) {
    return takeEvent(session, "prompt " + quotedText(c.args[0]) + " " + quotedText(c.args[1]));
}

Problem expectNoEvent(const Session& session) {
    if (session.nextEvent() == nullptr) return std::nullopt;
    return "expected no event, found " + eventFound(session);
}

Problem expectEnabled(Session& session, const Command& c) {
    Element e;
    if (Problem p = findElement(c.args[0], e)) return p;
    const Sheet& sheet = session.sheet();
    bool on = true;  // menu items are never disabled
    switch (e.kind) {
        case Element::Kind::Label:
            on = sheet.enabled(e.label());
            break;
        case Element::Kind::Option:
            on = sheet.enabled(e.option());
            break;
        case Element::Kind::Button:
            on = sheet.enabled(e.button());
            break;
        case Element::Kind::Field:
            return c.args[0] + " is a text field; use expect locked";
        case Element::Kind::Menu:
        case Element::Kind::None:
            break;
    }
    return compare(c.args[1], yesNo(on));
}

Problem expectTabStop(Session& session, const Command& c) {
    Element e;
    if (Problem p = findElement(c.args[0], e)) return p;
    if (e.kind == Element::Kind::Field) {
        return compare(c.args[1], yesNo(session.sheet().tabStop(e.field())));
    }
    if (e.kind == Element::Kind::Button) {
        return compare(c.args[1], yesNo(session.sheet().button(e.button()).tabStop));
    }
    return c.args[0] + " has no tab stop flag";
}

Problem expectCaption(Session& session, const Command& c) {
    Element e;
    if (Problem p = findElement(c.args[0], e)) return p;
    const Sheet& sheet = session.sheet();
    switch (e.kind) {
        case Element::Kind::Label:
            return compareText(c.args[1], sheet.caption(e.label()));
        case Element::Kind::Option:
            return compareText(c.args[1], sheet.option(e.option()).caption);
        case Element::Kind::Button:
            return compareText(c.args[1], sheet.button(e.button()).caption);
        case Element::Kind::Menu:
            return compareText(c.args[1], sheet.menu(e.menu()).caption);
        case Element::Kind::Field:
        case Element::Kind::None:
            break;
    }
    return c.args[0] + " has no caption; use expect text";
}

Problem expectTooltip(Session& session, const Command& c) {
    Element e;
    if (Problem p = findElement(c.args[0], e)) return p;
    const Sheet& sheet = session.sheet();
    std::string tooltip;  // text fields and menu items have none
    switch (e.kind) {
        case Element::Kind::Label:
            tooltip = sheet.tooltip(e.label());
            break;
        case Element::Kind::Option:
            tooltip = sheet.option(e.option()).tooltip;
            break;
        case Element::Kind::Button:
            tooltip = sheet.button(e.button()).tooltip;
            break;
        case Element::Kind::Field:
        case Element::Kind::Menu:
        case Element::Kind::None:
            break;
    }
    return compareText(c.args[1], tooltip);
}

Problem expectState(Session& session, const Command& c) {
    std::optional<StateValue> found = stateValue(session.sheet().state(), c.args[0]);
    if (!found) return "there is no sheet-level value named " + c.args[0];
    if (found->value == c.args[1]) return std::nullopt;
    StateValue expected{c.args[1], found->isText};
    return "expected " + expected.written() + ", found " + found->written();
}

/// `expect working-lines N`, `working-line N "TEXT"`, `working-has "TEXT"`.
Problem expectWorking(Session& session, const Command& c) {
    const std::span<const std::string> lines = session.sheet().working().lines();
    const std::string count = std::to_string(lines.size());
    switch (c.op) {
        case Op::ExpectWorkingLines:
            return compare(c.args[0], count);
        case Op::ExpectWorkingLine: {
            const std::size_t number = std::stoul(c.args[0]);
            if (number > lines.size()) return "the working has " + count + " lines";
            return compareLine(c.args[1], lines[number - 1]);
        }
        default:
            break;
    }
    for (const std::string& line : lines) {
        if (line.find(c.args[0]) != std::string::npos) return std::nullopt;
    }
    return "none of the working's " + count + " lines holds " + quotedText(c.args[0]);
}

/// The expectations on one text field.
Problem expectField(Session& session, const Command& c) {
    F f{};
    if (Problem p = findField(c.args[0], f)) return p;
    const Sheet& sheet = session.sheet();
    const std::string& value = c.args[1];
    switch (c.op) {
        case Op::ExpectText:
            return compareText(value, sheet.text(f));
        case Op::ExpectSelection:
            return compareText(value, sheet.selection(f));
        case Op::ExpectColour:
            return compare(value, std::string(colourName(sheet.colour(f))));
        case Op::ExpectLocked:
            return compare(value, yesNo(sheet.locked(f)));
        default:
            break;
    }
    return std::string("not an expectation on a text field");
}

}  // namespace

Problem takeEvent(Session& session, const std::string& expected) {
    const Event* event = session.nextEvent();
    if (event == nullptr) return "expected " + expected + ", found no event";
    if (eventText(*event) == expected) {
        session.takeEvent();
        return std::nullopt;
    }
    return "expected " + expected + ", found " + eventFound(session);
}

Problem compareText(const std::string& expected, const std::string& found) {
    if (expected == found) return std::nullopt;
    return "expected " + quotedText(expected) + ", found " + quotedText(found) +
           differenceHint("text", expected, found);
}

Problem compareLine(const std::string& expected, const std::string& found) {
    if (expected.empty() || expected.back() != '*') return compareText(expected, found);
    const std::string_view start(expected.data(), expected.size() - 1);
    if (found.starts_with(start)) return std::nullopt;
    return "expected " + quotedText(expected) + ", found " + quotedText(found);
}

Problem check(Session& session, const Command& c) {
    Sheet& sheet = session.sheet();
    switch (c.op) {
        case Op::ExpectMessage:
            return expectMessage(session, c);
        case Op::ExpectPrompt:
            return expectPrompt(session, c);
        case Op::ExpectNoEvent:
            return expectNoEvent(session);
        case Op::ExpectText:
        case Op::ExpectSelection:
        case Op::ExpectColour:
        case Op::ExpectLocked:
            return expectField(session, c);
        case Op::ExpectFocus: {
            Element e;
            if (Problem p = findElement(c.args[0], e)) return p;
            Element focus = sheet.focus();
            std::string found = focus.kind == Element::Kind::None ? "nothing" : name(focus);
            return compare(c.args[0], found);
        }
        case Op::ExpectEnabled:
            return expectEnabled(session, c);
        case Op::ExpectVisible: {
            Element e;
            if (Problem p = findElement(c.args[0], e)) return p;
            // Only text fields are ever hidden.
            return compare(c.args[1], yesNo(!e.isField() || sheet.visible(e.field())));
        }
        case Op::ExpectTabStop:
            return expectTabStop(session, c);
        case Op::ExpectSelected: {
            Element e;
            if (Problem p = findElement(c.args[0], e)) return p;
            if (e.kind != Element::Kind::Option) return c.args[0] + " is not an option";
            return compare(c.args[1], yesNo(sheet.selected(e.option())));
        }
        case Op::ExpectCaption:
            return expectCaption(session, c);
        case Op::ExpectTooltip:
            return expectTooltip(session, c);
        case Op::ExpectState:
            return expectState(session, c);
        case Op::ExpectClosed:
            return compare(c.args[0], yesNo(sheet.closed()));
        case Op::ExpectWorkingLines:
        case Op::ExpectWorkingLine:
        case Op::ExpectWorkingHas:
            return expectWorking(session, c);
        default:
            break;
    }
    return std::string("not an expectation");
}

}  // namespace tarnwick::scenario
