// A proxy of the desktop's widget style that hands out the menu bar's
// extension arrows as icons that load their pictures when first drawn.
// Every menu bar asks its style for them when it is made, and loading them
// makes Qt try each installed image format plugin on the picture (gif, ico,
// jpeg, ...), which the calculator's first frame would wait for; the arrows
// only show on a menu bar too narrow for its menus. Everything else is the
// desktop's style unchanged.
#pragma once

#include <QProxyStyle>

namespace tarnwick {

class DeferredIconStyle : public QProxyStyle {
public:
    /// A proxy of the style the application would use (its default or the
    /// one asked for with -style or QT_STYLE_OVERRIDE); set it with
    /// QApplication::setStyle before any widget is made.
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tarnwick
