#include "ui/SessionRecord.h"

#include <array>
#include <charconv>

#include "ui/ActionLines.h"
#include "ui/Program.h"

namespace tarnwick {

namespace {

constexpr std::string_view kHeader = "scenario \"kept session\"\n";

std::string answerWord(Answer answer) {
    static constexpr std::array<const char*, 4> words{"OK", "Yes", "No", "Cancel"};
    return words[static_cast<std::size_t>(answer)];
}

std::optional<int> count(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

/// The field the user is in, or the button or option given the focus, and
/// what a replay of its lines must leave there.
struct SessionRecorder::Visit {
    Element element;
    bool focused = false;  ///< begun by moving the focus there
    bool changed = false;  ///< its text changed
    std::string startText;
    int selStart = 0, selLength = 0;
};

/// The printer's settings as they are, but not a line printed.
class SessionRecorder::QuietPrinter : public Printer {
public:
    explicit QuietPrinter(Printer& printer) : printer_(printer) {}
    void setDocumentName(const std::string&) override {}
    std::string fontName() const override { return printer_.fontName(); }
    void setFontName(const std::string& name) override { printer_.setFontName(name); }
    float fontSize() const override { return printer_.fontSize(); }
    void setFontSize(float points) override { printer_.setFontSize(points); }
    int orientation() const override { return printer_.orientation(); }
    void setOrientation(int orientation) override { printer_.setOrientation(orientation); }
    void setBold(bool on) override { printer_.setBold(on); }
    void printLine(const LineItems&) override {}
    void endDocument() override {}
    void printWindowPicture() override {}

private:
    Printer& printer_;
};

SessionRecorder::SessionRecorder(Platform& platform, PrintPlatform& printing)
    : platform_(platform), printing_(printing), lines_(kHeader) {}

SessionRecorder::~SessionRecorder() = default;

void SessionRecorder::attach(const Sheet& sheet) {
    sheet_ = &sheet;
}

namespace {

/// A visit's lines: the text typed, or the move into the field, and the
/// selection left there when a replay of those would leave another.
std::string visitLines(const Sheet& sheet, Element element, bool focused, bool changed,
                       const std::string& startText, int selStart, int selLength) {
    const std::string n = name(element);
    if (!element.isField()) {
        // A click on the selected option only moves the focus.
        const bool option = element.kind == Element::Kind::Option;
        if (option && sheet.selected(element.option()) && sheet.enabled(element.option())) {
            return "click " + n + "\n";
        }
        return "#! focus " + n + "\n";
    }
    const TextField& field = sheet.field(element.field());
    std::string out;
    if (changed) {
        // Typed back to what it was: it changed all the same.
        if (field.text == startText) {
            out = "type " + n + " " + quotedText(field.text.empty() ? "0" : "") + "\n";
        }
        out += "type " + n + " " + quotedText(field.text) + "\n";
        selStart = characterCount(field.text);
        selLength = 0;
    } else if (focused) {
        out = "focus " + n + "\n";
    }
    if (field.selStart != selStart || field.selLength != selLength) {
        out += "#! select " + n + " " + std::to_string(field.selStart) + " " +
               std::to_string(field.selLength) + "\n";
    }
    return out;
}

}  // namespace

void SessionRecorder::closeVisit() {
    if (!visit_) return;
    const Visit& v = *visit_;
    lines_ +=
        visitLines(*sheet_, v.element, v.focused, v.changed, v.startText, v.selStart, v.selLength);
    visit_.reset();
}

std::optional<std::string> SessionRecorder::record(std::size_t limit) const {
    std::string text = lines_;
    if (visit_ && !acting_) {
        const Visit& v = *visit_;
        text += visitLines(*sheet_, v.element, v.focused, v.changed, v.startText, v.selStart,
                           v.selLength);
    }
    if (text.size() > limit) return std::nullopt;
    return text;
}

void SessionRecorder::began(UserOp op, Element element) {
    if (!sheet_) return;
    acting_ = false;  // one that never ended, left by an exception
    if (op == UserOp::Text || op == UserOp::Selection || op == UserOp::Focus) {
        if (op == UserOp::Focus || !visit_ || visit_->element != element) {
            closeVisit();
            visit_ = std::make_unique<Visit>();
            visit_->element = element;
            visit_->focused = op == UserOp::Focus;
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
    if (clicked) {
        visit_.reset();
    } else {
        closeVisit();
    }
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

std::optional<SessionRecorder::Queued> SessionRecorder::take(std::string_view command) {
    static constexpr std::array<std::array<std::string_view, 2>, 4> dialogs{{
        {"answer", "a message box"},
        {"prompt", "a text prompt"},
        {"reminder", "an orientation reminder"},
        {"printdialog", "a print dialog"},
    }};
    const auto dialog = [](std::string_view c) {
        for (const auto& [answer, shown] : dialogs) {
            if (answer == c) return std::string(shown);
        }
        return std::string();
    };
    if (astray_) return std::nullopt;
    if (queued_.empty() || queued_.front().command != command) {
        astray_ = dialog(command) + " came up " +
                  (queued_.empty() ? "with no answer recorded for it"
                                   : "where " + dialog(queued_.front().command) + " was answered");
        return std::nullopt;
    }
    Queued next = std::move(queued_.front());
    queued_.pop_front();
    return next;
}

Answer SessionRecorder::showMessage(const Message& message) {
    const Answer shownDefault = message.buttons == Buttons::Ok ? Answer::Ok : message.defaultButton;
    Answer answer = shownDefault;
    if (!replaying_) {
        // Only what the box offers: an answer it does not is its closing.
        answer = platform_.showMessage(message);
        if ((answer == Answer::Ok) != (message.buttons == Buttons::Ok)) {
            answer = message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        }
    } else if (const std::optional<Queued> q = take("answer")) {
        static constexpr std::array<Answer, 4> all{Answer::Ok, Answer::Yes, Answer::No,
                                                   Answer::Cancel};
        for (Answer a : all) {
            if (answerWord(a) == q->word) answer = a;
        }
        if ((answer == Answer::Ok) != (message.buttons == Buttons::Ok)) {
            astray_ = "a message box came up that offers no " + q->word;
            answer = shownDefault;
        }
    }
    answered("answer " + answerWord(answer));
    return answer;
}

std::string SessionRecorder::promptText(const std::string& prompt, const std::string& title) {
    std::string text;
    if (!replaying_) {
        text = platform_.promptText(prompt, title);
    } else if (const std::optional<Queued> q = take("prompt")) {
        if (q->quoted || q->word != "cancel") text = q->word;
    }
    answered(text.empty() ? "prompt cancel" : "prompt " + quotedText(text));
    return text;
}

Printer& SessionRecorder::printer() {
    if (!replaying_) return printing_.printer();
    if (!quiet_) quiet_ = std::make_unique<QuietPrinter>(printing_.printer());
    return *quiet_;
}

void SessionRecorder::showReminder(const ReminderView& view,
                                   const std::function<void()>& checkBoxClicked) {
    int clicks = 0;
    if (!replaying_) {
        printing_.showReminder(view, [&] {
            ++clicks;
            checkBoxClicked();
        });
    } else if (const std::optional<Queued> q = take("reminder")) {
        clicks = q->word == "tick" ? 1 : q->word == "tick-untick" ? 2 : 0;
        for (int i = 0; i < clicks; ++i) checkBoxClicked();
    }
    // Each click turns the box over: an even number leaves it unticked.
    answered(clicks == 0 ? "reminder ok" : clicks % 2 ? "reminder tick" : "reminder tick-untick");
}

bool SessionRecorder::showPrintDialog() {
    bool ok = true;
    if (!replaying_) {
        ok = printing_.showPrintDialog();
    } else if (const std::optional<Queued> q = take("printdialog")) {
        ok = q->word == "ok";
    }
    answered(ok ? "printdialog ok" : "printdialog cancel");
    return ok;
}

void SessionRecorder::setReplaying(bool on) {
    replaying_ = on;
    queued_.clear();
    astray_.reset();
}

void SessionRecorder::queueAnswer(std::string command, std::string word, bool quoted) {
    queued_.push_back({std::move(command), std::move(word), quoted});
}

std::optional<std::string> SessionRecorder::actionPlayed() {
    std::optional<std::string> why = std::move(astray_);
    astray_.reset();
    queued_.clear();
    return why;
}

namespace {

/// The words each answer command allows (TEXT: any text).
constexpr std::array<std::array<std::string_view, 2>, 4> kAnswers{{
    {"answer", "OK|Yes|No|Cancel"},
    {"prompt", "TEXT"},
    {"reminder", "ok|tick|tick-untick"},
    {"printdialog", "ok|cancel"},
}};

bool allows(std::string_view allowed, const Word& word) {
    if (allowed == "TEXT") return true;
    if (word.quoted) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = allowed.find('|', start);
        if (allowed.substr(start, end - start) == word.text) return true;
        if (end == std::string_view::npos) return false;
        start = end + 1;
    }
}

/// How many words follow each action's command.
int operandCount(std::string_view command) {
    if (command == "type" || command == "paste") return 2;
    if (command == "focus" || command == "click" || command == "key") return 1;
    if (command == "close") return 0;
    return -1;
}

/// `#! select FIELD START LENGTH` and `#! focus NAME`: what the user left
/// that no scenario command restores. Runs no reaction.
Refusal restore(Sheet& sheet, const std::vector<Word>& words) {
    const std::optional<Element> e = words.size() > 1 ? elementNamed(words[1].text) : std::nullopt;
    const std::string n = words.size() > 1 ? words[1].text : std::string();
    if (words.size() == 4 && words[0].text == "select") {
        const std::optional<int> start = count(words[2].text), length = count(words[3].text);
        if (!e || !e->isField() || !sheet.visible(e->field())) return n + " is no visible field";
        if (!start || !length || *start + *length > sheet.length(e->field())) {
            return "no such selection in " + n;
        }
        sheet.setSelection(e->field(), *start, *length);
        return std::nullopt;
    }
    if (words.size() == 2 && words[0].text == "focus") {
        const bool button = e && e->kind == Element::Kind::Button && sheet.enabled(e->button());
        const bool option = e && e->kind == Element::Kind::Option && sheet.enabled(e->option());
        if (!button && !option) return n + " is no enabled button or option";
        sheet.setFocus(*e);
        return std::nullopt;
    }
    return std::string("unknown line");
}

}  // namespace

Replayed replay(Program& program, std::string_view record, std::size_t limit, int before) {
    program.start();
    if (record.empty()) return {};
    if (record.size() > limit) return {false, 1, "the record is longer than its limit", false};
    SessionRecorder& recorder = program.recorder();
    Sheet& sheet = program.sheet();
    recorder.setReplaying(true);
    Replayed out;
    const auto stop = [&out](int line, std::string why, bool halfway = false) {
        out = {false, line, std::move(why), halfway};
    };
    int number = 0, action = 0;  // the line of the action's first answer
    bool begun = false;
    for (std::size_t at = 0; at < record.size() && out.whole;) {
        std::size_t end = record.find('\n', at);
        if (end == std::string_view::npos) end = record.size();
        std::string_view line = record.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        const bool restoring = first != std::string_view::npos && line.substr(first, 2) == "#!";
        const Words words = splitWords(restoring ? line.substr(first + 2) : line);
        if (!words.error.empty()) {
            stop(number, "malformed line: " + words.error);
            break;
        }
        if (words.words.empty()) continue;
        const std::vector<Word>& w = words.words;
        const bool bare = !w[0].quoted;
        if (!begun) {
            if (!(bare && w[0].text == "scenario" && w.size() == 2 && !restoring)) {
                stop(number, "the record does not begin with a scenario line");
            }
            begun = true;
            continue;
        }
        if (action == 0) action = number;
        if (action >= before) break;
        if (restoring) {
            if (Refusal r = restore(sheet, w)) stop(number, *r);
            action = 0;
            continue;
        }
        bool answer = false;
        for (const auto& [command, allowed] : kAnswers) {
            if (bare && w[0].text == command && w.size() == 2 && allows(allowed, w[1])) {
                recorder.queueAnswer(std::string(command), w[1].text, w[1].quoted);
                answer = true;
            }
        }
        if (answer) continue;
        if (!bare || operandCount(w[0].text) != static_cast<int>(w.size()) - 1) {
            stop(number, "not an action or an answer: " + std::string(line));
            break;
        }
        std::vector<std::string> args;
        for (std::size_t i = 1; i < w.size(); ++i) args.push_back(w[i].text);
        if (Refusal r = playAction(sheet, w[0].text, args)) {
            stop(number, w[0].text + ": " + *r);
        } else if (std::optional<std::string> why = recorder.actionPlayed()) {
            stop(action, *why, true);
        }
        action = 0;
    }
    recorder.setReplaying(false);
    return out;
}

}  // namespace tarnwick
