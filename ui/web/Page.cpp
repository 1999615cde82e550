// The calculator in a browser page: the program on the browser's platform,
// the description of the screen the page is built from, and the user's
// actions as sheet operations. Actions that may open a dialog are called
// with ccall's async option: the reaction is suspended while the dialog is
// open and the promise settles when it has run to its end.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <string>

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

template <class Id>
std::string list(std::span<const Id> ids) {
    std::string out = "[";
    for (const Id& id : ids) {
        if (out.size() > 1) out += ',';
        out += number(idx(id));
    }
    return out + "]";
}

std::string quantityRow(const screen::QuantityRow& r) {
    return "{\"caption\":" + number(idx(r.caption)) + ",\"imperial\":" + number(idx(r.imperial)) +
           ",\"imperialUnit\":" + number(idx(r.imperialUnit)) +
           ",\"metric\":" + number(idx(r.metric)) + ",\"metricUnit\":" + number(idx(r.metricUnit)) +
           "}";
}

std::string quantityRows(std::span<const screen::QuantityRow> rows) {
    std::string out = "[";
    for (const auto& r : rows) out += (out.size() > 1 ? "," : "") + quantityRow(r);
    return out + "]";
}

template <class Id, int Count>
std::string controlNames() {
    std::string out = "[";
    for (int i = 0; i < Count; ++i) {
        if (i > 0) out += ',';
        out += json::quoted(name(static_cast<Id>(i)));
    }
    return out + "]";
}

}  // namespace

/// Where everything stands on the screen, for the page to build itself from;
/// the captions, colours and states come afterwards with the mirror.
std::string screenDescription() {
    std::string json = "{\"names\":{\"fields\":" + controlNames<F, kFieldCount>() +
                       ",\"labels\":" + controlNames<L, kLabelCount>() +
                       ",\"options\":" + controlNames<O, kOptionCount>() +
                       ",\"buttons\":" + controlNames<B, kButtonCount>() +
                       ",\"menus\":" + controlNames<M, kMenuCount>() + "}";
    json += ",\"questionsHeading\":" + number(idx(screen::kQuestionsHeading));
    json += ",\"questions\":[";
    bool first = true;
    for (const auto& q : screen::questions()) {
        json += std::string(first ? "" : ",") + "{\"question\":" + number(idx(q.question)) +
                ",\"options\":[" + number(idx(q.first)) + "," + number(idx(q.second)) +
                "],\"topic\":" + json::quoted(q.topic) + "}";
        first = false;
    }
    json += "],\"largeButtons\":" + list(screen::largeButtons());
    const auto& units = screen::unitRow();
    json += ",\"unitRow\":{\"caption\":" + number(idx(units.caption)) +
            ",\"buttons\":" + list(std::span<const B>(units.buttons)) + "}";
    const auto& box = screen::maxRunbyBox();
    json += ",\"maxRunby\":{\"caption\":" + number(idx(box.caption)) + ",\"boxes\":[";
    for (std::size_t i = 0; i < box.boxes.size(); ++i) {
        json += std::string(i ? "," : "") + "{\"field\":" + number(idx(box.boxes[i].first)) +
                ",\"unit\":" + number(idx(box.boxes[i].second)) + "}";
    }
    json += "]},\"identification\":{\"caption\":" + number(idx(screen::kIdentificationCaption)) +
            ",\"field\":" + number(idx(screen::kIdentification)) + "}";
    json += ",\"maxRunbyButton\":" + number(idx(screen::kMaxRunbyButton));
    json += ",\"clearMeasured\":" + number(idx(screen::kClearMeasured));
    json += ",\"defaultButton\":" + number(idx(screen::kDefaultButton));
    json += ",\"cancelButton\":" + number(idx(screen::kCancelButton));
    json += ",\"entryRows\":" + quantityRows(screen::entryRows());
    json += ",\"resultRows\":" + quantityRows(screen::resultRows());
    const auto& headings = screen::clearanceHeadings();
    json += ",\"clearanceHeadings\":{\"rows\":" + number(idx(headings.rows)) +
            ",\"measured\":" + number(idx(headings.measured)) +
            ",\"difference\":" + number(idx(headings.difference)) + "}";
    json += ",\"clearanceRows\":[";
    first = true;
    for (const auto& c : screen::clearanceRows()) {
        std::string row = quantityRow(c.quantity);
        row.pop_back();
        json += std::string(first ? "" : ",") + row + ",\"measured\":" + number(idx(c.measured)) +
                ",\"measuredUnit\":" + number(idx(c.measuredUnit)) +
                ",\"difference\":" + number(idx(c.difference)) +
                ",\"differenceUnit\":" + number(idx(c.differenceUnit)) + "}";
        first = false;
    }
    json += "],\"tabOrder\":[";
    first = true;
    for (const Element e : screen::tabOrder()) {
        json += std::string(first ? "" : ",") + "[" + number(static_cast<int>(e.kind)) + "," +
                number(e.id) + "]";
        first = false;
    }
    json += "],\"buttons\":[";
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonElement& b = sheet().button(static_cast<B>(i));
        json += std::string(i ? "," : "") + "{\"lightGreen\":" + (b.lightGreen ? "true" : "false") +
                ",\"tabStop\":" + (b.tabStop ? "true" : "false") + "}";
    }
    json += "],\"menus\":[";
    for (int i = 0; i < kMenuCount; ++i) {
        const MenuElement& m = sheet().menu(static_cast<M>(i));
        json += std::string(i ? "," : "") + "{\"caption\":" + json::quoted(m.caption) +
                ",\"shortcut\":" + json::quoted(m.shortcut) +
                ",\"parent\":" + number(idx(m.parent)) +
                ",\"topLevel\":" + (m.topLevel ? "true" : "false") +
                ",\"leaf\":" + (m.leaf ? "true" : "false") + "}";
    }
    return json + "]}";
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
// then mirrors the started sheet once.
EMSCRIPTEN_KEEPALIVE void tarnwick_start() {
    sheet().setObserver(nullptr);
    page->program.start();
    sheet().setObserver(&page->view);
    page->view.mirrorAll();
}

EMSCRIPTEN_KEEPALIVE void tarnwick_type(int field, const char* text) {
    sheet().setText(static_cast<F>(field), text);
}

/// The selection the user made; runs no reaction.
EMSCRIPTEN_KEEPALIVE void tarnwick_select(int field, int start, int length) {
    const F f = static_cast<F>(field);
    const TextField& current = std::as_const(sheet()).field(f);
    if (current.selStart != start || current.selLength != length) {
        sheet().setSelection(f, start, length);
    }
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

EMSCRIPTEN_KEEPALIVE void tarnwick_requestClose() {
    if (!sheet().closed()) sheet().requestClose();
}

}  // extern "C"

EMSCRIPTEN_BINDINGS(tarnwick_page) {
    emscripten::function("screenDescription", &tarnwick::screenDescription);
    emscripten::function("holdsEntries", &tarnwick::holdsEntries);
    emscripten::function("closed", &tarnwick::closed);
    emscripten::function("restart", &tarnwick::restart);
}

int main() {
    tarnwick::restart();
    return 0;
}
