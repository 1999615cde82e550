// RedAlert: paints red every entry and result of the latest calculation that
// breaks its limit, and moves the focus to the topmost one.
#include <array>
#include <optional>

#include "engine/Alerts.h"
#include "engine/Readings.h"
#include "sheet/Columns.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

namespace {

/// One pass of the rules over the active unit system's fields. Every rule
/// that reads a whole number returns false when the text is not one: the
/// pass then stops where it is, keeping the marks painted so far.
class RedMarks {
public:
    explicit RedMarks(Sheet& sheet) : sheet_(sheet), imperial_(sheet.state().IsImperial) {
        const EditionValues& e = sheet.state().edition;
        // clang-format off
        if (imperial_) {
            u_ = {.govTrip = F::txtImpGovTrip, .speed = F::txtImpSpeed, .runby = F::txtImpRunby,
                  .runbyCar = F::txtImpRunbyCar, .stroke = F::txtImpStroke,
                  .minStroke = F::txtImpMinStroke, .maxRunby = F::txtImpMaxRunby,
                  .minRunby = 6, .carMax = 24, .cwtMax = e.ImpMaxCwtRunby};
        } else {
            u_ = {.govTrip = F::txtMetGovTrip, .speed = F::txtMetSpeed, .runby = F::txtMetRunby,
                  .runbyCar = F::txtMetRunbyCar, .stroke = F::txtMetStroke,
                  .minStroke = F::txtMetMinStroke, .maxRunby = F::txtMetMaxRunby,
                  .minRunby = e.MetObstruct, .carMax = e.MetCrosshead, .cwtMax = e.MetMaxCwtRunby};
        }
        // clang-format on
    }

    bool spring() {
        const std::optional<double> trip = springLimit(false);
        if (!trip) return false;
        if (len(u_.govTrip) > *trip) red(u_.govTrip);
        const std::optional<double> speed = springLimit(true);
        if (!speed) return false;
        if (len(u_.speed) > *speed) red(u_.speed);
        belowMinimum(true);
        aboveMaximum(true, true);
        if (!shortStroke() || !shortfalls()) return false;
        maxRunbyLimits(true, true);
        return true;
    }

    bool imperialOil() {
        const bool uncompressed = sheet_.selected(O::optCompNo);
        const bool compressed = sheet_.selected(O::optCompYes);
        belowMinimum(uncompressed);
        aboveMaximum(uncompressed, uncompressed);
        if (!shortStroke() || !shortfalls()) return false;
        maxRunbyLimits(uncompressed, false);
        // The runby of an uncompressed buffer, entered as a negative
        // compression, against the maximum runby; read only when the
        // entries are compressions.
        if (compressed) {
            const std::optional<double> cwt = readings::strictOf(sheet_, u_.runby);
            if (!cwt) return false;
            if (*cwt < -u_.cwtMax) red(u_.runby);
            const std::optional<double> car = readings::strictOf(sheet_, u_.runbyCar);
            if (!car) return false;
            if (*car < -u_.carMax) red(u_.runbyCar);
        }
        return overQuarter(compressed, u_.runbyCar) && overQuarter(compressed, u_.runby);
    }

    bool metricOil() {
        const bool uncompressed = sheet_.selected(O::optCompNo);
        const bool compressed = sheet_.selected(O::optCompYes);
        if (compressed && len(u_.runby) < -u_.cwtMax) red(u_.runby);
        if (compressed && len(u_.runbyCar) < -u_.carMax) red(u_.runbyCar);
        belowMinimum(uncompressed);
        // The metric maxima hold whatever the compression answer.
        aboveMaximum(true, true);
        if (!shortStroke() || !shortfalls()) return false;
        maxRunbyLimits(uncompressed, true);
        return overQuarter(compressed, u_.runbyCar) && overQuarter(compressed, u_.runby);
    }

