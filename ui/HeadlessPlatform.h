// A platform without a screen: it records every dialog the program shows and
// answers from a script, for tests and the scenario runner.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "sheet/Platform.h"

namespace tarnwick {

class HeadlessPlatform : public Platform {
public:
    struct Event {
        enum class Kind { Message, Prompt };
        Kind kind = Kind::Message;
        Message message;            ///< for Kind::Message
        std::string prompt, title;  ///< for Kind::Prompt
    };

    Answer showMessage(const Message& message) override;
    std::string promptText(const std::string& prompt, const std::string& title) override;
    int screenWidth() override { return screenWidth_; }

    /// Answers for the next message boxes, used in order; a box with no
    /// queued answer gets its default button.
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    /// Answers for the next text prompts; nothing means cancel.
    void queuePrompt(std::optional<std::string> text) { prompts_.push_back(std::move(text)); }
    void setScreenWidth(int width) { screenWidth_ = width; }

    /// Every dialog shown so far, oldest first.
    const std::vector<Event>& events() const { return events_; }
    /// Just the message boxes, oldest first.
    std::vector<Message> messages() const;
    void clearEvents() { events_.clear(); }

    std::size_t unusedAnswers() const { return answers_.size(); }
    std::size_t unusedPrompts() const { return prompts_.size(); }

private:
    std::vector<Event> events_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> prompts_;
    int screenWidth_ = 1920;
};

}  // namespace tarnwick
