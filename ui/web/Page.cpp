// The calculator in a browser page: the program on the browser's platform,
// the description of the screen the page is built from, and the user's
// actions as sheet operations. Actions that may open a dialog are called
// with ccall's async option: the reaction is suspended while the dialog is
// open and the promise settles when it has run to its end.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "sheet/Snapshot.h"
#include "ui/Program.h"
#include "ui/Screen.h"
#include "ui/web/Json.h"
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

std::string number(int value) {
    return std::to_string(value);
}

std::string kind(Element::Kind kind) {
    return number(static_cast<int>(kind));
}

std::string boolean(bool on) {
    return on ? "true" : "false";
}

/// A JSON array of each item's text.
template <class Items, class Text>
std::string array(const Items& items, Text text) {
    std::string out = "[";
    for (const auto& item : items) {
        if (out.size() > 1) out += ',';
        out += text(item);
    }
    return out + "]";
}

template <class Id>
std::string ids(std::span<const Id> items) {
    return array(items, [](Id id) { return number(idx(id)); });
}

/// The control names of every element of a kind, by id.
template <class Id>
std::string controlNames(int count) {
    std::vector<Id> all;
    for (int i = 0; i < count; ++i) all.push_back(static_cast<Id>(i));
    return array(all, [](Id id) { return json::quoted(name(id)); });
}

/// The members of an entry or result row, without the braces.
std::string quantityMembers(const screen::QuantityRow& r) {
    return "\"caption\":" + number(idx(r.caption)) + ",\"imperial\":" + number(idx(r.imperial)) +
           ",\"imperialUnit\":" + number(idx(r.imperialUnit)) +
           ",\"metric\":" + number(idx(r.metric)) + ",\"metricUnit\":" + number(idx(r.metricUnit));
}

}  // namespace

/// Where everything stands on the screen, for the page to build itself from;
/// the captions, colours and states come afterwards with the mirror.
std::string screenDescription() {
    std::string json = "{\"names\":{\"fields\":" + controlNames<F>(kFieldCount) +
                       ",\"labels\":" + controlNames<L>(kLabelCount) +
                       ",\"options\":" + controlNames<O>(kOptionCount) +
                       ",\"buttons\":" + controlNames<B>(kButtonCount) +
                       ",\"menus\":" + controlNames<M>(kMenuCount) + "}";
    // The element kinds as the page's calls and the sheet's focus number them.
    json += ",\"kinds\":{\"field\":" + kind(Element::Kind::Field) +
            ",\"label\":" + kind(Element::Kind::Label) +
            ",\"option\":" + kind(Element::Kind::Option) +
            ",\"button\":" + kind(Element::Kind::Button) +
            ",\"menu\":" + kind(Element::Kind::Menu) + "}";
    json += ",\"questionsHeading\":" + number(idx(screen::kQuestionsHeading));
    json += ",\"questions\":" + array(screen::questions(), [](const screen::Question& q) {
                return "{\"question\":" + number(idx(q.question)) + ",\"options\":[" +
                       number(idx(q.first)) + "," + number(idx(q.second)) +
                       "],\"topic\":" + json::quoted(q.topic) + "}";
            });
    json += ",\"largeButtons\":" + ids(screen::largeButtons());
    const auto& units = screen::unitRow();
    json += ",\"unitRow\":{\"caption\":" + number(idx(units.caption)) +
            ",\"buttons\":" + ids(std::span<const B>(units.buttons)) + "}";
    const auto& box = screen::maxRunbyBox();
    json += ",\"maxRunby\":{\"caption\":" + number(idx(box.caption)) + ",\"boxes\":" +
            array(box.boxes,
                  [](const std::pair<F, L>& b) {
                      return "{\"field\":" + number(idx(b.first)) +
                             ",\"unit\":" + number(idx(b.second)) + "}";
                  }) +
            "}";
    json += ",\"identification\":{\"caption\":" + number(idx(screen::kIdentificationCaption)) +
            ",\"field\":" + number(idx(screen::kIdentification)) + "}";
    json += ",\"maxRunbyButton\":" + number(idx(screen::kMaxRunbyButton));
    json += ",\"clearMeasured\":" + number(idx(screen::kClearMeasured));
    json += ",\"defaultButton\":" + number(idx(screen::kDefaultButton));
    json += ",\"cancelButton\":" + number(idx(screen::kCancelButton));
    const auto quantityRow = [](const screen::QuantityRow& r) {
        return "{" + quantityMembers(r) + "}";
    };
    json += ",\"entryRows\":" + array(screen::entryRows(), quantityRow);
    json += ",\"resultRows\":" + array(screen::resultRows(), quantityRow);
    const auto& headings = screen::clearanceHeadings();
    json += ",\"clearanceHeadings\":{\"rows\":" + number(idx(headings.rows)) +
            ",\"measured\":" + number(idx(headings.measured)) +
            ",\"difference\":" + number(idx(headings.difference)) + "}";
    json +=
        ",\"clearanceRows\":" + array(screen::clearanceRows(), [](const screen::ClearanceRow& c) {
            return "{" + quantityMembers(c.quantity) + ",\"measured\":" + number(idx(c.measured)) +
                   ",\"measuredUnit\":" + number(idx(c.measuredUnit)) +
                   ",\"difference\":" + number(idx(c.difference)) +
                   ",\"differenceUnit\":" + number(idx(c.differenceUnit)) + "}";
        });
    json += ",\"tabOrder\":" + array(screen::tabOrder(), [](Element e) {
                return "[" + number(static_cast<int>(e.kind)) + "," + number(e.id) + "]";
            });
    const Catalogue catalogue = initialCatalogue();
    json += ",\"buttons\":" + array(catalogue.buttons, [](const ButtonElement& b) {
                return "{\"lightGreen\":" + boolean(b.lightGreen) +
                       ",\"tabStop\":" + boolean(b.tabStop) + "}";
            });
    json += ",\"menus\":" + array(catalogue.menus, [](const MenuElement& m) {
                return "{\"caption\":" + json::quoted(m.caption) +
                       ",\"shortcut\":" + json::quoted(m.shortcut) +
                       ",\"parent\":" + number(idx(m.parent)) +
                       ",\"topLevel\":" + boolean(m.topLevel) + ",\"leaf\":" + boolean(m.leaf) +
                       "}";
            });
    return json + "}";
}

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

