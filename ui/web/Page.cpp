// The calculator in a browser page: the program on the browser's platform,
// the description of the screen the page is built from (written in
// ui/web/ScreenDescription.cpp), the user's actions as sheet operations, and
// the record of them that the tab keeps. Actions that may open a dialog are
// called with ccall's async option: the reaction is suspended while the
// dialog is open and the promise settles when it has run to its end.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "ui/ActionLines.h"
#include "ui/Program.h"
#include "ui/Screen.h"
#include "ui/web/Json.h"
#include "ui/web/ScreenDescription.h"
#include "ui/web/WebPlatform.h"
#include "ui/web/WebView.h"

namespace tarnwick {

namespace {

struct Page {
    WebPlatform platform;
    Program program{platform};
    WebView view{program.sheet()};
};

Page* page = nullptr;

Sheet& sheet() {
    return page->program.sheet();
}

}  // namespace

/// Whether the sheet holds anything the user typed, which leaving the page
/// would lose.
bool holdsEntries() {
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        if (!sheet().locked(f) && !sheet().text(f).empty()) return true;
    }
    return false;
}

bool closed() {
    return sheet().closed();
}

/// What the user has done since the start, for the page to keep while its
/// tab lives: the record's text, or "" when it is longer than recordLimit().
std::string sessionRecord() {
    return page->program.recorder().record(kRecordLimit).value_or("");
}

int recordLimit() {
    return static_cast<int>(kRecordLimit);
}

/// Instead of tarnwick_start: starts the program and plays the record the
/// tab kept, every dialog answered as recorded, nothing shown and nothing
/// printed. Where a line does not play as recorded the sheet stays as it
/// stood before that line's action, and the answer says where and why. The
/// page mirrors the sheet afterwards (mirrorFrom).
Replayed replayRecord(const std::string& record) {
    sheet().setObserver(nullptr);
    Replayed replayed = replay(page->program, record);
    if (replayed.halfway) {
        delete page;
        page = new Page;
        replay(page->program, record, kRecordLimit, replayed.line);
    }
    sheet().setObserver(&page->view);
    return replayed;
}

/// The started or replayed sheet's first copy into the page, a few elements
/// at a time so that no step holds up the user's input for long: returns
/// where the next step goes on, or -1 when the page shows the whole sheet.
int mirrorFrom(int from, int count) {
    return page->view.mirrorSome(from, count);
}

/// A digest of what the page shows of the sheet, every element's state and
/// the focus (the sheet-level values, such as the window's place on the
/// screen, show nowhere in the page): the build writes the started sheet's
/// into the page.
std::string shownDigest() {
    std::string all;
    const auto add = [&all](std::string_view text) {
        all += std::to_string(text.size()) + ':';
        all += text;
    };
    const auto number = [&add](int value) { add(std::to_string(value)); };
    const Catalogue& c = sheet().elements();
    for (const TextField& t : c.fields) {
        add(t.text);
        for (int v : {static_cast<int>(t.colour), int{t.locked}, int{t.tabStop}, int{t.visible},
                      t.maxLength, t.selStart, t.selLength}) {
            number(v);
        }
    }
    for (const LabelElement& l : c.labels) {
        add(l.caption);
        add(l.tooltip);
        number(l.enabled);
    }
    for (const OptionElement& o : c.options) {
        add(o.caption);
        add(o.tooltip);
        number(o.selected * 2 + o.enabled);
    }
    for (const ButtonElement& b : c.buttons) {
        add(b.caption);
        add(b.tooltip);
        number(b.enabled * 4 + b.tabStop * 2 + b.lightGreen);
    }
    for (const MenuElement& m : c.menus) {
        add(m.caption);
        add(m.shortcut);
        number(idx(m.parent) * 4 + m.topLevel * 2 + m.leaf);
    }
    number(static_cast<int>(sheet().focus().kind));
    number(sheet().focus().id);
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (unsigned char c : all) hash = (hash ^ c) * 1099511628211u;
    char hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = "0123456789abcdef"[hash & 15];
    hex[16] = 0;
    return hex;
}

/// Whether the page, written at build time with the sheet whose digest is
/// `written`, shows this sheet already.
bool showsAsWritten(const std::string& written) {
    return shownDigest() == written;
}

/// The sheet's focus alone, for a page that shows every element already.
void mirrorFocus() {
    page->view.focusChanged(sheet().focus());
}

/// The words of a line of a scenario file as the program reads them, for
/// whoever plays the files through the page: a JSON object with the words,
/// whether each was quoted, and what is wrong with the line ("" when
/// nothing is).
std::string scenarioWords(const std::string& line) {
    const Words read = splitWords(line);
    json::Writer w;
    w.object();
    w.key("words").arrayOf(read.words,
                           [](json::Writer& w, const Word& word) { w.value(word.text); });
    w.key("quoted").arrayOf(read.words,
                            [](json::Writer& w, const Word& word) { w.value(word.quoted); });
    w.member("error", read.error).end();
    return std::move(w).text();
}

