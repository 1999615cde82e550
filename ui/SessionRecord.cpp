#include "ui/SessionRecord.h"

#include <algorithm>
#include <vector>

#include "ui/ActionLines.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {

SessionRecorder::SessionRecorder(Platform& platform, PrintPlatform& printing)
    : platform_(platform), printing_(printing), lines_("scenario \"kept session\"\n") {}

SessionRecorder::~SessionRecorder() = default;

/// A visit's lines: the text typed, or the move into the field, and the
/// selection left there when a replay of those would leave another.
std::string SessionRecorder::lines(const Visit& v) const {
    const std::string n = name(v.element);
    if (!v.element.isField()) {
        // A click on the selected option only moves the focus.
        const bool option = v.element.kind == Element::Kind::Option;
        if (option && sheet_->selected(v.element.option()) && sheet_->enabled(v.element.option()))
            return "click " + n + "\n";
        return "#! focus " + n + "\n";
    }
    const TextField& field = sheet_->field(v.element.field());
    std::string out;
    int selStart = v.selStart, selLength = v.selLength;
    if (v.changed) {
        // Typed back to what it was: it changed all the same.
        if (field.text == v.startText)
            out = "type " + n + " " + quotedText(field.text.empty() ? "0" : "") + "\n";
        out += "type " + n + " " + quotedText(field.text) + "\n";
        selStart = characterCount(field.text);
        selLength = 0;
    } else if (v.focused) {
        out = "focus " + n + "\n";
    }
    if (field.selStart != selStart || field.selLength != selLength) {
        out += "#! select " + n + " " + std::to_string(field.selStart) + " " +
               std::to_string(field.selLength) + "\n";
    }
    return out;
}

std::optional<std::string> SessionRecorder::record(std::size_t limit) const {
    std::string text = lines_;
    if (visit_ && !acting_) text += lines(*visit_);
    if (text.size() > limit) return std::nullopt;
    return text;
}

void SessionRecorder::began(UserOp op, Element element) {
    if (!sheet_) return;
    acting_ = false;  // one that never ended, left by an exception
    if (op == UserOp::Text || op == UserOp::Selection || op == UserOp::Focus) {
        if (op == UserOp::Focus || !visit_ || visit_->element != element) {
            if (visit_) lines_ += lines(*visit_);
            visit_ = Visit{element, op == UserOp::Focus, false, {}, 0, 0};
            if (element.isField()) {
                const TextField& field = sheet_->field(element.field());
                visit_->startText = field.text;
                visit_->selStart = field.selStart;
                visit_->selLength = field.selLength;
            }
        }
        if (op == UserOp::Text) visit_->changed = true;
        return;
    }
    // A button or an option that has just been given the focus is clicked.
    const bool clicked = visit_ && !visit_->element.isField() && visit_->element == element;
    if (visit_ && !clicked) lines_ += lines(*visit_);
    visit_.reset();
    action_ = "click " + name(element);
    if (op == UserOp::Close) action_ = "close";
    if (op == UserOp::Press && !clicked && element == Element(B::cmdCalculate))
        action_ = "key Enter";
    if (op == UserOp::Press && !clicked && element == Element(B::cmdExit)) action_ = "key Esc";
    answers_.clear();
    acting_ = true;
}

void SessionRecorder::ended(UserOp op, Element element) {
    if (!sheet_) return;
    if (op == UserOp::Focus && element.isField() && visit_) {
        // What the focus reaction selected, as a replay's move will.
        const TextField& field = sheet_->field(element.field());
        visit_->selStart = field.selStart;
        visit_->selLength = field.selLength;
    }
    if (!acting_) return;
    lines_ += answers_ + action_ + "\n";
    answers_.clear();
    acting_ = false;
}

void SessionRecorder::answered(std::string line) {
    if (acting_) answers_ += line + "\n";
}

Answer SessionRecorder::showMessage(const Message& message) {
    Answer answer = script_ ? script_->showMessage(message) : platform_.showMessage(message);
    // Only what the box offers: an answer it does not is its closing.
    if ((answer == Answer::Ok) != (message.buttons == Buttons::Ok))
        answer = message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    answered("answer " + std::string(answerWord(answer)));
    return answer;
}

std::string SessionRecorder::promptText(const std::string& prompt, const std::string& title) {
    std::string text =
        script_ ? script_->promptText(prompt, title) : platform_.promptText(prompt, title);
    answered(text.empty() ? "prompt cancel" : "prompt " + quotedText(text));
    return text;
}

Printer& SessionRecorder::printer() {
    return script_ ? script_->printer() : printing_.printer();
}

