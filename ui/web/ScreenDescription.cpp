#include "ui/web/ScreenDescription.h"

#include "info/Reference.h"
#include "ui/Grid.h"
#include "ui/Screen.h"
#include "ui/web/Json.h"

namespace tarnwick {

namespace {

template <class Id>
void ids(json::Writer& w, std::span<const Id> items) {
    w.arrayOf(items, [](json::Writer& w, Id id) { w.value(idx(id)); });
}

/// The control names of every element of a kind, by id.
template <class Id>
void controlNames(json::Writer& w, int count) {
    w.array();
    for (int i = 0; i < count; ++i) w.value(name(static_cast<Id>(i)));
    w.end();
}

int kind(Element::Kind kind) {
    return static_cast<int>(kind);
}

/// The data block's cells: what each holds and its element's id, its place
/// at the natural width (row, column, rows, columns) and on a phone (row,
/// column, columns), and the row whose line it is read with.
void grid(json::Writer& w) {
    w.object();
    w.key("columns").array();
    for (int c = 0; c < screen::kColumnCount; ++c) {
        w.value(screen::columnName(static_cast<screen::Column>(c)));
    }
    w.end();
    w.key("rows").arrayOf(screen::gridRows(), [](json::Writer& w, screen::RowKind r) {
        w.value(screen::rowKindName(r));
    });
    w.key("cells").arrayOf(screen::gridCells(), [](json::Writer& w, const screen::Cell& c) {
        const screen::Place& at = c.wide;
        const screen::Place& narrow = c.narrow;
        w.object().member("holds", screen::holdsName(c.holds)).member("id", c.element.id);
        w.key("wide").array().value(at.row).value(at.column).value(at.rows).value(at.columns).end();
        w.key("narrow").array().value(narrow.row).value(narrow.column).value(narrow.columns).end();
        w.member("line", c.line).end();
    });
    w.end();
}

}  // namespace

std::string screenDescription() {
    json::Writer w;
    w.object().key("names").object();
    controlNames<F>(w.key("fields"), kFieldCount);
    controlNames<L>(w.key("labels"), kLabelCount);
    controlNames<O>(w.key("options"), kOptionCount);
    controlNames<B>(w.key("buttons"), kButtonCount);
    controlNames<M>(w.key("menus"), kMenuCount);
    w.end();
    // The element kinds as the page's calls and the sheet's focus number them.
    w.key("kinds")
        .object()
        .member("field", kind(Element::Kind::Field))
        .member("label", kind(Element::Kind::Label))
        .member("option", kind(Element::Kind::Option))
        .member("button", kind(Element::Kind::Button))
        .member("menu", kind(Element::Kind::Menu))
        .end();
    w.member("questionsHeading", idx(screen::kQuestionsHeading));
    w.key("questions").arrayOf(screen::questions(), [](json::Writer& w, const screen::Question& q) {
        w.object().member("question", idx(q.question));
        w.key("options").array().value(idx(q.first)).value(idx(q.second)).end();
        w.member("topic", q.topic).end();
    });
    ids(w.key("largeButtons"), screen::largeButtons());
    const screen::MaxRunbyBox& box = screen::maxRunbyBox();
    w.key("maxRunby").object().member("caption", idx(box.caption));
    w.key("boxes").arrayOf(box.boxes, [](json::Writer& w, const std::pair<F, L>& b) {
        w.object().member("field", idx(b.first)).member("unit", idx(b.second)).end();
    });
    w.end();
    w.key("identification")
        .object()
        .member("caption", idx(screen::kIdentificationCaption))
        .member("field", idx(screen::kIdentification))
        .end();
    // Card lines longer than this come broken at blanks; the working's view
    // is no wider.
    w.member("cardColumns", Reference::kCardColumns);
    w.member("defaultButton", idx(screen::kDefaultButton));
    w.member("cancelButton", idx(screen::kCancelButton));
    grid(w.key("grid"));
    w.key("tabOrder").arrayOf(screen::tabOrder(), [](json::Writer& w, Element e) {
        w.array().value(kind(e.kind)).value(e.id).end();
    });
    const Catalogue catalogue = initialCatalogue();
    w.key("buttons").arrayOf(catalogue.buttons, [](json::Writer& w, const ButtonElement& b) {
        w.object().member("lightGreen", b.lightGreen).member("tabStop", b.tabStop).end();
    });
    w.key("menus").arrayOf(catalogue.menus, [](json::Writer& w, const MenuElement& m) {
        const screen::ShownCaption shown = screen::shownCaption(m.caption);
        w.object().member("caption", m.caption);
        w.key("shown")
            .object()
            .member("before", shown.before)
            .member("key", shown.key)
            .member("after", shown.after)
            .end();
        w.member("shortcut", m.shortcut)
            .member("parent", idx(m.parent))
            .member("topLevel", m.topLevel)
            .member("leaf", m.leaf)
            .end();
    });
    return std::move(w.end()).text();
}

}  // namespace tarnwick
