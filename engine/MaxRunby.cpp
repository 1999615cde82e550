#include "engine/MaxRunby.h"

#include <array>
#include <optional>
#include <string>

#include "engine/Readings.h"
#include "sheet/Columns.h"
#include "sheet/Units.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

using readings::kNewLine;

namespace {

// The maximum runby converts millimetres back with 1 / 25.4 to more digits
// than the twin fields' rounded 0.03937.
constexpr double kMmToInches = 0.03937007874016;

/// The code's maximum counterweight runby for one edition.
struct CwtRunbyCap {
    O edition;
    double inches;
    double mm;
    const char* impText;
    const char* metText;
    const char* ruleSentence;
    const char* impPhrase;
    const char* metPhrase;
};

constexpr std::array<CwtRunbyCap, 2> kCaps{{
    {O::opt1996, 36, 914, "36", "914",
     "Rule 107.1d(2)   The bottom runby for counterweights shall ", "not exceed 36 in.",
     "not exceed 914 mm."},
    {O::opt2000, 35, 900, "35", "900", "2.4.4(b)   The bottom runby for counterweights shall ",
     "not exceed 35 in.", "not exceed 900 mm."},
}};

}  // namespace

void MaxRunby::FindMaxRunby() {
    // Surplus of each measured clearance over its minimum, in the order
    // crosshead, refuge, shoes, obstruction, counterweight.
    std::array<double, 5> dif{};
    for (std::size_t i = 0; i < dif.size(); ++i) {
        const std::optional<double> value = readings::strictOf(sheet_, kDifferences[i]);
        if (!value) {
            WorkedLine(sheet_) << "Maximum counterweight runby: not worked out, the "
                               << inWords(kDifferences[i]) << " difference is not a number";
            return;
        }
        dif[i] = *value;
    }

    if (dif[0] < 0 || dif[1] < 0 || dif[2] < 0 || dif[3] < 0 || dif[4] < 0) {
        shortfall(dif);
        return;
    }

    // Only the four car-top clearances limit the runby; the counterweight
    // clearance just has to be met.
    double surplus = dif[0] < dif[1] ? dif[0] : dif[1];
    if (dif[2] < surplus) surplus = dif[2];
    if (dif[3] < surplus) surplus = dif[3];
    const std::string surplusText = resultFormat(surplus);
    {
        WorkedLine line(sheet_);
        line << "Smallest surplus above the car, the least of ";
        for (std::size_t i = 0; i < 4; ++i) {
            (line << (i == 0 ? "" : ", ") << inWords(kDifferences[i]) << " ")
                .result(kDifferences[i], sheet_.text(kDifferences[i]));
        }
        (line << ": " << surplusText).length();
    }

    const bool imperial = sheet_.state().IsImperial;
    const bool compressed = sheet_.selected(O::optCompYes);
    const F own = imperial ? F::txtImpMaxRunby : F::txtMetMaxRunby;
    const F other = imperial ? F::txtMetMaxRunby : F::txtImpMaxRunby;
    const F runbyField = imperial ? F::txtImpRunby : F::txtMetRunby;
    const double runby = readings::lenientOf(sheet_, runbyField);
    // A compressed counterweight buffer holds the compression, which the
    // surplus has to make up first.
    const std::string ownText = resultFormat(compressed ? surplus - runby : runby + surplus);
    WorkedLine line(sheet_);
    line << "Maximum counterweight runby: ";
    if (compressed) {
        (line << "surplus " << surplusText << " − counterweight buffer compression ")
            .entry(runbyField, runby, true);
    } else {
        (line << "counterweight runby ").entry(runbyField, runby) << " + surplus " << surplusText;
    }
    (line << " = ").result(own, ownText).length();
    sheet_.setText(own, ownText);

    // The other unit starts from the value as displayed.
    const std::optional<double> shown = readings::strictOf(sheet_, own);
    if (!shown) return;
    const double factor = imperial ? units::kInchToMm : kMmToInches;
    const std::string otherText = resultFormat(*shown * factor);
    (line << ", and " << ownText << " × ").constant(factor) << " = ";
    line.result(other, otherText) << (imperial ? " mm" : " in");
    sheet_.setText(other, otherText);

    for (const CwtRunbyCap& cap : kCaps) {
        if (!sheet_.selected(cap.edition)) continue;
        const std::optional<double> value = readings::strictOf(sheet_, own);
        if (!value) return;
        const double limit = imperial ? cap.inches : cap.mm;
        if (*value > limit) {
            WorkedLine capped(sheet_);
            (capped << "Over the maximum counterweight runby of ").number(limit).length()
                << " (" << ruleOf(cap.ruleSentence) << "): ";
            capped.shown("Maximum Runby") << "; the boxes show ";
            capped.result(F::txtImpMaxRunby, cap.impText) << " in and ";
            capped.result(F::txtMetMaxRunby, cap.metText) << " mm";
            sheet_.message(std::string("Remember..........") + kNewLine + kNewLine +
                               cap.ruleSentence + (imperial ? cap.impPhrase : cap.metPhrase) +
                               kNewLine + kNewLine +
                               "One or more of your clearances would seem to indicate that a " +
                               "greater counterweight runby is permissible but....it is not.",
                           "Maximum Runby", Icon::Critical);
            sheet_.setText(F::txtImpMaxRunby, cap.impText);
            sheet_.setText(F::txtMetMaxRunby, cap.metText);
        } else {
            (line << "; not over the maximum of ").number(limit).length()
                << " (" << ruleOf(cap.ruleSentence) << ")";
        }
    }
}

void MaxRunby::shortfall(const std::array<double, 5>& dif) {
    {
        WorkedLine line(sheet_);
        line << "Maximum counterweight runby: none, a clearance is short (";
        bool first = true;
        for (std::size_t i = 0; i < dif.size(); ++i) {
            if (dif[i] >= 0) continue;
            (line << (first ? "" : ", ") << inWords(kDifferences[i]) << " ")
                .result(kDifferences[i], sheet_.text(kDifferences[i]));
            first = false;
        }
        line.length() << "); ";
        line.shown("Caution !!");
    }
    sheet_.message(
        std::string("You do not have the minimum clearance for one or ") + "more of your entries !",
        "Caution !!", Icon::Critical);
    if (dif[4] < 0) {
        (WorkedLine(sheet_) << "The top counterweight clearance is short; ").shown("Caution !!");
        sheet_.message("You do not have enough top counterweight clearance !", "Caution !!",
                       Icon::Critical);
    }
    // A clearance not yet measured is the likely cause: send the user there.
    for (F measured : kMeasured) {
        if (readings::lenientOf(sheet_, measured) <= 0) {
            sheet_.setFocus(measured);
            return;
        }
    }
}

}  // namespace tarnwick
