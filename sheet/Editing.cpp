#include "sheet/Editing.h"

#include <array>

#include "sheet/Columns.h"
#include "sheet/Numbers.h"
#include "sheet/Units.h"

namespace tarnwick {

namespace {

using units::kFpmToMps;
using units::kInchToMm;
using units::kMmToInch;
using units::kMpsToFpm;

/// A field of the imperial column and its metric twin.
struct Twin {
    F imperial;
    F metric;
    double toMetric;
    double toImperial;
};

constexpr Twin length(F imperial, F metric) {
    return {imperial, metric, kInchToMm, kMmToInch};
}
constexpr Twin speed(F imperial, F metric) {
    return {imperial, metric, kFpmToMps, kMpsToFpm};
}

constexpr std::array<Twin, 5> kInputTwins{
    speed(F::txtImpGovTrip, F::txtMetGovTrip), speed(F::txtImpSpeed, F::txtMetSpeed),
    length(F::txtImpRunby, F::txtMetRunby), length(F::txtImpRunbyCar, F::txtMetRunbyCar),
    length(F::txtImpStroke, F::txtMetStroke)};

// The maximum runby boxes are not among them: the maximum runby procedure
// writes both boxes itself.
constexpr std::array<Twin, 7> kResultTwins{
    length(F::txtImpMinStroke, F::txtMetMinStroke),
    length(F::txtImpMaxJump, F::txtMetMaxJump),
    length(F::txtImpMinCrosshead, F::txtMetMinCrosshead),
    length(F::txtImpMinRefuge, F::txtMetMinRefuge),
    length(F::txtImpMinShoes, F::txtMetMinShoes),
    length(F::txtImpMinObstruct, F::txtMetMinObstruct),
    length(F::txtImpMinCwtObstruct, F::txtMetMinCwtObstruct)};

/// Where a field stands among a list of twins: its pair, and whether it is
/// the imperial one.
struct Place {
    const Twin* twin = nullptr;
    bool imperial = false;
};

template <std::size_t N>
Place find(const std::array<Twin, N>& twins, F f) {
    for (const Twin& t : twins) {
        if (t.imperial == f || t.metric == f) return {&t, t.imperial == f};
    }
    return {};
}

constexpr std::array<F, 7> kDifferencesAndMaxRunby{
    F::txtDifCross, F::txtDifRefuge,   F::txtDifShoes,   F::txtDifObstruct,
    F::txtDifCwt,   F::txtImpMaxRunby, F::txtMetMaxRunby};

template <std::size_t N>
void emptyAll(Sheet& sheet, const std::array<F, N>& fields) {
    for (F f : fields) sheet.setText(f, "");
}

bool isMeasured(F f) {
    for (F m : kMeasured) {
        if (m == f) return true;
    }
    return false;
}

}  // namespace

void Editing::convertTwin(F source, F target, double factor) {
    // A product too large for a double has no result-format text and leaves
    // the twin empty rather than showing "inf".
    sheet_.setText(target, resultFormat(lenient(sheet_.text(source)) * factor));
}

void Editing::changed(F field) {
    const bool imperialMode = sheet_.state().IsImperial;
    if (const Place input = find(kInputTwins, field); input.twin) {
        const Twin& t = *input.twin;
        if (sheet_.colour(field) == Colour::Red) sheet_.setColour(field, Colour::White);
        if (input.imperial) {
            Clear346();
            if (imperialMode) convertTwin(t.imperial, t.metric, t.toMetric);
        } else {
            Clear436();
            if (!imperialMode) convertTwin(t.metric, t.imperial, t.toImperial);
        }
    } else if (const Place result = find(kResultTwins, field); result.twin) {
        // Only the active column's results convert, so a twin never writes
        // back into the field that wrote it.
        const Twin& t = *result.twin;
        if (result.imperial && imperialMode) convertTwin(t.imperial, t.metric, t.toMetric);
        if (!result.imperial && !imperialMode) convertTwin(t.metric, t.imperial, t.toImperial);
    } else if (isMeasured(field)) {
        Clear6();
    }
}

void Editing::gotFocus(F field) {
    if (find(kInputTwins, field).twin || isMeasured(field) || field == F::txtID) TextSelected();
}

void Editing::TextSelected() {
    const Element focused = sheet_.focus();
    if (!focused.isField()) return;
    const F f = focused.field();
    sheet_.setSelection(f, 0, sheet_.length(f));
}

void Editing::Focus() {
    const InputColumn& column = sheet_.state().IsImperial ? kImperialInputs : kMetricInputs;
    if (sheet_.selected(O::optSpring)) {
        sheet_.setFocus(column.govTrip);
    } else if (sheet_.selected(O::optOil)) {
        sheet_.setFocus(column.speed);
    }
}

void Editing::Clear1() {
    emptyAll(sheet_, kImperialInputs.inOrder());
}

void Editing::Clear2() {
    emptyAll(sheet_, kMetricInputs.inOrder());
}

// The working goes with the results it worked out, whichever of them a
// clear empties.
void Editing::Clear3() {
    sheet_.working().clear();
    emptyAll(sheet_, kImperialResults);
}

void Editing::Clear4() {
    sheet_.working().clear();
    emptyAll(sheet_, kMetricResults);
}

void Editing::Clear5() {
    emptyAll(sheet_, kMeasured);
}

void Editing::Clear6() {
    sheet_.working().clear();
    emptyAll(sheet_, kDifferencesAndMaxRunby);
}

// Emptying a result of the active column writes 0.00 into its twin; the
// results of the active column therefore go first and their twins after.
void Editing::Clear346() {
    Clear3();
    Clear4();
    Clear6();
}

void Editing::Clear436() {
    Clear4();
    Clear3();
    Clear6();
}

// The repeated steps empty again whatever a conversion on the way wrote into
// a twin, whichever column is active.
void Editing::ClearAll() {
    Clear2();
    Clear1();
    Clear2();
    Clear3();
    Clear4();
    Clear3();
    Clear5();
    Clear6();
    Focus();
}

void Editing::cmdClearAll_Click() {
    sheet_.setText(F::txtID, "");
    ClearAll();
    engine_.WhiteYellow();
    sheet_.setEnabled(B::cmdMaxRunby, false);
    Focus();
}

void Editing::cmdClearMet_Click() {
    Clear1();
    Clear2();
    Clear1();
    Clear3();
    Clear4();
    Clear3();
    Clear6();
    engine_.WhiteYellow();
    sheet_.setEnabled(B::cmdMaxRunby, false);
    Focus();
}

void Editing::cmdClearMea_Click() {
    Clear5();
    Clear6();
    for (F f : kDifferencesAndMaxRunby) sheet_.setColour(f, Colour::Yellow);
    sheet_.setFocus(F::txtCrossMea);
}

}  // namespace tarnwick
