// What must hold of the calculator sheet after every user action, whatever
// the user did: checks that take the sheet (and, for the command checks, a
// snapshot of it from before the action) and return what is wrong, one line
// each; nothing when all is well. Shared by the random sessions and the
// session fuzz target.
#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/Columns.h"
#include "sheet/Elements.h"
#include "sheet/Numbers.h"
#include "sheet/Sheet.h"
#include "sheet/Units.h"

namespace tarnwick::testsupport {

using Problems = std::vector<std::string>;

/// The sheet's texts and answers at one moment.
struct SheetSnapshot {
    std::array<std::string, kFieldCount> texts;
    std::array<bool, kOptionCount> selected{};

    static SheetSnapshot of(const Sheet& sheet) {
        SheetSnapshot s;
        for (int i = 0; i < kFieldCount; ++i)
            s.texts[static_cast<std::size_t>(i)] = sheet.text(F(i));
        for (int i = 0; i < kOptionCount; ++i)
            s.selected[static_cast<std::size_t>(i)] = sheet.selected(O(i));
        return s;
    }
    const std::string& text(F f) const { return texts[static_cast<std::size_t>(idx(f))]; }
    bool isSelected(O o) const { return selected[static_cast<std::size_t>(idx(o))]; }
};

namespace detail {

inline bool contains(const auto& list, F f) {
    for (F g : list) {
        if (g == f) return true;
    }
    return false;
}

inline bool isInput(F f) {
    return contains(kImperialInputs.inOrder(), f) || contains(kMetricInputs.inOrder(), f);
}

/// Fields only the program writes: results, differences, the maximum runby
/// boxes and the input twins of the column the user does not type into.
inline bool programWrites(const Sheet& sheet, F f) {
    if (contains(kImperialResults, f) || contains(kMetricResults, f) || contains(kDifferences, f)) {
        return true;
    }
    const InputColumn& inactive = sheet.state().IsImperial ? kMetricInputs : kImperialInputs;
    return contains(inactive.inOrder(), f);
}

inline std::string describe(F f, const std::string& text) {
    return std::string(name(f)) + " \"" + text + "\"";
}

/// The five rows of entry twins with the factor from imperial to metric and
/// back.
struct TwinRow {
    F imperial, metric;
    double toMetric, toImperial;
};
inline constexpr std::array<TwinRow, 5> kTwins{{
    {F::txtImpGovTrip, F::txtMetGovTrip, units::kFpmToMps, units::kMpsToFpm},
    {F::txtImpSpeed, F::txtMetSpeed, units::kFpmToMps, units::kMpsToFpm},
    {F::txtImpRunby, F::txtMetRunby, units::kInchToMm, units::kMmToInch},
    {F::txtImpRunbyCar, F::txtMetRunbyCar, units::kInchToMm, units::kMmToInch},
    {F::txtImpStroke, F::txtMetStroke, units::kInchToMm, units::kMmToInch},
}};

}  // namespace detail

/// Texts the user cannot have typed: "inf", "nan" as words, or "-0.00".
/// (Checked by hand, not with <regex>: the checks run after every action.)
inline bool hasBadNumberWord(std::string_view text) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string word{lower(text[i]), lower(text[i + 1]), lower(text[i + 2])};
        if ((word == "inf" || word == "nan") && (i == 0 || !letter(text[i - 1])) &&
            (i + 3 == text.size() || !letter(text[i + 3]))) {
            return true;
        }
    }
    for (std::size_t i = text.find("-0.00"); i != std::string_view::npos;
         i = text.find("-0.00", i + 1)) {
        if (i + 5 == text.size() || text[i + 5] < '0' || text[i + 5] > '9') return true;
    }
    return false;
}

/// A number as the program writes one: "-12.50", "457", "1E+20".
inline bool isWrittenNumber(std::string_view t) {
    std::size_t i = 0;
    const auto digits = [&] {
        std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (i < t.size() && t[i] == '-') ++i;
    if (!digits()) return false;
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < t.size() && t[i] == 'E') {
        ++i;
        if (i >= t.size() || (t[i] != '+' && t[i] != '-')) return false;
        ++i;
        if (!digits()) return false;
    }
    return i == t.size();
}

/// A message or report line is at fault when it holds "inf", "nan" or
/// "-0.00" that no field the user types into holds (a report prints what the
/// user typed as it stands).
inline Problems textProblems(const Sheet& sheet, std::string_view where, std::string_view text) {
    if (!hasBadNumberWord(text)) return {};
    for (int i = 0; i < kFieldCount; ++i) {
        F f = F(i);
        if (!detail::programWrites(sheet, f) && hasBadNumberWord(sheet.text(f))) return {};
    }
    return {std::string(where) + " holds inf, nan or -0.00: \"" + std::string(text) + "\""};
}

