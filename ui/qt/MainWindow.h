// The calculator window: the sheet's widgets, its menu bar, and the keys and
// close requests that the window itself receives. What the window shows is
// mirrored from the sheet; what the user does goes into the sheet.
#pragma once

#include <QMainWindow>
#include <memory>

#include "sheet/Sheet.h"
#include "ui/qt/Accessibility.h"
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

    /// Puts the window's left edge where the sheet's start-up placed it,
    /// kept on the screen, and centres it vertically on the screen. Once the
    /// window is shown, with the frame round it known, it is placed again.
    void placeOnScreen();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// After each user action: once the sheet has closed, so does the window.
    void afterAction();

    Sheet& sheet_;
    SheetWidgets widgets_;
    SheetView view_;
    std::unique_ptr<AccessibilityLink> accessibility_;
    UserInput* input_ = nullptr;
    bool placed_ = false;  ///< placeOnScreen was asked for
};

/// The window caption: the product name, a run of blanks and the
/// publisher's web address.
QString windowCaption();

}  // namespace tarnwick
