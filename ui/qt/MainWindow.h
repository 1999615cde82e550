// The calculator window: the sheet's widgets, its menu bar, and the keys and
// close requests that the window itself receives. What the window shows is
// mirrored from the sheet; what the user does goes into the sheet.
#pragma once

#include <QMainWindow>
#include <QScreen>
#include <memory>

#include "sheet/Sheet.h"
#include "ui/qt/Accessibility.h"
#include "ui/qt/SheetScroll.h"
#include "ui/qt/SheetView.h"
#include "ui/qt/UserInput.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Builds the window and starts mirroring `sheet`, which must outlive it.
    explicit MainWindow(Sheet& sheet, QWidget* parent = nullptr);
    ~MainWindow() override;

    const SheetWidgets& widgets() const { return widgets_; }

    /// Sizes the window to the sheet within the screen's available area,
    /// puts its left edge where the sheet's start-up placed it, kept on the
    /// screen, and centres it vertically on the screen. Once the window is
    /// shown, with the frame round it known, it is sized and placed again.
    void placeOnScreen();

    /// The scroll area the sheet stands in.
    SheetScroll& sheetScroll() const { return *scroll_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// After each user action: once the sheet has closed, so does the window.
    void afterAction();
    /// Bounds the sheet's scroll area by what `screen` leaves of its
    /// available area once the frame and the menu bar are counted.
    void fitToScreen(QScreen* screen);
    /// The frame that the window system puts round the window: once
    /// known, as the window system reports it; before, a title bar's height.
    QSize frameExtent() const;
    bool frameKnown() const;

    Sheet& sheet_;
    SheetWidgets widgets_;
    SheetView view_;
    std::unique_ptr<AccessibilityLink> accessibility_;
    UserInput* input_ = nullptr;
    SheetScroll* scroll_ = nullptr;
    bool placed_ = false;         ///< placeOnScreen was asked for
    bool placedInFrame_ = false;  ///< and done again with the frame known
};

/// The window caption: the product name, a run of blanks and the
/// publisher's web address.
QString windowCaption();

}  // namespace tarnwick
