#include "ui/qt/WindowStyle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QIconEngine>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <cmath>
#include <optional>

namespace tarnwick {

namespace {

/// A standard icon of a style, asked of the style when first needed.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // The style has the icon; saying so loads nothing.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tarnwick-deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!icon_) icon_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> icon_;
};

/// The name of the style the application draws with, under any proxies.
QString desktopStyleName() {
    const QStyle* style = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style ? style->name() : QString();
}

}  // namespace

WindowStyle::WindowStyle()
    : QProxyStyle(QStyleFactory::create(desktopStyleName())),
      fusion_(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameLineEdit && drawFrameFromPicture(option, painter, widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool WindowStyle::drawFrameFromPicture(const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (!fusion_ || !frame || !painter || frame->rect.isEmpty()) return false;
    // Boxes of the window only, on the screen in whole pixels; a printout
    // is drawn by the style itself, at the printer's resolution.
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    if (!edit || qobject_cast<const QAbstractSpinBox*>(edit->parentWidget()) ||
        qobject_cast<const QComboBox*>(edit->parentWidget())) {
        return false;
    }
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster ||
        painter->transform().type() > QTransform::TxTranslate ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter->opacity() != 1.0) {
        return false;
    }
    // The picture lands on the same device pixels as the style's own lines
    // only at a whole device pixel ratio and a whole pixel offset.
    const QTransform& device = painter->deviceTransform();
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (device.m11() != device.m22() || !whole(device.m11()) || !whole(device.dx()) ||
        !whole(device.dy()) || device.m11() != painter->device()->devicePixelRatio()) {
        return false;
    }

    // Fusion draws the frame from these alone: its outline from the
    // window colour, darkened, or the highlight colour with the focus.
    const FrameLook look{frame->rect.width(),
                         frame->rect.height(),
                         painter->device()->devicePixelRatio(),
                         bool(frame->state & State_HasFocus),
                         frame->palette.window().color().rgba(),
                         int(frame->palette.window().style()),
                         frame->palette.highlight().color().rgba()};
    QPixmap& picture = frames_[look];
    if (picture.isNull()) {
        // A handful of looks in practice; a desktop that keeps changing its
        // colours starts afresh now and then.
        if (frames_.size() > kMostFrames) {
            frames_.clear();
            return drawFrameFromPicture(option, painter, widget);
        }
        picture = QPixmap((QSizeF(frame->rect.size()) * look.scale).toSize());
        picture.setDevicePixelRatio(look.scale);
        picture.fill(Qt::transparent);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QPainter onPicture(&picture);
        QProxyStyle::drawPrimitive(PE_FrameLineEdit, &atOrigin, &onPicture, widget);
    }
    painter->drawPixmap(frame->rect.topLeft(), picture);
    return true;
}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (icon) {
        case SP_ToolBarHorizontalExtensionButton:
        case SP_ToolBarVerticalExtensionButton:
            // The base style alone: the proxy would defer again.
            return QIcon(new DeferredIconEngine(baseStyle(), icon));
        default:
            return QProxyStyle::standardIcon(icon, option, widget);
    }
}

}  // namespace tarnwick
