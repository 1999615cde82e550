#include "engine/Alerts.h"

#include <array>
#include <string>

#include "engine/Readings.h"
#include "sheet/Columns.h"

namespace tarnwick {

namespace {

constexpr std::array<F, 7> kResultMarks{F::txtDifCross,    F::txtDifRefuge,   F::txtDifShoes,
                                        F::txtDifObstruct, F::txtImpMaxRunby, F::txtMetMaxRunby,
                                        F::txtDifCwt};

/// Compression of a buffer as a share of its stroke.
bool overQuarter(double compression, double stroke) {
    return stroke != 0 && compression / stroke > 0.25;
}

void compressionWarning(Sheet& sheet, F impEntry, F metEntry, const char* prompt,
                        const char* title) {
    const double imp = readings::lenientOf(sheet, impEntry);
    const double met = readings::lenientOf(sheet, metEntry);
    // A negative entry is the runby of a buffer that is not compressed.
    if (imp < 0 || met < 0) return;
    // The stroke is positive here: Calculate has rejected any other.
    const bool over = sheet.state().IsImperial
                          ? overQuarter(imp, readings::lenientOf(sheet, F::txtImpStroke))
                          : overQuarter(met, readings::lenientOf(sheet, F::txtMetStroke));
    if (over) sheet.message(prompt, title, Icon::Critical);
}

}  // namespace

void Alerts::WhiteYellow() {
    for (F f : (sheet_.state().IsImperial ? kImperialInputs : kMetricInputs).inOrder()) {
        sheet_.setColour(f, Colour::White);
    }
    for (F f : kResultMarks) sheet_.setColour(f, Colour::Yellow);
}

void Alerts::CompressionWarning() {
    compressionWarning(sheet_, F::txtImpRunby, F::txtMetRunby,
                       "More than 25% compression of the counterweight buffer !",
                       "Excessive Counterweight Buffer Compression !!");
}

void Alerts::CompressionWarning1() {
    compressionWarning(sheet_, F::txtImpRunbyCar, F::txtMetRunbyCar,
                       "More than 25% compression of the car buffer !",
                       "Excessive Car Buffer Compression !!");
}

}  // namespace tarnwick
