// The widgets that stand for the sheet's elements, under the sheet's typed
// ids. The window creates them; the view mirrors the sheet into them and the
// input routing turns what the user does to them into sheet operations.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <array>
#include <string>

#include "sheet/Elements.h"

namespace tarnwick {

/// An option button whose checked state belongs to the sheet: a click
/// reports the click and leaves the check mark to the sheet's answer. Its
/// pair is kept exclusive by the sheet, not by Qt, but assistive technology
/// is still told it is a radio button.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

protected:
    void nextCheckState() override {}
};

struct SheetWidgets {
    std::array<QLineEdit*, kFieldCount> fields{};
    std::array<QLabel*, kLabelCount> labels{};
    std::array<OptionButton*, kOptionCount> options{};
    std::array<QPushButton*, kButtonCount> buttons{};
    /// The menu leaves; titles, submenus and the separator stay null.
    std::array<QAction*, kMenuCount> actions{};

    QLineEdit* operator[](F f) const { return fields[idx(f)]; }
    QLabel* operator[](L l) const { return labels[idx(l)]; }
    OptionButton* operator[](O o) const { return options[idx(o)]; }
    QPushButton* operator[](B b) const { return buttons[idx(b)]; }
    QAction* operator[](M m) const { return actions[idx(m)]; }

    /// The widget of a field, label, option or button; null for a menu item
    /// or none.
    QWidget* widget(Element e) const;
    /// The element a widget stands for; an empty element for any other widget.
    Element element(const QObject* widget) const;
};

inline QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

/// A position in a widget's text, counted in UTF-16 units, as a count of
/// characters, the unit the sheet keeps selections in.
int characterPosition(const QString& text, int utf16Position);
/// A position counted in characters as a position in UTF-16 units.
int utf16Position(const QString& text, int characterPosition);

/// A text broken at blanks into lines of at most `width` characters, as the
/// core breaks every text (sheet/Utf8.h).
QStringList breakAtBlanks(const QString& text, qsizetype width);

}  // namespace tarnwick
