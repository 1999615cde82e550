#include "engine/MaxRunby.h"

#include <array>
#include <optional>
#include <string>

#include "engine/Readings.h"
#include "sheet/Columns.h"
#include "sheet/Units.h"

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
        if (!value) return;
        dif[i] = *value;
    }

    if (dif[0] < 0 || dif[1] < 0 || dif[2] < 0 || dif[3] < 0 || dif[4] < 0) {
        shortfall(dif[4] < 0);
        return;
    }

    // Only the four car-top clearances limit the runby; the counterweight
    // clearance just has to be met.
    double surplus = dif[0] < dif[1] ? dif[0] : dif[1];
    if (dif[2] < surplus) surplus = dif[2];
    if (dif[3] < surplus) surplus = dif[3];

    const bool imperial = sheet_.state().IsImperial;
    const bool compressed = sheet_.selected(O::optCompYes);
    const F own = imperial ? F::txtImpMaxRunby : F::txtMetMaxRunby;
    const F other = imperial ? F::txtMetMaxRunby : F::txtImpMaxRunby;
    const double runby = readings::lenientOf(sheet_, imperial ? F::txtImpRunby : F::txtMetRunby);
    // A compressed counterweight buffer holds the compression, which the
    // surplus has to make up first.
    sheet_.setText(own, resultFormat(compressed ? surplus - runby : runby + surplus));

    // The other unit starts from the value as displayed.
    const std::optional<double> shown = readings::strictOf(sheet_, own);
    if (!shown) return;
    sheet_.setText(other, resultFormat(*shown * (imperial ? units::kInchToMm : kMmToInches)));

    for (const CwtRunbyCap& cap : kCaps) {
        if (!sheet_.selected(cap.edition)) continue;
        const std::optional<double> value = readings::strictOf(sheet_, own);
        if (!value) return;
        if (*value > (imperial ? cap.inches : cap.mm)) {
            sheet_.message(std::string("Remember..........") + kNewLine + kNewLine +
                               cap.ruleSentence + (imperial ? cap.impPhrase : cap.metPhrase) +
                               kNewLine + kNewLine +
                               "One or more of your clearances would seem to indicate that a " +
                               "greater counterweight runby is permissible but....it is not.",
                           "Maximum Runby", Icon::Critical);
            sheet_.setText(F::txtImpMaxRunby, cap.impText);
            sheet_.setText(F::txtMetMaxRunby, cap.metText);
        }
    }
}

void MaxRunby::shortfall(bool counterweightShort) {
    sheet_.message(
        std::string("You do not have the minimum clearance for one or ") + "more of your entries !",
        "Caution !!", Icon::Critical);
    if (counterweightShort) {
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
