#include "ui/HeadlessPlatform.h"

namespace tarnwick {

namespace {

template <class T>
std::optional<T> next(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

Answer HeadlessPlatform::showMessage(const Message& message) {
    events_.push_back({Event::Kind::Message, message, {}, {}, {}});
    std::optional<Answer> answer = next(answers_);
    if (answer) return *answer;
    return message.buttons == Buttons::Ok ? Answer::Ok : message.defaultButton;
}

std::string HeadlessPlatform::promptText(const std::string& prompt, const std::string& title) {
    events_.push_back({Event::Kind::Prompt, {}, prompt, title, {}});
    std::optional<std::optional<std::string>> answer = next(prompts_);
    if (!answer) return {};
    return answer->value_or(std::string());
}

void HeadlessPlatform::showReminder(const ReminderView& view,
                                    const std::function<void()>& checkBoxClicked) {
    events_.push_back({Event::Kind::Reminder, {}, {}, {}, view});
    switch (next(reminders_).value_or(ReminderAnswer::Ok)) {
        case ReminderAnswer::TickUntick:
            checkBoxClicked();
            [[fallthrough]];
        case ReminderAnswer::Tick:
            checkBoxClicked();
            break;
        case ReminderAnswer::Ok:
            break;
    }
}

bool HeadlessPlatform::showPrintDialog() {
    events_.push_back({Event::Kind::PrintDialog, {}, {}, {}, {}});
    return next(printDialogs_).value_or(true);
}

std::vector<Message> HeadlessPlatform::messages() const {
    std::vector<Message> out;
    for (const Event& e : events_) {
        if (e.kind == Event::Kind::Message) out.push_back(e.message);
    }
    return out;
}

}  // namespace tarnwick
