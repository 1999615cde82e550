#include "ui/qt/SheetView.h"

#include <QPalette>
#include <QStringList>
#include <algorithm>

#include "ui/qt/Accessibility.h"
#include "ui/qt/Palette.h"

namespace tarnwick {

namespace {

/// Sets a flag for the lifetime of a scope.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~Raised() { flag_ = before_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool before_;
};

// Tooltip lines break at blanks after this many characters.
constexpr qsizetype kTooltipLine = 60;

}  // namespace

// Long tooltips are broken into lines here rather than by the tooltip, which
// would either run them across the whole screen or squeeze them into a narrow
// column. Runs of blanks inside a line are kept as written.
QString tooltipText(const std::string& text) {
    const QString plain = qtText(text);
    if (plain.size() <= kTooltipLine) return plain;
    QStringList lines = breakAtBlanks(plain, kTooltipLine);
    for (QString& line : lines) line = line.toHtmlEscaped();
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

SheetView::SheetView(const Sheet& sheet, const SheetWidgets& widgets)
    : SheetMirror(sheet), widgets_(widgets) {}

// While the view works on the widgets, their focus and text signals are its
// own, not the user's.
void SheetView::mirrorAll() {
    Raised guard(mirroring_);
    SheetMirror::mirrorAll();
}

void SheetView::elementChanged(Element element) {
    Raised guard(mirroring_);
    SheetMirror::elementChanged(element);
}

void SheetView::focusChanged(Element element) {
    Raised guard(mirroring_);
    QWidget* w = widgets_.widget(element);
    if (w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

void SheetView::mirror(F f) {
    QLineEdit* w = widgets_[f];
    if (!w) return;
    const TextField& field = sheet_.field(f);
    const QString text = qtText(field.text);
    // The maximum length limits typing only; a longer text the program
    // writes is shown whole, and the user can shorten it but not lengthen it.
    // Setting the maximum length sets the text anew, caret to the end: only
    // when it changes.
    const int maxLength = std::max<int>(field.maxLength, static_cast<int>(text.size()));
    if (w->maxLength() != maxLength) w->setMaxLength(maxLength);
    if (w->text() != text) w->setText(text);
    w->setReadOnly(field.locked);
    w->setFocusPolicy(field.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    w->setVisible(field.visible);

    // A fixed background comes with its own text colours; the standard one
    // leaves the field to the desktop's palette.
    std::optional<Colour>& shown = shownColours_[idx(f)];
    if (shown != field.colour) {
        w->setPalette(fieldPalette(field.colour));
        shown = field.colour;
    }

    // Only a selected stretch is copied: a bare caret stays where the user
    // put it, whatever the sheet remembers of it. The sheet counts
    // characters, the widget UTF-16 units.
    if (field.selLength > 0) {
        const int start = utf16Position(text, field.selStart);
        const int length = utf16Position(text, field.selStart + field.selLength) - start;
        if (w->selectionStart() != start || w->selectedText().size() != length) {
            w->setSelection(start, length);
        }
    }
}

void SheetView::mirror(L l) {
    QLabel* w = widgets_[l];
    if (!w) return;
    const QString caption = qtText(sheet_.caption(l));
    if (w->text() != caption) w->setText(caption);
    w->setToolTip(tooltipText(sheet_.tooltip(l)));
    w->setEnabled(sheet_.enabled(l));
    describe(sheet_, widgets_, l);
}

void SheetView::mirror(O o) {
    OptionButton* w = widgets_[o];
    if (!w) return;
    const OptionElement& option = sheet_.option(o);
    w->setText(qtText(option.caption));
    w->setToolTip(tooltipText(option.tooltip));
    w->setChecked(option.selected);
    w->setEnabled(option.enabled);
    describe(sheet_, widgets_, o);
}

void SheetView::mirror(B b) {
    QPushButton* w = widgets_[b];
    if (!w) return;
    const ButtonElement& button = sheet_.button(b);
    w->setText(qtText(button.caption));
    w->setToolTip(tooltipText(button.tooltip));
    w->setEnabled(button.enabled);
    w->setFocusPolicy(button.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    describe(sheet_, widgets_, b);
}

}  // namespace tarnwick
