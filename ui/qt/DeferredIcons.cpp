#include "ui/qt/DeferredIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
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

}  // namespace

DeferredIconStyle::DeferredIconStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
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
