#include "Dump.h"

#include "Describe.h"
#include "Script.h"

namespace tarnwick::scenario {

namespace {

/// A flag written as its word when on and as "no-" and the word when off.
std::string flag(std::string_view word, bool on) {
    return (on ? "" : "no-") + std::string(word);
}

void fields(std::ostream& out, const Sheet& sheet) {
    out << "  fields:\n";
    for (int i = 0; i < kFieldCount; ++i) {
        F f = static_cast<F>(i);
        const TextField& t = sheet.field(f);
        out << "    " << name(f) << ' ' << quotedText(t.text) << ' ' << colourName(t.colour) << ' '
            << (t.locked ? "locked" : "editable") << ' ' << flag("tabstop", t.tabStop) << ' '
            << (t.visible ? "visible" : "hidden") << " max " << t.maxLength;
        if (t.selLength != 0) out << " selection " << quotedText(sheet.selection(f));
        out << '\n';
    }
}

void labels(std::ostream& out, const Sheet& sheet) {
    out << "  labels:\n";
    for (int i = 0; i < kLabelCount; ++i) {
        L l = static_cast<L>(i);
        out << "    " << name(l) << ' ' << flag("enabled", sheet.enabled(l)) << ' '
            << quotedText(sheet.caption(l));
        if (!sheet.tooltip(l).empty()) out << " tooltip " << quotedText(sheet.tooltip(l));
        out << '\n';
    }
}

void options(std::ostream& out, const Sheet& sheet) {
    out << "  options:\n";
    for (int i = 0; i < kOptionCount; ++i) {
        O o = static_cast<O>(i);
        const OptionElement& e = sheet.option(o);
        out << "    " << name(o) << ' ' << flag("selected", e.selected) << ' '
            << flag("enabled", e.enabled) << ' ' << quotedText(e.caption);
        if (!e.tooltip.empty()) out << " tooltip " << quotedText(e.tooltip);
        out << '\n';
    }
}

void buttons(std::ostream& out, const Sheet& sheet) {
    out << "  buttons:\n";
    for (int i = 0; i < kButtonCount; ++i) {
        B b = static_cast<B>(i);
        const ButtonElement& e = sheet.button(b);
        out << "    " << name(b) << ' ' << flag("enabled", e.enabled) << ' '
            << flag("tabstop", e.tabStop) << ' ' << quotedText(e.caption);
        if (!e.tooltip.empty()) out << " tooltip " << quotedText(e.tooltip);
        out << '\n';
    }
}

void menus(std::ostream& out, const Sheet& sheet) {
    out << "  menus:\n";
    for (int i = 0; i < kMenuCount; ++i) {
        M m = static_cast<M>(i);
        const MenuElement& e = sheet.menu(m);
        std::string_view kind = e.leaf ? "command" : e.caption == "-" ? "separator" : "submenu";
        out << "    " << name(m) << ' ' << kind << ' ' << quotedText(e.caption);
        if (!e.shortcut.empty()) out << " shortcut " << e.shortcut;
        out << '\n';
    }
}

void events(std::ostream& out, const Session& session) {
    out << "  events not yet taken:";
    if (session.taken() == session.events().size()) out << " none";
    out << '\n';
    for (std::size_t i = session.taken(); i < session.events().size(); ++i) {
        out << "    line " << session.eventLine(i) << ": " << eventText(session.events()[i])
            << '\n';
    }
    for (int line : session.unusedAnswerLines()) {
        out << "  answer of line " << line << " not yet used\n";
    }
    for (int line : session.unusedPromptLines()) {
        out << "  prompt answer of line " << line << " not yet used\n";
    }
    for (int line : session.unusedReminderLines()) {
        out << "  reminder answer of line " << line << " not yet used\n";
    }
    for (int line : session.unusedPrintDialogLines()) {
        out << "  print dialog answer of line " << line << " not yet used\n";
    }
}

void printer(std::ostream& out, Session& session) {
    const HeadlessPrinter& p = session.platform().headlessPrinter();
    out << "  printer: " << printerText(p) << ", documents " << p.documents() << ", pictures "
        << p.pictures() << '\n';
    out << "  last report: " << p.lastDocument().size() << " lines\n";
    int number = 0;
    for (const ReportLine& line : p.lastDocument()) {
        out << "    " << ++number << ' ' << quotedText(reportLineText(line)) << '\n';
    }
}

void working(std::ostream& out, const Sheet& sheet) {
    out << "  working: " << sheet.working().lines().size() << " lines\n";
    int number = 0;
    for (const std::string& line : sheet.working().lines()) {
        out << "    " << ++number << ' ' << quotedText(line) << '\n';
    }
}

}  // namespace

void dump(std::ostream& out, Session& session, std::string_view where) {
    const Sheet& sheet = session.sheet();
    out << "dump at " << where << '\n';
    fields(out, sheet);
    labels(out, sheet);
    options(out, sheet);
    buttons(out, sheet);
    menus(out, sheet);
    Element focus = sheet.focus();
    out << "  focus: " << (focus.kind == Element::Kind::None ? "nothing" : name(focus)) << '\n';
    out << "  closed: " << yesNo(sheet.closed()) << '\n';
    out << "  state:\n";
    for (std::string_view stateName : stateNames()) {
        out << "    " << stateName << ' ' << stateValue(sheet.state(), stateName)->written()
            << '\n';
    }
    events(out, session);
    printer(out, session);
    working(out, sheet);
    out << "end of dump\n";
}

}  // namespace tarnwick::scenario