namespace detail {

/// Whether `line` shows `figure` as a whole: not as a part of a longer number.
inline bool showsFigure(std::string_view line, std::string_view figure) {
    const auto numeric = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    for (std::size_t at = line.find(figure); at != std::string_view::npos;
         at = line.find(figure, at + 1)) {
        const std::size_t end = at + figure.size();
        const bool before = at > 0 && numeric(line[at - 1]) && numeric(figure.front());
        const bool after = end < line.size() && numeric(line[end]) && numeric(figure.back());
        if (!before && !after) return true;
    }
    return false;
}

}  // namespace detail

/// The working never disagrees with the sheet: each figure that a line of it
/// states is the text of the field it stands for (for an entry that a step
/// read, the field's reading), and the line shows it; no line holds inf, nan
/// or -0.00; and after a calculation that ran to its end, every figure of
/// the sheet's own column, its differences and its maximum runby has a line
/// that states it.
inline Problems workingProblems(const Sheet& sheet) {
    Problems out;
    const Working& working = sheet.working();
    const std::span<const std::string> lines = working.lines();
    for (const Working::Figure& figure : working.figures()) {
        const std::string where = "working line " + std::to_string(figure.line + 1);
        if (figure.line >= lines.size()) {
            out.push_back(where + " states a figure but does not exist");
            continue;
        }
        const std::string& text = sheet.text(figure.field);
        const double reading = lenient(text);
        const std::string found = figure.reading ? plainText(reading == 0 ? 0.0 : reading) : text;
        if (found != figure.text) {
            out.push_back(
                where + " states " + detail::describe(figure.field, figure.text) +
                (figure.reading ? ", but the field reads \"" : ", but the field holds \"") + found +
                "\": " + lines[figure.line]);
        }
        if (!detail::showsFigure(lines[figure.line], figure.text)) {
            out.push_back(where + " does not show the \"" + figure.text + "\" it states for " +
                          std::string(name(figure.field)) + ": " + lines[figure.line]);
        }
    }
    for (const std::string& line : lines) {
        Problems more = textProblems(sheet, "working line", line);
        out.insert(out.end(), more.begin(), more.end());
    }
    if (!working.complete()) return out;
    const auto stated = [&working](F f) {
        for (const Working::Figure& figure : working.figures()) {
            if (figure.field == f && !figure.reading) return true;
        }
        return false;
    };
    const auto unstated = [&](F f) {
        if (!sheet.text(f).empty() && !stated(f)) {
            out.push_back("no working line states " + detail::describe(f, sheet.text(f)));
        }
    };
    for (F f : sheet.state().IsImperial ? kImperialResults : kMetricResults) unstated(f);
    for (F f : kDifferences) unstated(f);
    return out;
}

/// What holds after every action: one option of each pair selected; every
/// field the program writes empty or a number, never "inf", "nan" or
/// "-0.00"; every entry twin the conversion of the field the user types into;
/// the working agreeing with the sheet.
inline Problems sheetProblems(const Sheet& sheet) {
    Problems out;
    for (int i = 0; i < kOptionCount; i += 2) {
        if (sheet.selected(O(i)) == sheet.selected(partner(O(i)))) {
            out.push_back(std::string("options ") + std::string(name(O(i))) + " and " +
                          std::string(name(partner(O(i)))) + " are both " +
                          (sheet.selected(O(i)) ? "selected" : "unselected"));
        }
    }
    for (int i = 0; i < kFieldCount; ++i) {
        F f = F(i);
        const std::string& text = sheet.text(f);
        if (!detail::programWrites(sheet, f) || text.empty()) continue;
        if (!isWrittenNumber(text) || text == "-0.00") {
            out.push_back(detail::describe(f, text) + " is not a number");
        }
    }
    // Each twin follows its entry, converted with the units' factors and the
    // result format: this catches a twin left behind or fed by the wrong
    // entry. The factors and the format themselves are the unit and scenario
    // tests' to check.
    const bool imperial = sheet.state().IsImperial;
    for (const detail::TwinRow& row : detail::kTwins) {
        F from = imperial ? row.imperial : row.metric;
        F to = imperial ? row.metric : row.imperial;
        const std::string& source = sheet.text(from);
        const std::string& twin = sheet.text(to);
        std::string expected =
            resultFormat(lenient(source) * (imperial ? row.toMetric : row.toImperial));
        // An emptied entry leaves 0.00 in its twin; a clear empties both.
        bool ok = twin == expected || (source.empty() && twin.empty());
        if (!ok) {
            out.push_back(detail::describe(to, twin) + " is not the conversion of " +
                          detail::describe(from, source) + " (\"" + expected + "\")");
        }
    }
    Problems working = workingProblems(sheet);
    out.insert(out.end(), working.begin(), working.end());
    return out;
}

