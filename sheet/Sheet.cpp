#include "sheet/Sheet.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tarnwick {

Sheet::Sheet(Platform& platform) : platform_(platform), elements_(initialCatalogue()) {}

void Sheet::notify(Element e) const {
    if (observer_) observer_->elementChanged(e);
}

bool Sheet::began(UserOp op, Element e) {
    const bool user = log_ && reacting_ == 0;
    if (user) log_->began(op, e);
    return user;
}

void Sheet::ended(bool user, UserOp op, Element e) {
    if (user) log_->ended(op, e);
}

void Sheet::setText(F f, std::string_view text) {
    TextField& t = field(f);
    if (t.text == text) return;
    const bool user = began(UserOp::Text, f);
    t.text = std::string(text);
    t.selStart = 0;
    t.selLength = 0;
    notify(f);
    if (reactions_) {
        Reacting reacting(reacting_);
        reactions_->changed(f);
    }
    ended(user, UserOp::Text, f);
}

void Sheet::setColour(F f, Colour c) {
    field(f).colour = c;
    notify(f);
}

void Sheet::setLocked(F f, bool on) {
    field(f).locked = on;
    notify(f);
}

void Sheet::setTabStop(F f, bool on) {
    field(f).tabStop = on;
    notify(f);
}

void Sheet::setVisible(F f, bool on) {
    field(f).visible = on;
    notify(f);
}

std::string Sheet::selection(F f) const {
    const TextField& t = field(f);
    if (t.selLength <= 0) return {};
    const std::size_t start = byteOffset(t.text, t.selStart);
    const std::size_t end = byteOffset(t.text, t.selStart + t.selLength);
    return t.text.substr(start, end - start);
}

void Sheet::setSelection(F f, int start, int length) {
    const bool user = began(UserOp::Selection, f);
    TextField& t = field(f);
    // Within the text: a report of a selection made before its text changed
    // selects what is left of it.
    const int characters = characterCount(t.text);
    t.selStart = std::clamp(start, 0, characters);
    t.selLength = std::clamp(length, 0, characters - t.selStart);
    notify(f);
    ended(user, UserOp::Selection, f);
}

void Sheet::setCaption(L l, std::string_view caption) {
    elements_.labels[idx(l)].caption = std::string(caption);
    notify(l);
}

void Sheet::setTooltip(L l, std::string_view tooltip) {
    elements_.labels[idx(l)].tooltip = std::string(tooltip);
    notify(l);
}

void Sheet::setEnabled(L l, bool on) {
    elements_.labels[idx(l)].enabled = on;
    notify(l);
}

void Sheet::select(O o) {
    OptionElement& chosen = elements_.options[idx(o)];
    if (chosen.selected) return;
    const bool user = began(UserOp::Select, o);
    chosen.selected = true;
    elements_.options[idx(partner(o))].selected = false;
    notify(o);
    notify(partner(o));
    if (reactions_) {
        Reacting reacting(reacting_);
        reactions_->clicked(o);
    }
    ended(user, UserOp::Select, o);
}

void Sheet::setEnabled(O o, bool on) {
    elements_.options[idx(o)].enabled = on;
    notify(o);
}

void Sheet::setEnabled(B b, bool on) {
    elements_.buttons[idx(b)].enabled = on;
    notify(b);
}

void Sheet::setFocus(F f) {
    const bool user = began(UserOp::Focus, f);
    focus_ = f;
    if (observer_) observer_->focusChanged(focus_);
    if (reactions_) {
        Reacting reacting(reacting_);
        reactions_->gotFocus(f);
    }
    ended(user, UserOp::Focus, f);
}

void Sheet::setFocus(Element e) {
    if (e.isField()) {
        setFocus(e.field());
        return;
    }
    const bool user = began(UserOp::Focus, e);
    focus_ = e;
    if (observer_) observer_->focusChanged(focus_);
    ended(user, UserOp::Focus, e);
}

void Sheet::press(B b) {
    const bool user = began(UserOp::Press, b);
    if (reactions_) {
        Reacting reacting(reacting_);
        reactions_->clicked(b);
    }
    ended(user, UserOp::Press, b);
}

void Sheet::choose(M m) {
    const bool user = began(UserOp::Choose, m);
    if (reactions_) {
        Reacting reacting(reacting_);
        reactions_->chosen(m);
    }
    ended(user, UserOp::Choose, m);
}

void Sheet::requestClose() {
    if (closed_) return;
    const bool user = began(UserOp::Close, Element());
    bool closes = true;
    if (reactions_) {
        Reacting reacting(reacting_);
        closes = reactions_->queryUnload();
    }
    if (closes) closed_ = true;
    ended(user, UserOp::Close, Element());
}

Answer Sheet::message(std::string prompt, std::string title, Icon icon) {
    return platform_.showMessage(
        {std::move(prompt), std::move(title), icon, Buttons::Ok, Answer::Ok});
}

}  // namespace tarnwick
