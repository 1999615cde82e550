#include "ui/qt/Palette.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

const QColor kInk{0x00, 0x00, 0x00};
// Greyed captions on light green, still above 4.5:1.
const QColor kGreyedInk{0x4A, 0x4A, 0x4A};
// A dark blue selection with white text reads on every fixed background.
const QColor kSelection{0x1F, 0x4E, 0x9C};
const QColor kSelectedInk{0xFF, 0xFF, 0xFF};

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                            QPalette::Disabled};

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& ink, const QColor& background, double ratio) {
    if (contrastRatio(ink, background) >= ratio) return ink;
    // Towards black on a light background, towards white on a dark one.
    const QColor target = luminance(background) > 0.18 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    for (int step = 1; step <= 20; ++step) {
        const QColor c = mix(ink, target, step / 20.0);
        if (contrastRatio(c, background) >= ratio) return c;
    }
    return target;
}

QColor fieldBackground(Colour colour) {
    switch (colour) {
        case Colour::White:
            return QColor(0xFF, 0xFF, 0xFF);
        case Colour::Yellow:
            return QColor(0xFF, 0xFF, 0x00);
        case Colour::Red:
            return QColor(0xFF, 0x00, 0x00);
        case Colour::Standard:
            break;
    }
    return QApplication::palette("QLineEdit").color(QPalette::Base);
}

QPalette fieldPalette(Colour colour) {
    QPalette palette;
    if (colour == Colour::Standard) return palette;
    const QColor base = fieldBackground(colour);
    for (QPalette::ColorGroup group : kGroups) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, kInk);
        palette.setColor(group, QPalette::Highlight, kSelection);
        palette.setColor(group, QPalette::HighlightedText, kSelectedInk);
    }
    return palette;
}

QPalette buttonPalette(const QColor& face) {
    QPalette palette;
    for (QPalette::ColorGroup group : kGroups) {
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText,
                         group == QPalette::Disabled ? kGreyedInk : kInk);
    }
    return palette;
}

QColor lightGreen() {
    return QColor(0x80, 0xFF, 0x80);
}

}  // namespace tarnwick