/// Where two sheets differ in what a snapshot keeps: an element's state, the
/// focus, the sheet-level values or the window's place.
inline Problems sheetDifferences(const Sheet& a, const Sheet& b) {
    Problems out;
    const Catalogue &x = a.elements(), &y = b.elements();
    const auto differs = [&out](bool same, Element e) {
        if (!same) out.push_back(name(e) + " differs");
    };
    for (int i = 0; i < kFieldCount; ++i) {
        if (!(x.fields[i] == y.fields[i]))
            out.push_back(std::string(name(F(i))) + " differs: \"" + x.fields[i].text + "\", \"" +
                          y.fields[i].text + "\"");
    }
    for (int i = 0; i < kLabelCount; ++i) differs(x.labels[i] == y.labels[i], L(i));
    for (int i = 0; i < kOptionCount; ++i) differs(x.options[i] == y.options[i], O(i));
    for (int i = 0; i < kButtonCount; ++i) differs(x.buttons[i] == y.buttons[i], B(i));
    for (int i = 0; i < kMenuCount; ++i) differs(x.menus[i] == y.menus[i], M(i));
    if (a.focus() != b.focus())
        out.push_back("the focus differs: " + name(a.focus()) + ", " + name(b.focus()));
    if (!(a.state() == b.state())) out.push_back("the sheet-level values differ");
    if (a.windowLeft() != b.windowLeft()) out.push_back("the window's left edge differs");
    const auto aLines = a.working().lines(), bLines = b.working().lines();
    if (!std::equal(aLines.begin(), aLines.end(), bLines.begin(), bLines.end()))
        out.push_back("the working differs");
    return out;
}

/// The fields a command empties, or nothing for an element that is not a
/// clear, unit, Default or buffer command. `before` tells whether an option
/// was already selected, in which case its click ran nothing.
inline Problems commandProblems(const SheetSnapshot& before, const Sheet& after, Element clicked) {
    enum class Empties { All, AllButId, AllButMeasuredAndId, MeasuredAndDifferences, ResultsOnly };
    Empties empties;
    switch (clicked.kind) {
        case Element::Kind::Button:
            switch (clicked.button()) {
                case B::cmdClearAll:
                case B::cmdDefault:
                    empties = Empties::All;
                    break;
                case B::cmdImperial:
                case B::cmdMetric:
                    empties = Empties::AllButId;
                    break;
                case B::cmdClearMet:
                    empties = Empties::AllButMeasuredAndId;
                    break;
                case B::cmdClearMea:
                    empties = Empties::MeasuredAndDifferences;
                    break;
                default:
                    return {};
            }
            break;
        case Element::Kind::Option:
            if (before.isSelected(clicked.option())) return {};
            empties = clicked.option() == O::opt1996 || clicked.option() == O::opt2000
                          ? Empties::ResultsOnly
                          : Empties::AllButId;
            break;
        default:
            return {};
    }
    Problems out;
    const std::string what = name(clicked);
    const InputColumn& active = after.state().IsImperial ? kImperialInputs : kMetricInputs;
    for (int i = 0; i < kFieldCount; ++i) {
        F f = F(i);
        const bool measured = detail::contains(kMeasured, f);
        bool mustEmpty = false, mustKeep = false;
        switch (empties) {
            case Empties::All:
                mustEmpty = true;
                break;
            case Empties::AllButId:
                mustEmpty = f != F::txtID;
                break;
            case Empties::AllButMeasuredAndId:
                mustEmpty = f != F::txtID && !measured;
                break;
            case Empties::MeasuredAndDifferences:
                mustEmpty = measured || detail::contains(kDifferences, f) ||
                            f == F::txtImpMaxRunby || f == F::txtMetMaxRunby;
                break;
            case Empties::ResultsOnly:
                mustKeep = f == F::txtID || measured || detail::contains(active.inOrder(), f);
                mustEmpty = !mustKeep && !detail::isInput(f);
                break;
        }
        const std::string& text = after.text(f);
        if (mustEmpty && !text.empty()) {
            out.push_back(what + " left " + detail::describe(f, text));
        }
        if (mustKeep && text != before.text(f)) {
            out.push_back(what + " changed " + detail::describe(f, before.text(f)) + " to \"" +
                          text + "\"");
        }
    }
    return out;
}

}  // namespace tarnwick::testsupport
