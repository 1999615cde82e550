#include "ui/qt/ApplicationSetup.h"

#include <QApplication>
#include <QFont>

#include "ui/qt/WindowStyle.h"

namespace tarnwick {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    // Before any widget: the menu bar's icons then load only if shown.
    QApplication::setStyle(new WindowStyle);

    // The desktop's font, with text in scripts that need no shaping (the
    // window's Latin captions, the numbers) laid out straight from the
    // font's glyph advances: some hundred captions and boxes are measured
    // and drawn at start-up, and shaping each of them twice would cost the
    // first frame more than a millisecond. Scripts that need shaping
    // (Arabic, Devanagari, ...) in an identification are shaped as before.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    QApplication::setFont(font);
}

}  // namespace tarnwick
