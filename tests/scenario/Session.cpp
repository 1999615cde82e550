#include "Session.h"

namespace tarnwick::scenario {

namespace {

std::vector<int> lastOf(const std::vector<int>& lines, std::size_t count) {
    return {lines.end() - static_cast<std::ptrdiff_t>(count), lines.end()};
}

}  // namespace

Session::Session() : program_(platform_) {}

void Session::start(int line) {
    program_.start();
    noteEvents(line);
}

const Session::Event* Session::nextEvent() const {
    if (taken_ >= events().size()) return nullptr;
    return &events()[taken_];
}

void Session::noteEvents(int line) {
    eventLines_.resize(events().size(), line);
}

void Session::queueAnswer(Answer answer, int line) {
    platform_.queueAnswer(answer);
    answerLines_.push_back(line);
}

void Session::queuePrompt(std::optional<std::string> text, int line) {
    platform_.queuePrompt(std::move(text));
    promptLines_.push_back(line);
}

void Session::queueReminder(HeadlessPlatform::ReminderAnswer answer, int line) {
    platform_.queueReminder(answer);
    reminderLines_.push_back(line);
}

void Session::queuePrintDialog(bool ok, int line) {
    platform_.queuePrintDialog(ok);
    printDialogLines_.push_back(line);
}

// Answers are used oldest first, so the unused ones are the last queued.
std::vector<int> Session::unusedAnswerLines() const {
    return lastOf(answerLines_, platform_.unusedAnswers());
}

std::vector<int> Session::unusedPromptLines() const {
    return lastOf(promptLines_, platform_.unusedPrompts());
}

std::vector<int> Session::unusedReminderLines() const {
    return lastOf(reminderLines_, platform_.unusedReminders());
}

std::vector<int> Session::unusedPrintDialogLines() const {
    return lastOf(printDialogLines_, platform_.unusedPrintDialogs());
}

Problem findElement(std::string_view name, Element& out) {
    std::optional<Element> element = elementNamed(name);
    if (!element) return "there is no element named " + std::string(name);
    out = *element;
    return std::nullopt;
}

Problem findField(std::string_view name, F& out) {
    Element element;
    if (Problem p = findElement(name, element)) return p;
    if (!element.isField()) return std::string(name) + " is not a text field";
    out = element.field();
    return std::nullopt;
}

}  // namespace tarnwick::scenario
