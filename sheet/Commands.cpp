#include "sheet/Commands.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "sheet/CaseTable.h"
#include "sheet/Columns.h"
#include "sheet/Numbers.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

namespace {

// Rated speeds above these need a compensating rope tie-down device.
constexpr double kImperialTieDownSpeed = 700;  // ft/min
constexpr double kMetricTieDownSpeed = 3.56;   // m/s

// Entries of this size or more are refused like missing ones: nothing on an
// elevator comes near it, a double no longer holds the two decimals the sheet
// shows, and far larger entries would carry the rules' squares out of the
// range of a double.
constexpr double kLargestEntry = 1e15;

// Measured clearances of this size or more are refused like missing
// entries: below it a difference keeps its two decimals exact in the fifteen
// significant digits the result format writes, above it the difference would
// show digits that were never computed.
constexpr double kLargestMeasured = 1e13;

/// Whether a value is `largest` or more in size, or no number at all.
bool tooLarge(double value, double largest) {
    return !(std::abs(value) < largest);
}

Message entryMissing() {
    return {"Have you made a positive entry in every field?", "Please Make An Entry",
            Icon::Question, Buttons::Ok, Answer::Ok};
}

constexpr std::string_view kCalculateStopped =
    "Calculate stopped at the check of the entries, before any case: the ";
constexpr std::string_view kCalculateMeasuredStopped =
    "Calculate stopped at the check of the entries, before any case: the measured clearance of "
    "the ";

/// The working of a command that stopped at its check of the entries.
void stopped(Sheet& sheet, std::string_view where, F field, std::string_view why,
             std::string_view title) {
    (WorkedLine(sheet) << where << inWords(field) << why << "; ").shown(title);
}

/// Why an entry was refused: not positive, or too large to compute with.
std::string_view refused(double value, bool mustBePositive) {
    return mustBePositive && value <= 0 ? " is not a positive entry"
                                        : " is too large to calculate with";
}

}  // namespace

bool Commands::entriesAccepted() {
    const bool imperial = sheet_.state().IsImperial;
    const InputColumn& in = imperial ? kImperialInputs : kMetricInputs;
    const auto read = [this](F f) { return lenient(sheet_.text(f)); };

    const double speed = read(in.speed);
    if (sheet_.selected(O::optTieDownNo) &&
        speed > (imperial ? kImperialTieDownSpeed : kMetricTieDownSpeed)) {
        const char* title = imperial ? "Your Speed is Over 700 FPM" : "Your Speed is Over 3.56 MPS";
        WorkedLine line(sheet_);
        line << kCalculateStopped << "rated speed ";
        line.entry(in.speed, speed).speed() << " is over ";
        line.number(imperial ? kImperialTieDownSpeed : kMetricTieDownSpeed).speed()
            << " without a compensating rope tie-down device (" << rulesOf(sheet_).tieDown << "); ";
        line.shown(title);
        sheet_.message("You must have a compensating rope tie-down device!", title, Icon::Critical);
        sheet_.setFocus(in.speed);
        return false;
    }

    if (sheet_.selected(O::optSpring)) {
        const double govTrip = read(in.govTrip);
        if (govTrip <= 0 || tooLarge(govTrip, kLargestEntry)) {
            stopped(sheet_, kCalculateStopped, in.govTrip, refused(govTrip, true),
                    "Please Make An Entry");
            sheet_.message(entryMissing());
            sheet_.setFocus(in.govTrip);
            return false;
        }
    }

    // With the compressed answer the runbys hold buffer compressions, for
    // which zero and negative values are meaningful.
    const bool runbysPositive = sheet_.selected(O::optCompNo);
    const std::array<std::pair<F, bool>, 4> checks{{{in.speed, true},
                                                    {in.runby, runbysPositive},
                                                    {in.runbyCar, runbysPositive},
                                                    {in.stroke, true}}};
    for (const auto& [field, mustBePositive] : checks) {
        const double value = read(field);
        if ((mustBePositive && value <= 0) || tooLarge(value, kLargestEntry)) {
            stopped(sheet_, kCalculateStopped, field, refused(value, mustBePositive),
                    "Please Make An Entry");
            sheet_.message(entryMissing());
            sheet_.setFocus(field);
            return false;
        }
    }

    // The measured clearances may be left empty, but one too large to take
    // the minimum from is refused like an entry.
    for (F field : kMeasured) {
        if (tooLarge(read(field), kLargestMeasured)) {
            stopped(sheet_, kCalculateMeasuredStopped, field, refused(1, false),
                    "Please Make An Entry");
            sheet_.message(entryMissing());
            sheet_.setFocus(field);
            return false;
        }
    }
    return true;
}

void Commands::cmdCalculate_Click() {
    // The working is this calculation's from the start, even one that stops
    // at its entries.
    sheet_.working().clear();
    engine_.WhiteYellow();
    if (!entriesAccepted()) return;
    // Every row is tested afresh, in order, as the cases read the answers
    // themselves.
    for (std::size_t i = 0; i < kCases.size(); ++i) {
        if (kCases[i].holds(sheet_)) engine_.runCase(static_cast<int>(i) + 1);
    }
    engine_.RedAlert();
    sheet_.working().finish();
    sheet_.setEnabled(B::cmdMaxRunby, true);
}

void Commands::cmdMaxRunby_Click() {
    sheet_.setText(F::txtImpMaxRunby, "");
    sheet_.setText(F::txtMetMaxRunby, "");
    sheet_.working().clear();
    for (F f : kMeasured) {
        const double measured = lenient(sheet_.text(f));
        if (measured <= 0 || tooLarge(measured, kLargestMeasured)) {
            stopped(sheet_,
                    "Max Runby stopped at the check of the measured clearances: the measured "
                    "clearance of the ",
                    f, refused(measured, true), "Please Make An Entry");
            sheet_.message(std::string("Have you made a positive entry in all ") + "fields?",
                           "Please Make An Entry", Icon::Question);
            sheet_.setFocus(f);
            return;
        }
    }
    if (sheet_.state().IsImperial) {
        engine_.ImpDifferences();
    } else {
        engine_.MetDifferences();
    }
    cmdCalculate_Click();
}

}  // namespace tarnwick