/// The sheet as it stands, for the page to keep while its tab lives.
std::string sheetSnapshot() {
    return snapshot(sheet());
}

/// Instead of starting the fresh program, puts back the sheet the tab kept:
/// nothing is recalculated and no message is shown. A refused snapshot
/// leaves the program unstarted, and the page then starts it. The page
/// mirrors the sheet afterwards (mirrorFrom).
bool resume(const std::string& kept) {
    sheet().setObserver(nullptr);
    const bool restored = restore(sheet(), kept);
    sheet().setObserver(&page->view);
    return restored;
}

/// The started or resumed sheet's first copy into the page, a few elements
/// at a time so that no step holds up the user's input for long: returns
/// where the next step goes on, or -1 when the page shows the whole sheet.
int mirrorFrom(int from, int count) {
    return page->view.mirrorSome(from, count);
}

/// Whether the page, written at build time with the sheet of the snapshot
/// `written`, shows this sheet already: the same elements and focus (the
/// sheet-level values, such as the window's place on the screen, show
/// nowhere in the page).
bool showsAsWritten(const std::string& written) {
    Sheet scratch(page->platform);
    return restore(scratch, written) && scratch.elements() == sheet().elements() &&
           scratch.focus() == sheet().focus();
}

/// The sheet's focus alone, for a page that shows every element already.
void mirrorFocus() {
    page->view.focusChanged(sheet().focus());
}

/// A fresh program after the last one closed: the user starts it again.
void restart() {
    delete page;
    page = new Page;
    page->program.sheet().setObserver(&page->view);
}

}  // namespace tarnwick

using namespace tarnwick;

// The user's actions. Each may run reactions that open dialogs.
extern "C" {

// As on the desktop, the program starts before the page shows it, which
// then mirrors the started sheet once (mirrorFrom).
EMSCRIPTEN_KEEPALIVE void tarnwick_start() {
    sheet().setObserver(nullptr);
    page->program.start();
    sheet().setObserver(&page->view);
}

EMSCRIPTEN_KEEPALIVE void tarnwick_type(int field, const char* text) {
    sheet().setText(static_cast<F>(field), text);
}

/// The selection the user made; runs no reaction. Whether the sheet's
/// selection changed.
EMSCRIPTEN_KEEPALIVE bool tarnwick_select(int field, int start, int length) {
    const F f = static_cast<F>(field);
    const TextField& current = std::as_const(sheet()).field(f);
    if (current.selStart == start && current.selLength == length) return false;
    sheet().setSelection(f, start, length);
    return true;
}

EMSCRIPTEN_KEEPALIVE void tarnwick_focus(int kind, int id) {
    switch (static_cast<Element::Kind>(kind)) {
        case Element::Kind::Field:
            sheet().setFocus(static_cast<F>(id));
            break;
        case Element::Kind::Option:
            sheet().setFocus(Element(static_cast<O>(id)));
            break;
        case Element::Kind::Button:
            sheet().setFocus(Element(static_cast<B>(id)));
            break;
        default:
            break;
    }
}

// A click on the selected option does nothing; a click on the other one
// selects it, and the sheet runs its click reaction.
EMSCRIPTEN_KEEPALIVE void tarnwick_clickOption(int id) {
    const O o = static_cast<O>(id);
    if (!sheet().enabled(o)) return;
    sheet().setFocus(Element(o));
    if (!sheet().selected(o)) sheet().select(o);
}

EMSCRIPTEN_KEEPALIVE void tarnwick_press(int id) {
    const B b = static_cast<B>(id);
    if (!sheet().enabled(b)) return;
    sheet().setFocus(Element(b));
    sheet().press(b);
}

/// Enter and Esc: the default and the cancel command, wherever the focus is.
EMSCRIPTEN_KEEPALIVE void tarnwick_pressKey(int id) {
    const B b = static_cast<B>(id);
    if (sheet().enabled(b)) sheet().press(b);
}

EMSCRIPTEN_KEEPALIVE void tarnwick_choose(int menu) {
    sheet().choose(static_cast<M>(menu));
}

}  // extern "C"

EMSCRIPTEN_BINDINGS(tarnwick_page) {
    emscripten::function("screenDescription", &tarnwick::screenDescription);
    emscripten::function("holdsEntries", &tarnwick::holdsEntries);
    emscripten::function("closed", &tarnwick::closed);
    emscripten::function("restart", &tarnwick::restart);
    emscripten::function("snapshot", &tarnwick::sheetSnapshot);
    emscripten::function("resume", &tarnwick::resume);
    emscripten::function("mirrorFrom", &tarnwick::mirrorFrom);
    emscripten::function("showsAsWritten", &tarnwick::showsAsWritten);
    emscripten::function("mirrorFocus", &tarnwick::mirrorFocus);
}

int main() {
    tarnwick::restart();
    return 0;
}
