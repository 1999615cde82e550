// Keeps a stray modal dialog from hanging the GUI tests: every shown modal
// dialog is either handed to an expectation the test queued, or closed and
// recorded as a stray, which fails the test.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace tarnwick {

class DialogWatchdog : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget* dialog)>;

    DialogWatchdog();

    /// The next modal dialog goes to `handler`, which must close it.
    void expectDialog(Handler handler) { expected_.push_back(std::move(handler)); }

    /// Dialogs that no expectation took, by class and title.
    const QStringList& strays() const { return strays_; }
    /// Expectations that no dialog came for.
    std::size_t unmet() const { return expected_.size(); }
    void reset();

private:
    void look();

    QTimer timer_;
    std::deque<Handler> expected_;
    QStringList strays_;
};

}  // namespace tarnwick
