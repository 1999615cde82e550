#include "WindowUnderTest.h"

#include <QStringList>
#include <QTest>
#include <utility>

namespace tarnwick {

bool WindowUnderTest::open(Way way, std::unique_ptr<HeadlessPlatform> platform) {
    close();
    owned_ = std::move(platform);
    platform_ = owned_.get();
    return show(way);
}

bool WindowUnderTest::openOn(HeadlessPlatform& platform, Way way) {
    close();
    platform_ = &platform;
    return show(way);
}

bool WindowUnderTest::show(Way way) {
    // In the calculator's order: the program starts, then its window is made.
    program_ = way.printing ? std::make_unique<Program>(*platform_, *way.printing)
                            : std::make_unique<Program>(*platform_);
    program_->start();
    window_ = std::make_unique<MainWindow>(program_->sheet());
    if (way.printing) way.printing->setWindow(window_.get());
    if (way.onScreen) window_->placeOnScreen();
    window_->show();
    return way.active ? QTest::qWaitForWindowActive(window_.get())
                      : QTest::qWaitForWindowExposed(window_.get());
}

void WindowUnderTest::close() {
    window_.reset();
    program_.reset();
    platform_ = nullptr;
    owned_.reset();
}

QString WindowUnderTest::strays() const {
    if (watchdog_.strays().isEmpty()) return {};
    return QStringLiteral("unexpected dialogs: ") + watchdog_.strays().join(QStringLiteral(", "));
}

}  // namespace tarnwick
