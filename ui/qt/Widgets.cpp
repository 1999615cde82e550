#include "ui/qt/Widgets.h"

#include <algorithm>

#include "sheet/Utf8.h"
#include "ui/qt/Accessibility.h"

namespace tarnwick {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    installOptionRole();
}

namespace {

/// The second half of a character outside the basic plane.
bool secondHalf(const QString& text, qsizetype i) {
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

}  // namespace

int characterPosition(const QString& text, int utf16Position) {
    const qsizetype end = std::min<qsizetype>(std::max(utf16Position, 0), text.size());
    int characters = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (!secondHalf(text, i)) ++characters;
    }
    return characters;
}

int utf16Position(const QString& text, int characterPosition) {
    qsizetype i = 0;
    for (int seen = 0; seen < characterPosition && i < text.size(); ++seen) {
        ++i;
        if (i < text.size() && secondHalf(text, i)) ++i;
    }
    return static_cast<int>(i);
}

QStringList breakAtBlanks(const QString& text, qsizetype width) {
    QStringList lines;
    for (const std::string& line : breakAtBlanks(text.toStdString(), static_cast<int>(width))) {
        lines << QString::fromStdString(line);
    }
    return lines;
}

QWidget* SheetWidgets::widget(Element e) const {
    switch (e.kind) {
        case Element::Kind::Field:
            return fields[e.id];
        case Element::Kind::Label:
            return labels[e.id];
        case Element::Kind::Option:
            return options[e.id];
        case Element::Kind::Button:
            return buttons[e.id];
        default:
            return nullptr;
    }
}

Element SheetWidgets::element(const QObject* widget) const {
    for (int i = 0; i < kFieldCount; ++i) {
        if (fields[i] == widget) return static_cast<F>(i);
    }
    for (int i = 0; i < kOptionCount; ++i) {
        if (options[i] == widget) return static_cast<O>(i);
    }
    for (int i = 0; i < kButtonCount; ++i) {
        if (buttons[i] == widget) return static_cast<B>(i);
    }
    return {};
}

}  // namespace tarnwick
