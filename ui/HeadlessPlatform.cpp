#include "ui/HeadlessPlatform.h"

namespace tarnwick {

Answer HeadlessPlatform::showMessage(const Message& message) {
    events_.push_back({Event::Kind::Message, message, {}, {}});
    if (!answers_.empty()) {
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return message.buttons == Buttons::Ok ? Answer::Ok : message.defaultButton;
}

std::string HeadlessPlatform::promptText(const std::string& prompt, const std::string& title) {
    events_.push_back({Event::Kind::Prompt, {}, prompt, title});
    if (prompts_.empty()) return {};
    std::optional<std::string> answer = prompts_.front();
    prompts_.pop_front();
    return answer.value_or(std::string());
}

std::vector<Message> HeadlessPlatform::messages() const {
    std::vector<Message> out;
    for (const Event& e : events_) {
        if (e.kind == Event::Kind::Message) out.push_back(e.message);
    }
    return out;
}

}  // namespace tarnwick
