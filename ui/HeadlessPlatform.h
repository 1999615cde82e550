// A platform without a screen: it records every dialog the program shows and
// answers from a script, for tests and the scenario runner. Its printer keeps
// what it was sent.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "print/PrintPlatform.h"
#include "sheet/Platform.h"
#include "ui/HeadlessPrinter.h"

namespace tarnwick {

class HeadlessPlatform : public Platform, public PrintPlatform {
public:
    struct Event {
        enum class Kind { Message, Prompt, Reminder, PrintDialog };
        Kind kind = Kind::Message;
        Message message;            ///< for Kind::Message
        std::string prompt, title;  ///< for Kind::Prompt
        ReminderView reminder;      ///< for Kind::Reminder
    };

    /// How the user leaves the orientation reminder.
    enum class ReminderAnswer { Ok, Tick, TickUntick };

    Answer showMessage(const Message& message) override;
    std::string promptText(const std::string& prompt, const std::string& title) override;
    int screenWidth() override { return screenWidth_; }

    Printer& printer() override { return printer_; }
    void showReminder(const ReminderView& view,
                      const std::function<void()>& checkBoxClicked) override;
    bool showPrintDialog() override;
    std::string shortDate() override { return date_; }

    /// Answers for the next message boxes, used in order; a box with no
    /// queued answer gets its default button.
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    /// Answers for the next text prompts; nothing means cancel.
    void queuePrompt(std::optional<std::string> text) { prompts_.push_back(std::move(text)); }
    /// Answers for the next orientation reminders; OK alone when none.
    void queueReminder(ReminderAnswer answer) { reminders_.push_back(answer); }
    /// Answers for the next print dialogs (true: OK); OK when none.
    void queuePrintDialog(bool ok) { printDialogs_.push_back(ok); }
    /// Drops the answers still queued.
    void dropAnswers() {
        answers_.clear();
        prompts_.clear();
        reminders_.clear();
        printDialogs_.clear();
    }
    void setScreenWidth(int width) { screenWidth_ = width; }
    /// The date the reports print; always the same unless set.
    void setShortDate(std::string date) { date_ = std::move(date); }

    HeadlessPrinter& headlessPrinter() { return printer_; }
    const HeadlessPrinter& headlessPrinter() const { return printer_; }

    /// Every dialog shown so far, oldest first.
    const std::vector<Event>& events() const { return events_; }
    /// Just the message boxes, oldest first.
    std::vector<Message> messages() const;
    void clearEvents() { events_.clear(); }

    std::size_t unusedAnswers() const { return answers_.size(); }
    std::size_t unusedPrompts() const { return prompts_.size(); }
    std::size_t unusedReminders() const { return reminders_.size(); }
    std::size_t unusedPrintDialogs() const { return printDialogs_.size(); }

private:
    std::vector<Event> events_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> prompts_;
    std::deque<ReminderAnswer> reminders_;
    std::deque<bool> printDialogs_;
    int screenWidth_ = 1920;
    std::string date_ = "6/30/2005";
    HeadlessPrinter printer_;
};

}  // namespace tarnwick
