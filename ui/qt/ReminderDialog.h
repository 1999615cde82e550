// The orientation reminder: a small modal dialog with one message, the
// "Don't show me this message again" check box and OK.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <functional>

#include "print/PrintPlatform.h"

namespace tarnwick {

class ReminderDialog : public QDialog {
    Q_OBJECT

public:
    /// Every click on the check box, ticking or unticking it, calls
    /// `checkBoxClicked`. The box starts unticked.
    ReminderDialog(const ReminderView& view, std::function<void()> checkBoxClicked,
                   QWidget* parent = nullptr);

    QCheckBox* checkBox() const { return checkBox_; }

private:
    QCheckBox* checkBox_ = nullptr;
};

}  // namespace tarnwick
