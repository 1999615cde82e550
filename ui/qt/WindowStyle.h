// The desktop's widget style, with two savings for the calculator's window.
//
// The menu bar's extension arrows are handed out as icons that load their
// pictures when first drawn. Every menu bar asks its style for them when it
// is made, and loading them makes Qt try each installed image format plugin
// on the picture (gif, ico, jpeg, ...), which the first frame would wait
// for; the arrows only show on a menu bar too narrow for its menus.
//
// Under Fusion, a line edit's frame is an antialiased rounded outline that
// the style rasterises anew for every box; the window has some thirty-five
// boxes in a handful of sizes. Each look (size, focus and colours) is drawn
// once into a picture that the boxes then copy; the copy blends each pixel
// of the antialiased lines in two steps, which differs from the style's own
// drawing by a level or two of a colour channel at most.
//
// Everything else is the desktop's style unchanged.
#pragma once

#include <QPixmap>
#include <QProxyStyle>
#include <map>
#include <tuple>

namespace tarnwick {

class WindowStyle : public QProxyStyle {
public:
    /// A proxy of the style the application would use (its default or the
    /// one asked for with -style or QT_STYLE_OVERRIDE); set it with
    /// QApplication::setStyle before any widget is made.
    WindowStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    /// How many looks of line edit frames are kept as pictures.
    std::size_t framePictures() const { return frames_.size(); }

private:
    /// Draws a line edit frame from the picture of its look; false where the
    /// picture would not be the same as the style's own drawing.
    bool drawFrameFromPicture(const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const;

    /// What a line edit frame is drawn from.
    struct FrameLook {
        int width;
        int height;
        qreal scale;
        bool focus;
        QRgb window;
        int windowStyle;
        QRgb highlight;
        bool operator<(const FrameLook& o) const {
            return std::tie(width, height, scale, focus, window, windowStyle, highlight) <
                   std::tie(o.width, o.height, o.scale, o.focus, o.window, o.windowStyle,
                            o.highlight);
        }
    };
    static constexpr std::size_t kMostFrames = 64;

    bool fusion_ = false;
    mutable std::map<FrameLook, QPixmap> frames_;
};

}  // namespace tarnwick
