// A user who does random things to the headless calculator: types or pastes
// any text into any field they can type into, deletes, moves the focus,
// clicks enabled buttons and options, chooses menu commands, presses keys,
// closes the window and answers the dialogs that come up. After each action
// the invariants of SheetInvariants.h are checked, and each session's record,
// played again on a fresh program, must come to the same sheet. The choices
// come from a Chooser: seeded random numbers for the unit tests, the input
// bytes for the fuzz target.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sheet/Sheet.h"
#include "tests/support/SheetInvariants.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick::testsupport {

/// Where the random choices come from.
class Chooser {
public:
    virtual ~Chooser() = default;
    /// A number in [0, n); n > 0.
    virtual unsigned below(unsigned n) = 0;
    /// True once nothing is left to choose from.
    virtual bool exhausted() const { return false; }
};

class SeededChooser : public Chooser {
public:
    explicit SeededChooser(std::uint32_t seed) : random_(seed) {}
    unsigned below(unsigned n) override {
        return std::uniform_int_distribution<unsigned>(0, n - 1)(random_);
    }

private:
    std::mt19937 random_;
};

/// Takes the choices from a fuzzer's input, a byte (or two) at a time.
class ByteChooser : public Chooser {
public:
    ByteChooser(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned below(unsigned n) override {
        unsigned value = next();
        if (n > 256) value = value << 8 | next();
        return value % n;
    }
    bool exhausted() const override { return at_ >= size_; }

private:
    unsigned next() { return at_ < size_ ? data_[at_++] : 0; }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

class RandomSession {
public:
    explicit RandomSession(Chooser& chooser) : chooser_(chooser) { restart(); }

    /// Plays one random action and returns what the invariants found wrong
    /// after it, each line prefixed by the action.
    Problems step() {
        before_ = SheetSnapshot::of(sheet());
        eventsBefore_ = platform_->events().size();
        documentsBefore_ = platform_->headlessPrinter().documents();
        clicked_ = Element();
        std::string action = act();
        remember(action);
        Problems out = check();
        for (std::string& p : out) p = action + ": " + p;
        if (sheet().closed()) restart();
        return out;
    }

    /// The last actions, oldest first, to tell how a problem came about.
    std::string recentActions() const {
        std::string out;
        for (const std::string& a : recent_) out += "  " + a + "\n";
        return out;
    }
    int restarts() const { return restarts_; }
    Sheet& sheet() { return program_->sheet(); }

    /// What went wrong in the first session whose record did not replay to
    /// its sheet, the one running now included.
    Problems replayProblems() {
        if (replayProblems_.empty()) replayProblems_ = replayed();
        return replayProblems_;
    }

private:
    static constexpr std::size_t kRecent = 40;

    /// The session's record played on a fresh program: the same sheet, with
    /// nothing shown and nothing printed.
    Problems replayed() {
        HeadlessPlatform quiet;
        Program again(quiet);
        const std::string record = program_->recorder().record(SIZE_MAX).value_or("");
        const Replayed played = replay(again, record, SIZE_MAX);
        Problems out;
        if (!played.whole) {
            out.push_back("line " + std::to_string(played.line) + " did not play: " + played.why);
        }
        for (const std::string& p : sheetDifferences(sheet(), again.sheet())) {
            out.push_back("replayed, " + p);
        }
        const HeadlessPrinter& printer = quiet.headlessPrinter();
        if (!quiet.events().empty() || printer.documents() + printer.pictures() > 0) {
            out.push_back("the replay showed a dialog or printed");
        }
        if (!out.empty()) out.push_back("the record:\n" + record);
        return out;
    }

    void restart() {
        if (program_ && replayProblems_.empty()) replayProblems_ = replayed();
        program_.reset();
        platform_ = std::make_unique<HeadlessPlatform>();
        program_ = std::make_unique<Program>(*platform_);
        program_->start();
        ++restarts_;
    }

    void remember(std::string action) {
        recent_.push_back(std::move(action));
        if (recent_.size() > kRecent) recent_.pop_front();
    }

    unsigned pick(unsigned n) { return chooser_.below(n); }

    /// A text as a user might type it: numbers of every size, signs,
    /// exponents, separators, letters, words that look like numbers and, now
    /// and then, any byte.
    std::string randomText() {
        static const char* const pieces[] = {
            "0",        "1",      "2",      "3",  "4",     "5",   "6",    "7",        "8",
            "9",        ".",      "-",      "+",  "e",     "E",   "D",    ",",        " ",
            "\t",       "$",      "&H",     "&O", "a",     "F",   "x",    "inf",      "nan",
            "1e999",    "1e15",   "9e307",  "-0", "0.005", "700", "3.56", "\xC3\xA9", "1234567e10",
            "99999999", "-1e300", "1e-320", "\n", "\r"};
        constexpr unsigned kPieces = sizeof pieces / sizeof *pieces;
        std::string out;
        switch (pick(4)) {
            case 0: {  // a plausible entry
                out = std::to_string(pick(1500));
                if (pick(2)) out += "." + std::to_string(pick(100));
                if (pick(8) == 0) out = "-" + out;
                return out;
            }
            case 1: {  // raw bytes
                unsigned n = pick(12);
                for (unsigned i = 0; i < n; ++i) out.push_back(static_cast<char>(pick(256)));
                return out;
            }
            default: {
                unsigned n = pick(8);
                for (unsigned i = 0; i < n; ++i) out += pieces[pick(kPieces)];
                return out;
            }
        }
    }

    /// A field the user can type into: visible and not locked.
    bool pickEditable(F& out) {
        std::vector<F> fields;
        for (int i = 0; i < kFieldCount; ++i) {
            if (sheet().visible(F(i)) && !sheet().locked(F(i))) fields.push_back(F(i));
        }
        if (fields.empty()) return false;
        out = fields[pick(static_cast<unsigned>(fields.size()))];
        return true;
    }

    /// The text box drops what goes past its maximum length, counted in
    /// characters.
    static std::string cut(const std::string& text, int maxLength) {
        if (maxLength <= 0 || characterCount(text) <= maxLength) return text;
        return text.substr(0, byteOffset(text, maxLength));
    }

    std::string enter(bool paste) {
        F f{};
        if (!pickEditable(f)) return "nothing to type into";
        const std::string text = randomText();
        Sheet& s = sheet();
        s.setFocus(f);
        if (paste || text.empty()) {
            s.setText(f, cut(text, s.maxLength(f)));
        } else {
            // Character by character: what arrives first replaces the text
            // the focus selected.
            const int count = characterCount(text);
            for (int i = 0; i < count; ++i) {
                if (i > 0 && s.maxLength(f) > 0 && s.length(f) >= s.maxLength(f)) break;
                const std::size_t from = byteOffset(text, i);
                std::string now = i == 0 ? std::string() : s.text(f);
                now.append(text, from, byteOffset(text, i + 1) - from);
                s.setText(f, now);
            }
        }
        s.setSelection(f, s.length(f), 0);
        return std::string(paste ? "paste " : "type ") + std::string(name(f)) + " \"" + text + "\"";
    }

    std::string backspace() {
        F f{};
        if (!pickEditable(f)) return "nothing to edit";
        sheet().setFocus(f);
        std::string text = sheet().text(f);
        const int count = characterCount(text);
        if (count > 0) text.resize(byteOffset(text, count - 1));
        sheet().setText(f, text);
        return "backspace " + std::string(name(f));
    }

    std::string clickButton() {
        std::vector<B> buttons;
        for (int i = 0; i < kButtonCount; ++i) {
            if (sheet().enabled(B(i))) buttons.push_back(B(i));
        }
        if (buttons.empty()) return "no enabled button";
        B b = buttons[pick(static_cast<unsigned>(buttons.size()))];
        clicked_ = b;
        sheet().setFocus(Element(b));
        sheet().press(b);
        return "click " + std::string(name(b));
    }

    std::string clickOption() {
        std::vector<O> options;
        for (int i = 0; i < kOptionCount; ++i) {
            if (sheet().enabled(O(i))) options.push_back(O(i));
        }
        if (options.empty()) return "no enabled option";
        O o = options[pick(static_cast<unsigned>(options.size()))];
        clicked_ = o;
        sheet().setFocus(Element(o));
        sheet().select(o);
        return "click " + std::string(name(o));
    }

    std::string chooseMenu(bool byShortcut) {
        std::vector<M> menus;
        for (int i = 0; i < kMenuCount; ++i) {
            const MenuElement& m = sheet().menu(M(i));
            if (m.leaf && (!byShortcut || !m.shortcut.empty())) menus.push_back(M(i));
        }
        M m = menus[pick(static_cast<unsigned>(menus.size()))];
        sheet().choose(m);
        return (byShortcut ? "key " + sheet().menu(m).shortcut : "choose " + std::string(name(m)));
    }

    std::string key() {
        if (pick(3) == 0) return chooseMenu(true);
        B b = pick(2) ? B::cmdCalculate : B::cmdExit;
        if (sheet().enabled(b)) {
            clicked_ = b;
            sheet().press(b);
        }
        return b == B::cmdCalculate ? "key Enter" : "key Esc";
    }

    std::string queueAnswer() {
        HeadlessPlatform& p = *platform_;
        switch (pick(4)) {
            case 0: {
                static const Answer answers[] = {Answer::Ok, Answer::Yes, Answer::No,
                                                 Answer::Cancel};
                Answer a = answers[pick(4)];
                if (p.unusedAnswers() < 3) p.queueAnswer(a);
                return "answer " + std::to_string(static_cast<int>(a));
            }
            case 1: {
                if (pick(3) == 0) {
                    if (p.unusedPrompts() < 3) p.queuePrompt(std::nullopt);
                    return "prompt cancel";
                }
                std::string text = randomText();
                if (p.unusedPrompts() < 3) p.queuePrompt(text);
                return "prompt \"" + text + "\"";
            }
            case 2: {
                auto r = static_cast<HeadlessPlatform::ReminderAnswer>(pick(3));
                if (p.unusedReminders() < 3) p.queueReminder(r);
                return "reminder " + std::to_string(static_cast<int>(r));
            }
            default: {
                bool ok = pick(2);
                if (p.unusedPrintDialogs() < 3) p.queuePrintDialog(ok);
                return ok ? "printdialog ok" : "printdialog cancel";
            }
        }
    }

    /// A value that fits the field, so that sessions get past the entry
    /// checks and into the calculation.
    std::string plausible(F f) {
        const bool metric = f == F::txtMetSpeed || f == F::txtMetGovTrip;
        const bool imperialSpeed = f == F::txtImpSpeed || f == F::txtImpGovTrip;
        const bool millimetres = !sheet().state().IsImperial && !metric;
        std::string out;
        if (metric) {
            out = std::to_string(pick(7)) + "." + std::to_string(pick(100));
        } else if (imperialSpeed) {
            out = std::to_string(25 + pick(1200));
        } else if (millimetres) {
            out = std::to_string(pick(4000));
        } else {
            out = std::to_string(pick(160));
            if (pick(2)) out += "." + std::to_string(pick(100));
        }
        if (pick(30) == 0) out = "-" + out;
        return out;
    }

    std::string typePlausible(F f) {
        std::string text = plausible(f);
        sheet().setFocus(f);
        sheet().setText(f, text);
        return "type " + std::string(name(f)) + " \"" + text + "\"";
    }

    /// Fills the entries and the measured clearances, as a user does before
    /// pressing Calculate.
    std::string fill() {
        std::string out = "fill";
        for (int i = 0; i < kFieldCount; ++i) {
            F f = F(i);
            if (f == F::txtID || !sheet().visible(f) || sheet().locked(f)) continue;
            if (pick(10) == 0) continue;
            out.append(" ").append(name(f)).append("=").append(plausible(f));
            sheet().setFocus(f);
            sheet().setText(f, out.substr(out.rfind('=') + 1));
        }
        return out;
    }

    std::string act() {
        switch (pick(24)) {
            case 0:
            case 1:
            case 2: {
                F f{};
                if (!pickEditable(f)) return "nothing to type into";
                return typePlausible(f);
            }
            case 3:
            case 4:
            case 5:
                return enter(false);
            case 6:
                return enter(true);
            case 7:
                return backspace();
            case 8: {
                F f = F(pick(kFieldCount));
                if (sheet().visible(f)) sheet().setFocus(f);
                return "focus " + std::string(name(f));
            }
            case 9:
            case 10:
            case 11: {
                B b = pick(3) == 0 ? B::cmdMaxRunby : B::cmdCalculate;
                if (!sheet().enabled(b)) return clickButton();
                clicked_ = b;
                sheet().setFocus(Element(b));
                sheet().press(b);
                return "click " + std::string(name(b));
            }
            case 12:
            case 13:
                return clickButton();
            case 14:
            case 15:
                return clickOption();
            case 16:
                return chooseMenu(false);
            case 17:
                return key();
            case 18:
                if (pick(4) == 0) {
                    sheet().requestClose();
                    return "close";
                }
                return queueAnswer();
            case 19:
                return queueAnswer();
            default:
                return fill();
        }
    }

    Problems check() {
        Sheet& s = sheet();
        Problems out = sheetProblems(s);
        Problems more = commandProblems(before_, s, clicked_);
        out.insert(out.end(), more.begin(), more.end());
        const auto& events = platform_->events();
        for (std::size_t i = eventsBefore_; i < events.size(); ++i) {
            const HeadlessPlatform::Event& e = events[i];
            if (e.kind != HeadlessPlatform::Event::Kind::Message) continue;
            for (const std::string* t : {&e.message.prompt, &e.message.title}) {
                more = textProblems(s, "message", *t);
                out.insert(out.end(), more.begin(), more.end());
            }
        }
        const HeadlessPrinter& printer = platform_->headlessPrinter();
        if (printer.documents() != documentsBefore_) {
            for (const ReportLine& line : printer.lastDocument()) {
                std::string text;
                for (const LineItem& item : line.items) {
                    if (const std::string* piece = std::get_if<std::string>(&item)) text += *piece;
                }
                more = textProblems(s, "report line", text);
                out.insert(out.end(), more.begin(), more.end());
            }
        }
        return out;
    }

    Chooser& chooser_;
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Program> program_;
    SheetSnapshot before_;
    std::size_t eventsBefore_ = 0;
    int documentsBefore_ = 0;
    Element clicked_;
    std::deque<std::string> recent_;
    int restarts_ = 0;
    Problems replayProblems_;
};

}  // namespace tarnwick::testsupport
