#include "engine/Cases.h"

#include <array>
#include <string_view>

#include "sheet/Numbers.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

namespace {

constexpr std::array<std::string_view, 18> kCaseNames{
    "One",      "Two",      "Three",   "Four",    "Five",      "Six",
    "Seven",    "Eight",    "Nine",    "Ten",     "Eleven",    "Twelve",
    "Thirteen", "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen"};

}  // namespace

void Cases::heading(int number) {
    const Sheet& s = sheet_;
    const bool imperial = s.state().IsImperial;
    const bool spring = s.selected(O::optSpring);
    WorkedLine line(sheet_);
    line << "Case " << kCaseNames[static_cast<std::size_t>(number - 1)] << " ("
         << (imperial ? "imperial, " : "metric, ") << rulesOf(s).name << "): "
         << (spring                         ? "spring buffer"
             : s.selected(O::optReducedYes) ? "oil buffer of reduced stroke"
                                            : "oil buffer of full stroke")
         << ", rated speed ";
    const F speed = imperial ? F::txtImpSpeed : F::txtMetSpeed;
    line.entry(speed, lenient(s.text(speed))).speed();
    if (spring) {
        const F govTrip = imperial ? F::txtImpGovTrip : F::txtMetGovTrip;
        (line << ", governor tripping speed ").entry(govTrip, lenient(s.text(govTrip))).speed();
    }
    line << (s.selected(O::optTieDownYes) ? ", compensating rope tie-down"
                                          : ", no compensating rope tie-down")
         << (s.selected(O::optCompYes)
                 ? ", counterweight buffer partially compressed (the runbys are compressions)"
                 : ", counterweight buffer not partially compressed");
}

void Cases::run(int number) {
    if (number >= 1 && number <= 18) heading(number);
    switch (number) {
        case 1:
            One();
            break;
        case 2:
            Two();
            break;
        case 3:
            Three();
            break;
        case 4:
            Four();
            break;
        case 5:
            Five();
            break;
        case 6:
            Six();
            break;
        case 7:
            Seven();
            break;
        case 8:
            Eight();
            break;
        case 9:
            Nine();
            break;
        case 10:
            Ten();
            break;
        case 11:
            Eleven();
            break;
        case 12:
            Twelve();
            break;
        case 13:
            Thirteen();
            break;
        case 14:
            Fourteen();
            break;
        case 15:
            Fifteen();
            break;
        case 16:
            Sixteen();
            break;
        case 17:
            Seventeen();
            break;
        case 18:
            Eighteen();
            break;
        default:
            break;
    }
}

// Every step runs whatever the earlier ones reported; a step that ends on
// its own failure does not stop the case.
void Cases::imperialSteps(bool compressed) {
    differences_.ImpDifferences();
    runbyLimits_.ImpRunbyMinMax();
    if (compressed) {
        alerts_.CompressionWarning();
        alerts_.CompressionWarning1();
    }
    strokes_.ImpMinStroke();
    maxRunby_.FindMaxRunby();
}

void Cases::metricSteps(bool compressed) {
    differences_.MetDifferences();
    runbyLimits_.MetRunbyMinMax();
    if (compressed) {
        alerts_.CompressionWarning();
        alerts_.CompressionWarning1();
    }
    strokes_.MetMinStroke();
    maxRunby_.FindMaxRunby();
}

void Cases::imperialCase(void (StrokeRules::*stroke)(), MovementKind kind, bool compressed) {
    (strokes_.*stroke)();
    clearances_.ImpFill(kind, true);
    imperialSteps(compressed);
}

void Cases::metricCase(void (StrokeRules::*stroke)(), MovementKind kind, bool compressed) {
    (strokes_.*stroke)();
    clearances_.MetFill(kind, true);
    metricSteps(compressed);
}

void Cases::One() {
    strokes_.ImpOilRegStroke();
    clearances_.ImpOilRegCalc();
    imperialSteps(false);
}

void Cases::Two() {
    strokes_.MetOilRegStroke();
    clearances_.MetOilRegCalc();
    metricSteps(false);
}

// Spring buffers: the clearances, with the speed warnings, before the stroke.
void Cases::Three() {
    clearances_.ImpSpringCalc();
    strokes_.ImpSpringStrokeCalc();
    imperialSteps(false);
}

void Cases::Four() {
    clearances_.MetSpringCalc();
    strokes_.MetSpringStrokeCalc();
    metricSteps(false);
}

void Cases::Five() {
    imperialCase(&StrokeRules::ImpOilRegStroke, MovementKind::TieDown, false);
}

void Cases::Six() {
    metricCase(&StrokeRules::MetOilRegStroke, MovementKind::TieDown, false);
}

void Cases::Seven() {
    imperialCase(&StrokeRules::ImpOilRegStroke, MovementKind::CompressedFree, true);
}

void Cases::Eight() {
    metricCase(&StrokeRules::MetOilRegStroke, MovementKind::CompressedFree, true);
}

void Cases::Nine() {
    imperialCase(&StrokeRules::ImpOilReducedStroke, MovementKind::ReducedFree, false);
}

void Cases::Ten() {
    metricCase(&StrokeRules::MetricOilReducedStroke, MovementKind::ReducedFree, false);
}

void Cases::Eleven() {
    imperialCase(&StrokeRules::ImpOilReducedStroke, MovementKind::TieDown, false);
}

void Cases::Twelve() {
    metricCase(&StrokeRules::MetricOilReducedStroke, MovementKind::TieDown, false);
}

void Cases::Thirteen() {
    imperialCase(&StrokeRules::ImpOilRegStroke, MovementKind::CompressedTieDown, true);
}

void Cases::Fourteen() {
    metricCase(&StrokeRules::MetOilRegStroke, MovementKind::CompressedTieDown, true);
}

void Cases::Fifteen() {
    imperialCase(&StrokeRules::ImpOilReducedStroke, MovementKind::CompressedTieDown, true);
}

void Cases::Sixteen() {
    metricCase(&StrokeRules::MetricOilReducedStroke, MovementKind::CompressedTieDown, true);
}

void Cases::Seventeen() {
    imperialCase(&StrokeRules::ImpOilReducedStroke, MovementKind::CompressedFree, true);
}

void Cases::Eighteen() {
    metricCase(&StrokeRules::MetricOilReducedStroke, MovementKind::CompressedFree, true);
}

}  // namespace tarnwick