void SessionRecorder::showReminder(const ReminderView& view,
                                   const std::function<void()>& checkBoxClicked) {
    int clicks = 0;
    const auto clicked = [&] {
        ++clicks;
        checkBoxClicked();
    };
    script_ ? script_->showReminder(view, clicked) : printing_.showReminder(view, clicked);
    // Each click turns the box over: an even number leaves it unticked.
    answered("reminder " + std::string(reminderWord(clicks)));
}

bool SessionRecorder::showPrintDialog() {
    const bool ok = script_ ? script_->showPrintDialog() : printing_.showPrintDialog();
    answered(ok ? "printdialog ok" : "printdialog cancel");
    return ok;
}

namespace {

using Kind = HeadlessPlatform::Event::Kind;

struct Answered {
    Kind kind;
    Answer answer;  ///< a message box's
};

/// Why the dialogs an action showed were not those answered before it.
std::optional<std::string> astray(const std::vector<HeadlessPlatform::Event>& shown,
                                  const std::vector<Answered>& answered) {
    static constexpr const char* dialogs[] = {"a message box", "a text prompt",
                                              "an orientation reminder", "a print dialog"};
    const auto dialog = [](Kind kind) { return std::string(dialogs[static_cast<int>(kind)]); };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i == answered.size()) return dialog(shown[i].kind) + " came up with no answer for it";
        const Answered& a = answered[i];
        if (shown[i].kind != a.kind)
            return dialog(shown[i].kind) + " came up where " + dialog(a.kind) + " was answered";
        if (a.kind == Kind::Message &&
            (a.answer == Answer::Ok) != (shown[i].message.buttons == Buttons::Ok))
            return "a message box came up that offers no " + std::string(answerWord(a.answer));
    }
    return std::nullopt;
}

/// Plays the record's lines on `sheet`, each action's dialogs answered by
/// `script` with the answers recorded before it.
Replayed play(Sheet& sheet, HeadlessPlatform& script, std::string_view record, int before) {
    std::vector<Answered> answered;
    int number = 0, action = 0;  // the line of the action's first answer
    for (std::size_t at = 0; at < record.size();) {
        std::size_t end = std::min(record.find('\n', at), record.size());
        std::string_view line = record.substr(at, end - at);
        at = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        const bool restoring = first != std::string_view::npos && line.substr(first, 2) == "#!";
        const Words words = splitWords(restoring ? line.substr(first + 2) : line);
        if (!words.error.empty()) return {false, number, "malformed line: " + words.error};
        const std::vector<Word>& w = words.words;
        if (w.empty()) continue;
        if (number == 1 || (w[0].text == "scenario" && !w[0].quoted)) {
            if (number == 1 && w.size() == 2 && w[0].text == "scenario" && !restoring) continue;
            return {false, number, "the record must begin with its one scenario line"};
        }
        if (action == 0) action = number;
        if (action >= before) break;
        if (restoring) {
            if (Refusal r = playRestoring(sheet, w)) return {false, number, *r};
            action = 0;
            continue;
        }
        if (const std::optional<Kind> kind = queueAnswer(script, w)) {
            answered.push_back({*kind, answerOfWord(w[1].text).value_or(Answer::Ok)});
            continue;
        }
        std::vector<std::string> args;
        for (std::size_t i = 1; i < w.size(); ++i) args.push_back(w[i].text);
        script.clearEvents();
        if (Refusal r = w[0].quoted ? Refusal("is no action or answer")
                                    : playAction(sheet, w[0].text, args))
            return {false, number, w[0].text + ": " + *r};
        if (auto why = astray(script.events(), answered)) return {false, action, *why, true};
        script.dropAnswers();  // those the action did not use
        answered.clear();
        action = 0;
    }
    return {};
}

void copySettings(const Printer& from, Printer& to) {
    to.setFontName(from.fontName());
    to.setFontSize(from.fontSize());
    to.setOrientation(from.orientation());
}

}  // namespace

Replayed replay(Program& program, std::string_view record, std::size_t limit, int before) {
    program.start();
    if (record.empty()) return {};
    if (record.size() > limit) return {false, 1, "the record is longer than its limit"};
    HeadlessPlatform script;
    SessionRecorder& recorder = program.recorder();
    copySettings(recorder.printer(), script.printer());
    recorder.replayOn(&script);
    Replayed out = play(program.sheet(), script, record, before);
    recorder.replayOn(nullptr);
    copySettings(script.printer(), recorder.printer());
    return out;
}

}  // namespace tarnwick
