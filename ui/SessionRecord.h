// What the user did since the program started, kept as the lines of a
// scenario file (ui/ActionLines.h), and that record played again: a page
// keeps its tab's session so and replays it after a reload, so that every
// figure on the sheet is this build's own work from the user's own actions.
//
// Typing is folded into one `type` line per visit to a field; each dialog's
// answer goes before the action that showed it. What the user leaves that no
// scenario command restores goes into lines the scenario runner reads as
// comments: `#! select FIELD START LENGTH` and `#! focus NAME`.
#pragma once

#include <climits>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "print/PrintPlatform.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class HeadlessPlatform;
class Program;

/// The longest record, in bytes, that is written or read back.
inline constexpr std::size_t kRecordLimit = 16 * 1024;

/// Stands between the program and its platform: passes every dialog on and
/// notes its answer, and notes what the user does to the sheet.
class SessionRecorder : public Platform, public PrintPlatform, public UserLog {
public:
    SessionRecorder(Platform& platform, PrintPlatform& printing);
    ~SessionRecorder() override;

    /// Records what the user does to `sheet` from now on.
    void attach(const Sheet& sheet) { sheet_ = &sheet; }
    /// The record so far, without an action still running; nothing when it
    /// is longer than `limit`.
    std::optional<std::string> record(std::size_t limit = kRecordLimit) const;
    /// While a record is replayed, `script` answers the dialogs and takes
    /// what is printed, so that nothing is shown; null ends the replay.
    void replayOn(HeadlessPlatform* script) { script_ = script; }

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

private:
    /// The field the user is in, or the button or option given the focus.
    struct Visit {
        Element element;
        bool focused = false;  ///< begun by moving the focus there
        bool changed = false;  ///< its text changed
        std::string startText;
        int selStart = 0, selLength = 0;  ///< what a replay's lines leave
    };
    std::string lines(const Visit& visit) const;
    void answered(std::string line);

    Platform& platform_;
    PrintPlatform& printing_;
    HeadlessPlatform* script_ = nullptr;
    const Sheet* sheet_ = nullptr;
    std::string lines_;
    std::optional<Visit> visit_;
    bool acting_ = false;
    std::string action_, answers_;
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
/// line that does not play as recorded. Nothing is shown or printed.
Replayed replay(Program& program, std::string_view record, std::size_t limit = kRecordLimit,
                int before = INT_MAX);

}  // namespace tarnwick
