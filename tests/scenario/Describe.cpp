#include "Describe.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>

#include "Script.h"
#include "sheet/Numbers.h"

namespace tarnwick::scenario {

namespace {

using Reader = std::function<StateValue(const SheetState&)>;

Reader number(double EditionValues::*member) {
    return [member](const SheetState& s) { return StateValue{plainText(s.edition.*member)}; };
}

Reader text(std::string EditionValues::*member) {
    return [member](const SheetState& s) { return StateValue{s.edition.*member, true}; };
}

const std::vector<std::pair<std::string_view, Reader>>& stateTable() {
    static const std::vector<std::pair<std::string_view, Reader>> table{
        {"IsImperial", [](const SheetState& s) { return StateValue{yesNo(s.IsImperial)}; }},
        {"Movement", [](const SheetState& s) { return StateValue{plainText(s.Movement)}; }},
        {"ImpRefuge", number(&EditionValues::ImpRefuge)},
        {"MetRefuge", number(&EditionValues::MetRefuge)},
        {"ImpCrosshead", number(&EditionValues::ImpCrosshead)},
        {"MetCrosshead", number(&EditionValues::MetCrosshead)},
        {"ImpObstruct", number(&EditionValues::ImpObstruct)},
        {"MetObstruct", number(&EditionValues::MetObstruct)},
        {"MetMaxCwtRunby", number(&EditionValues::MetMaxCwtRunby)},
        {"ImpMaxCwtRunby", number(&EditionValues::ImpMaxCwtRunby)},
        {"MetSpringSpeedText", text(&EditionValues::MetSpringSpeedText)},
        {"MetSpringTripText", text(&EditionValues::MetSpringTripText)},
        {"MetReducedSpeedText", text(&EditionValues::MetReducedSpeedText)},
        {"MetReducedMinStrokeText", text(&EditionValues::MetReducedMinStrokeText)},
        {"MetReducedSpeed2Text", text(&EditionValues::MetReducedSpeed2Text)},
    };
    return table;
}

}  // namespace

std::string yesNo(bool on) {
    return on ? "yes" : "no";
}

std::string iconWord(Icon icon) {
    return std::string(iconName(icon));
}

std::string buttonsWord(const Message& message) {
    if (message.buttons == Buttons::Ok) return "ok";
    return "yes-no-cancel:" + std::string(answerName(message.defaultButton));
}

std::string eventText(const HeadlessPlatform::Event& event) {
    using Kind = HeadlessPlatform::Event::Kind;
    switch (event.kind) {
        case Kind::Prompt:
            return "prompt " + quotedText(event.title) + " " + quotedText(event.prompt);
        case Kind::Reminder:
            return event.reminder.portrait ? "reminder portrait" : "reminder landscape";
        case Kind::PrintDialog:
            return "printdialog";
        case Kind::Message:
            break;
    }
    const Message& m = event.message;
    return "message " + iconWord(m.icon) + " " + buttonsWord(m) + " " + quotedText(m.title) + " " +
           quotedText(m.prompt);
}

/// A size in points as its shortest text: the shortest digits that read back
/// to the same float, in the fixed form or the scientific one, whichever is
/// shorter, the fixed one on a tie ("10", "11.5", "1e+05"). A whole number in
/// the fixed form is written with all its digits.
std::string sizeText(float points) {
    if (!std::isfinite(points) || points == 0) return fmt::format("{}", points);
    // "{}" writes the shortest digits, in either form ("0.0001", "1e+20").
    const std::string shortest = fmt::format("{}", std::fabs(points));
    const std::size_t e = std::min(shortest.find('e'), shortest.size());
    const std::string_view mantissa = std::string_view(shortest).substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string digits;
    for (char c : mantissa) {
        if (c != '.') digits.push_back(c);
    }
    const std::size_t first = digits.find_first_not_of('0');
    int exponent = static_cast<int>(point) - 1 - static_cast<int>(first);
    if (e < shortest.size()) exponent += std::atoi(shortest.c_str() + e + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    digits.erase(0, first);

    const int count = static_cast<int>(digits.size());
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific.append(".").append(digits, 1);
    scientific += fmt::format("e{:+03}", exponent);
    std::string fixed;
    if (exponent >= count - 1) {
        fixed = fmt::format("{:.0f}", std::fabs(points));
    } else if (exponent >= 0) {
        fixed = digits.substr(0, exponent + 1);
        fixed.append(".").append(digits, exponent + 1);
    } else {
        fixed = "0.";
        fixed.append(-exponent - 1, '0').append(digits);
    }
    // Texts are appended rather than added to a literal in front: GCC 12 at
    // -O3 takes that for an overlapping copy (-Wrestrict).
    std::string text = points < 0 ? "-" : "";
    text += fixed.size() <= scientific.size() ? fixed : scientific;
    return text;
}

std::string printerText(const HeadlessPrinter& printer) {
    return quotedText(printer.fontName()) + " " + sizeText(printer.fontSize()) + " " +
           std::to_string(printer.orientation()) + " " + (printer.bold() ? "bold" : "regular");
}

std::string reportLineText(const ReportLine& line) {
    std::string text = sizeText(line.size) + (line.bold ? "b" : "");
    if (line.items.empty()) return text;
    text += ' ';
    for (const LineItem& item : line.items) {
        if (const auto* indent = std::get_if<Indent>(&item)) {
            text += "[@" + std::to_string(indent->column) + "]";
        } else {
            text += std::get<std::string>(item);
        }
    }
    return text;
}

std::string StateValue::written() const {
    return isText ? quotedText(value) : value;
}

const std::vector<std::string_view>& stateNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const auto& entry : stateTable()) out.push_back(entry.first);
        return out;
    }();
    return names;
}

std::optional<StateValue> stateValue(const SheetState& state, std::string_view name) {
    for (const auto& [entryName, read] : stateTable()) {
        if (entryName == name) return read(state);
    }
    return std::nullopt;
}

}  // namespace tarnwick::scenario
