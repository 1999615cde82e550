#include "engine/Alerts.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/Readings.h"
#include "sheet/Columns.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

namespace {

constexpr std::array<F, 7> kResultMarks{F::txtDifCross,    F::txtDifRefuge,   F::txtDifShoes,
                                        F::txtDifObstruct, F::txtImpMaxRunby, F::txtMetMaxRunby,
                                        F::txtDifCwt};

/// Compression of a buffer as a share of its stroke.
bool overQuarter(double compression, double stroke) {
    return stroke != 0 && compression / stroke > 0.25;
}

void compressionWarning(Sheet& sheet, F impEntry, F metEntry, std::string_view buffer,
                        const char* prompt, const char* title) {
    const bool imperial = sheet.state().IsImperial;
    const double imp = readings::lenientOf(sheet, impEntry);
    const double met = readings::lenientOf(sheet, metEntry);
    const F entry = imperial ? impEntry : metEntry;
    WorkedLine line(sheet);
    line << buffer << " buffer compression (" << rulesOf(sheet).compression << "): ";
    // A negative entry is the runby of a buffer that is not compressed.
    if (imp < 0 || met < 0) {
        line << "none, the entry ";
        line.entry(entry, imperial ? imp : met).length()
            << " is the runby of a buffer not compressed";
        return;
    }
    // The stroke is positive here: Calculate has rejected any other.
    const F strokeField = imperial ? F::txtImpStroke : F::txtMetStroke;
    const double compression = imperial ? imp : met;
    const double stroke = readings::lenientOf(sheet, strokeField);
    const bool over = overQuarter(compression, stroke);
    line.entry(entry, compression).length() << " of the ";
    line.entry(strokeField, stroke).length()
        << " stroke, " << (over ? "more than 25%; " : "not more than 25%");
    if (!over) return;
    line.shown(title);
    sheet.message(prompt, title, Icon::Critical);
}

}  // namespace

void Alerts::WhiteYellow() {
    for (F f : (sheet_.state().IsImperial ? kImperialInputs : kMetricInputs).inOrder()) {
        sheet_.setColour(f, Colour::White);
    }
    for (F f : kResultMarks) sheet_.setColour(f, Colour::Yellow);
}

void Alerts::CompressionWarning() {
    compressionWarning(sheet_, F::txtImpRunby, F::txtMetRunby, "Counterweight",
                       "More than 25% compression of the counterweight buffer !",
                       "Excessive Counterweight Buffer Compression !!");
}

void Alerts::CompressionWarning1() {
    compressionWarning(sheet_, F::txtImpRunbyCar, F::txtMetRunbyCar, "Car",
                       "More than 25% compression of the car buffer !",
                       "Excessive Car Buffer Compression !!");
}

}  // namespace tarnwick