    /// Focus to the topmost red field; for a red difference its measured
    /// clearance. A red maximum runby does not take the focus.
    void moveFocus() {
        for (F f : inputs()) {
            if (isRed(f)) {
                sheet_.setFocus(f);
                return;
            }
        }
        for (std::size_t i = 0; i < kDifferences.size(); ++i) {
            if (isRed(kDifferences[i])) {
                sheet_.setFocus(kMeasured[i]);
                return;
            }
        }
    }

    /// No maximum counterweight runby is offered for entries that break a
    /// limit.
    void closingStep() {
        for (F f : inputs()) {
            if (isRed(f)) {
                WorkedLine(sheet_) << "No maximum counterweight runby is offered: the "
                                   << inWords(f) << " breaks a limit and is marked red";
                sheet_.working().withdraw(F::txtImpMaxRunby);
                sheet_.working().withdraw(F::txtMetMaxRunby);
                sheet_.setText(F::txtImpMaxRunby, "");
                sheet_.setText(F::txtMetMaxRunby, "");
                return;
            }
        }
    }

private:
    struct Unit {
        F govTrip, speed, runby, runbyCar, stroke, minStroke, maxRunby;
        double minRunby, carMax, cwtMax;
    };

    double len(F f) const { return readings::lenientOf(sheet_, f); }
    void red(F f) { sheet_.setColour(f, Colour::Red); }
    bool isRed(F f) const { return sheet_.colour(f) == Colour::Red; }
    std::array<F, 5> inputs() const {
        return {u_.govTrip, u_.speed, u_.runby, u_.runbyCar, u_.stroke};
    }

    /// Spring buffer limits: 200 and 280 ft/min, or the edition's metric
    /// texts, read as numbers each time.
    std::optional<double> springLimit(bool speed) const {
        if (imperial_) return speed ? 200.0 : 280.0;
        const EditionValues& e = sheet_.state().edition;
        return strict(speed ? e.MetSpringSpeedText : e.MetSpringTripText);
    }

    void belowMinimum(bool applies) {
        if (applies && len(u_.runby) < u_.minRunby) red(u_.runby);
        if (applies && len(u_.runbyCar) < u_.minRunby) red(u_.runbyCar);
    }

    void aboveMaximum(bool cwtApplies, bool carApplies) {
        if (cwtApplies && len(u_.runby) > u_.cwtMax) red(u_.runby);
        if (carApplies && len(u_.runbyCar) > u_.carMax) red(u_.runbyCar);
    }

    bool shortStroke() {
        const std::optional<double> required = readings::strictOf(sheet_, u_.minStroke);
        if (!required) return false;
        if (*required > len(u_.stroke)) red(u_.stroke);
        return true;
    }

    bool shortfalls() {
        for (F f : kDifferences) {
            const std::optional<double> dif = readings::strictOf(sheet_, f);
            if (!dif) return false;
            if (*dif < 0) red(f);
        }
        return true;
    }

    void maxRunbyLimits(bool minimumApplies, bool maximumApplies) {
        if (minimumApplies && len(u_.maxRunby) < u_.minRunby) red(u_.maxRunby);
        if (maximumApplies && len(u_.maxRunby) > u_.cwtMax) red(u_.maxRunby);
    }

    /// More than a quarter of the stroke compressed. Dividing by an empty
    /// stroke is a failure like a text that is not a number.
    bool overQuarter(bool applies, F entry) {
        if (!applies) return true;
        const double stroke = len(u_.stroke);
        if (stroke == 0) return false;
        if (len(entry) / stroke > 0.25) red(entry);
        return true;
    }

    Sheet& sheet_;
    bool imperial_;
    Unit u_{};
};

}  // namespace

void Alerts::RedAlert() {
    RedMarks marks(sheet_);
    bool completed = false;
    if (sheet_.selected(O::optSpring)) {
        completed = marks.spring();
    } else if (sheet_.state().IsImperial) {
        completed = marks.imperialOil();
    } else {
        completed = marks.metricOil();
    }
    if (!completed) return;
    marks.moveFocus();
    marks.closingStep();
}

}  // namespace tarnwick