/// A fresh program after the last one closed: the user starts it again.
void restart() {
    delete page;
    page = new Page;
    page->program.sheet().setObserver(&page->view);
}

}  // namespace tarnwick

using namespace tarnwick;

namespace {

/// An element the user can reach: the page's ids are checked, so that a
/// record never holds what its reader refuses.
bool fieldAt(int id) {
    return id >= 0 && id < kFieldCount && sheet().visible(static_cast<F>(id));
}
bool optionAt(int id) {
    return id >= 0 && id < kOptionCount && sheet().enabled(static_cast<O>(id));
}
bool buttonAt(int id) {
    return id >= 0 && id < kButtonCount && sheet().enabled(static_cast<B>(id));
}

}  // namespace

// The user's actions, each recorded. Each may run reactions that open
// dialogs.
extern "C" {

// As on the desktop, the program starts before the page shows it, which
// then mirrors the started sheet once (mirrorFrom).
EMSCRIPTEN_KEEPALIVE void tarnwick_start() {
    sheet().setObserver(nullptr);
    page->program.start();
    sheet().setObserver(&page->view);
}

// What is typed goes into the field with the focus; a text box takes no
// typing while locked, and drops what goes past its maximum length.
EMSCRIPTEN_KEEPALIVE void tarnwick_type(int field, const char* text) {
    if (!fieldAt(field) || sheet().locked(static_cast<F>(field))) return;
    const F f = static_cast<F>(field);
    if (sheet().focus() != Element(f)) sheet().setFocus(f);
    sheet().setText(f, cutToLength(text, sheet().maxLength(f)));
}

/// The selection the user made; runs no reaction. Whether the sheet's
/// selection changed.
EMSCRIPTEN_KEEPALIVE bool tarnwick_select(int field, int start, int length) {
    if (!fieldAt(field)) return false;
    const F f = static_cast<F>(field);
    start = std::clamp(start, 0, sheet().length(f));
    length = std::clamp(length, 0, sheet().length(f) - start);
    const TextField& current = std::as_const(sheet()).field(f);
    if (current.selStart == start && current.selLength == length) return false;
    sheet().setSelection(f, start, length);
    return true;
}

EMSCRIPTEN_KEEPALIVE void tarnwick_focus(int kind, int id) {
    switch (static_cast<Element::Kind>(kind)) {
        case Element::Kind::Field:
            if (fieldAt(id)) sheet().setFocus(static_cast<F>(id));
            break;
        case Element::Kind::Option:
            if (optionAt(id)) sheet().setFocus(Element(static_cast<O>(id)));
            break;
        case Element::Kind::Button:
            if (buttonAt(id)) sheet().setFocus(Element(static_cast<B>(id)));
            break;
        default:
            break;
    }
}

// A click on the selected option does nothing; a click on the other one
// selects it, and the sheet runs its click reaction.
EMSCRIPTEN_KEEPALIVE void tarnwick_clickOption(int id) {
    if (!optionAt(id)) return;
    const O o = static_cast<O>(id);
    sheet().setFocus(Element(o));
    if (!sheet().selected(o)) sheet().select(o);
}

EMSCRIPTEN_KEEPALIVE void tarnwick_press(int id) {
    if (!buttonAt(id)) return;
    const B b = static_cast<B>(id);
    sheet().setFocus(Element(b));
    sheet().press(b);
}

/// Enter and Esc: the default and the cancel command, wherever the focus is.
EMSCRIPTEN_KEEPALIVE void tarnwick_pressKey(int id) {
    const bool key = id == idx(screen::kDefaultButton) || id == idx(screen::kCancelButton);
    if (key && buttonAt(id)) sheet().press(static_cast<B>(id));
}

EMSCRIPTEN_KEEPALIVE void tarnwick_choose(int menu) {
    if (menu >= 0 && menu < kMenuCount && sheet().menu(static_cast<M>(menu)).leaf) {
        sheet().choose(static_cast<M>(menu));
    }
}

}  // extern "C"

EMSCRIPTEN_BINDINGS(tarnwick_page) {
    emscripten::function("screenDescription", &tarnwick::screenDescription);
    emscripten::function("holdsEntries", &tarnwick::holdsEntries);
    emscripten::function("closed", &tarnwick::closed);
    emscripten::function("restart", &tarnwick::restart);
    emscripten::value_object<tarnwick::Replayed>("Replayed")
        .field("whole", &tarnwick::Replayed::whole)
        .field("line", &tarnwick::Replayed::line)
        .field("why", &tarnwick::Replayed::why);
    emscripten::function("record", &tarnwick::sessionRecord);
    emscripten::function("recordLimit", &tarnwick::recordLimit);
    emscripten::function("replay", &tarnwick::replayRecord);
    emscripten::function("mirrorFrom", &tarnwick::mirrorFrom);
    emscripten::function("shownDigest", &tarnwick::shownDigest);
    emscripten::function("showsAsWritten", &tarnwick::showsAsWritten);
    emscripten::function("mirrorFocus", &tarnwick::mirrorFocus);
    emscripten::function("scenarioWords", &tarnwick::scenarioWords);
}

int main() {
    tarnwick::restart();
    return 0;
}
