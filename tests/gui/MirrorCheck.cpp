#include "MirrorCheck.h"

#include <QApplication>
#include <utility>

#include "ui/qt/Palette.h"
#include "ui/qt/SheetView.h"

namespace tarnwick {

namespace {

QString quoted(const std::string& text) {
    return QLatin1Char('"') + qtText(text) + QLatin1Char('"');
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString fieldMismatch(const Sheet& sheet, const QLineEdit* w, F f) {
    const TextField& field = sheet.field(f);
    const QString what = QStringLiteral("field ") + w->objectName() + QLatin1Char(' ');
    if (w->text() != qtText(field.text)) {
        return what + QStringLiteral("shows %1, the sheet holds %2")
                          .arg(quoted(w->text()), quoted(field.text));
    }
    if (w->palette().color(QPalette::Base) != fieldBackground(field.colour)) {
        return what + QStringLiteral("has background %1, the sheet's colour is %2")
                          .arg(w->palette().color(QPalette::Base).name())
                          .arg(static_cast<int>(field.colour));
    }
    if (w->isReadOnly() != field.locked) {
        return what + (field.locked ? QStringLiteral("can be typed into, the sheet locks it")
                                    : QStringLiteral("is read-only, the sheet does not lock it"));
    }
    if (w->isHidden() == field.visible) {
        return what + (field.visible ? QStringLiteral("is hidden") : QStringLiteral("is shown"));
    }
    if (bool(w->focusPolicy() & Qt::TabFocus) != field.tabStop) {
        return what + QStringLiteral("tab stop differs from the sheet's");
    }
    const QString selected = qtText(sheet.selection(f));
    if (w->hasFocus() && w->selectedText() != selected) {
        return what + QStringLiteral("has %1 selected, the sheet %2")
                          .arg(quoted(w->selectedText()), quoted(selected));
    }
    return {};
}

}  // namespace

QString mirrorMismatch(const Sheet& sheet, const SheetWidgets& widgets, bool withFocus) {
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        if (QString found = fieldMismatch(sheet, widgets[f], f); !found.isEmpty()) return found;
    }
    for (int i = 0; i < kLabelCount; ++i) {
        const L l = static_cast<L>(i);
        const QLabel* w = widgets[l];
        if (w->text() != qtText(sheet.caption(l))) {
            return QStringLiteral("label %1 shows %2, the sheet holds %3")
                .arg(w->objectName(), quoted(w->text()), quoted(sheet.caption(l)));
        }
        if (w->isEnabled() != sheet.enabled(l)) {
            return QStringLiteral("label %1 enabled differs from the sheet's").arg(w->objectName());
        }
        if (w->toolTip() != tooltipText(sheet.tooltip(l))) {
            return QStringLiteral("label %1 tooltip differs from the sheet's").arg(w->objectName());
        }
    }
    for (int i = 0; i < kOptionCount; ++i) {
        const O o = static_cast<O>(i);
        const OptionButton* w = widgets[o];
        if (w->isChecked() != sheet.selected(o)) {
            return QStringLiteral("option %1 checked differs from the sheet's")
                .arg(w->objectName());
        }
        if (w->isEnabled() != sheet.enabled(o)) {
            return QStringLiteral("option %1 enabled differs from the sheet's")
                .arg(w->objectName());
        }
        if (w->isHidden()) return QStringLiteral("option %1 is hidden").arg(w->objectName());
    }
    for (int i = 0; i < kButtonCount; ++i) {
        const B b = static_cast<B>(i);
        const QPushButton* w = widgets[b];
        if (w->isEnabled() != sheet.enabled(b)) {
            return QStringLiteral("button %1 enabled differs from the sheet's")
                .arg(w->objectName());
        }
        if (w->text() != qtText(sheet.button(b).caption)) {
            return QStringLiteral("button %1 caption differs from the sheet's")
                .arg(w->objectName());
        }
        if (w->isHidden()) return QStringLiteral("button %1 is hidden").arg(w->objectName());
    }
    if (!withFocus) return {};
    const QWidget* focused = QApplication::focusWidget();
    const QWidget* expected = widgets.widget(sheet.focus());
    if (expected && focused != expected) {
        return QStringLiteral("the keyboard focus is on %1, the sheet's on %2")
            .arg(focused ? focused->objectName() : QStringLiteral("nothing"),
                 expected->objectName());
    }
    return {};
}

}  // namespace tarnwick
