// What the user did since the program started, kept as the lines of a
// scenario file, and that record played again: a page keeps its tab's
// session so and replays it after a reload, so that every figure on the
// sheet is this build's own work from the user's own actions.
//
// Typing is folded into one `type` line per visit to a field. Each dialog's
// answer is written before the action that showed it. The selection the user
// leaves in a field, and a focus moved to a button or an option without
// clicking it, have no scenario command: they go into lines that begin with
// `#!`, which the scenario runner reads as comments:
//
//     #! select FIELD START LENGTH
//     #! focus NAME
#pragma once

#include <climits>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "print/PrintPlatform.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Program;

/// The longest record, in bytes, that is written or read back.
inline constexpr std::size_t kRecordLimit = 16 * 1024;

/// Stands between the program and its platform: passes every dialog on and
/// notes its answer, and notes what the user does to the sheet. While a
/// record is replayed it shows nothing instead: each dialog takes the answer
/// recorded for it, and the printer keeps its settings but prints nothing.
class SessionRecorder : public Platform, public PrintPlatform, public UserLog {
public:
    SessionRecorder(Platform& platform, PrintPlatform& printing);
    ~SessionRecorder() override;

    /// Records what the user does to `sheet` from now on.
    void attach(const Sheet& sheet);
    /// The record so far, without an action still running; nothing when it
    /// is longer than `limit`.
    std::optional<std::string> record(std::size_t limit = kRecordLimit) const;

    Answer showMessage(const Message& message) override;
    std::string promptText(const std::string& prompt, const std::string& title) override;
    int screenWidth() override { return platform_.screenWidth(); }
    Printer& printer() override;
    void showReminder(const ReminderView& view,
                      const std::function<void()>& checkBoxClicked) override;
    bool showPrintDialog() override;
    std::string shortDate() override { return printing_.shortDate(); }

    void began(UserOp op, Element element) override;
    void ended(UserOp op, Element element) override;

    /// Replaying: the dialogs take the queued answers (`answer OK`, `prompt
    /// cancel`, ...: the command and its one word), in order, and show
    /// nothing.
    void setReplaying(bool on);
    void queueAnswer(std::string command, std::string word, bool quoted);
    /// After an action: why it did not play as recorded (a dialog without
    /// its answer, or with an answer it does not offer); the answers left
    /// over are dropped.
    std::optional<std::string> actionPlayed();

private:
    struct Visit;
    struct Queued {
        std::string command, word;
        bool quoted;
    };
    class QuietPrinter;

    /// The answer queued for a dialog `command`, or nothing, and then the
    /// replay has gone astray.
    std::optional<Queued> take(std::string_view command);
    void answered(std::string line);
    void closeVisit();

    Platform& platform_;
    PrintPlatform& printing_;
    const Sheet* sheet_ = nullptr;
    std::string lines_;
    std::unique_ptr<Visit> visit_;
    bool acting_ = false;
    std::string action_, answers_;
    bool replaying_ = false;
    std::deque<Queued> queued_;
    std::optional<std::string> astray_;
    std::unique_ptr<QuietPrinter> quiet_;
};

/// Where a replay stopped, and why; whole when every line played.
struct Replayed {
    bool whole = true;
    int line = 0;     ///< the first line of the action that did not play
    std::string why;  ///< what is wrong with it, for the user to read
    /// The action went astray halfway through (a dialog it did not expect):
    /// the sheet holds part of it. Play the record again on a fresh program,
    /// up to `line`, for the sheet as it stood before.
    bool halfway = false;
};

/// Starts `program`, which has not been started, and plays the record on
/// it, up to the action beginning at line `before` and never past the first
/// line that does not play as recorded.
Replayed replay(Program& program, std::string_view record, std::size_t limit = kRecordLimit,
                int before = INT_MAX);

}  // namespace tarnwick
