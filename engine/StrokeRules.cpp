#include "engine/StrokeRules.h"

#include <array>
#include <string>

#include "engine/Readings.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

using readings::lenientOf;
using readings::ruleSpeed;

namespace {

struct ListedStroke {
    double speed;
    double stroke;
};

// A17.1 stroke table for full-stroke oil buffers (Table 201.4a / 2.22.4.1).
// The imperial and the metric column are separate tables: a row of one unit
// system is never looked up for the other.
constexpr std::array<ListedStroke, 23> kImpListed{{
    {200, 2.75},    {225, 3.5},     {250, 4.25},    {300, 6.25},   {350, 8.25},    {400, 11},
    {450, 13.75},   {500, 17},      {600, 24.75},   {700, 33.25},  {800, 43.75},   {900, 55.5},
    {1000, 68.5},   {1100, 83},     {1200, 98.5},   {1300, 115.5}, {1400, 134.5},  {1500, 154},
    {1600, 175.25}, {1700, 197.75}, {1800, 221.75}, {1900, 247},   {2000, 273.75},
}};

constexpr std::array<ListedStroke, 23> kMetListed{{
    {1, 65},     {1.12, 85},  {1.25, 105}, {1.5, 155},  {1.75, 205}, {2, 270},
    {2.25, 340}, {2.5, 425},  {3, 605},    {3.5, 825},  {4, 1080},   {4.5, 1365},
    {5, 1685},   {5.5, 2040}, {6, 2425},   {6.5, 2845}, {7, 3300},   {7.5, 3790},
    {8, 4310},   {8.5, 4870}, {9, 5460},   {9.5, 6080}, {10, 6740},
}};

// Gravity stopping distance at 115 % of rated speed, (1.15)^2 / 19320 for
// inches with ft/min and (1.15)^2 / 0.01963 for millimetres with m/s, with
// the roundings the A17.1 tables were worked out with.
constexpr double kImpOilStroke = 6.8452381e-5;
constexpr double kMetOilStroke = 67.3713703515;

// Reduced-stroke buffers: half the stopping distance below the lower speed
// bound, a third of it from the upper bound on.
constexpr double kImpReducedHalf = 2.5879917184265e-5;
constexpr double kMetReducedHalf = 25.4712175241977;
constexpr double kImpReducedThird = 1.72532781228416e-5;
constexpr double kMetReducedThird = 16.9808116827967;

// Spring buffer strokes by the rated speed in ft/min, the fastest band first:
// the first band the speed is above, else the last.
struct SpringBand {
    double above;
    const char* words;
    const char* imp;
    const char* met;
};
constexpr std::array<SpringBand, 3> kSpringBands{{
    {150, " is above 150 ft/min: ", "4", "100"},
    {100, " is above 100 and up to 150 ft/min: ", "2.5", "63"},
    {0, " is 100 ft/min or less: ", "1.5", "38"},
}};

// Imperial speed bounds of the reduced-stroke bands, the same in every edition.
constexpr double kImpReducedSpeed = 800;
constexpr double kImpReducedSpeed2 = 889;

/// Required full oil stroke: the formula value, unless the speed text is
/// exactly one of the listed speeds, which takes the table stroke. Leaves it
/// in `Movement` and writes it into `strokeField`.
void fullOilStroke(Sheet& sheet, F speedField, F strokeField, double constant,
                   const std::array<ListedStroke, 23>& table) {
    const std::string& speedText = sheet.text(speedField);
    const double v = lenient(speedText);
    const double formula = round2(v * v * constant);
    const ListedStroke* listed = nullptr;
    for (const ListedStroke& row : table) {
        if (speedText == plainText(row.speed)) {
            listed = &row;
            break;
        }
    }
    const EditionRules& rules = rulesOf(sheet);
    WorkedLine line(sheet);
    line << "Required buffer stroke by the formula (" << rules.fullStroke << "): ";
    line.entry(speedField, v, true) << "² × ";
    line.constant(constant) << " = ";
    line.number(formula).length();

    sheet.state().Movement = listed ? listed->stroke : formula;
    const std::string stroke = readings::plainResult(sheet.state().Movement);
    WorkedLine decided(sheet);
    decided << "Required buffer stroke: ";
    decided.result(speedField, speedText).speed();
    if (listed) {
        decided << " is listed in " << rules.strokeTable << " with ";
        decided.number(listed->stroke).length() << ", and the table decides: ";
    } else {
        decided << " is not a speed listed in " << rules.strokeTable
                << ", so the formula decides: ";
    }
    decided.result(strokeField, stroke).length();
    sheet.setText(strokeField, stroke);
}

double reducedStroke(double speed, double constant) {
    const double v = 1.15 * speed;
    return v * v * constant;
}

}  // namespace

void StrokeRules::ImpOilRegStroke() {
    fullOilStroke(sheet_, F::txtImpSpeed, F::txtImpMinStroke, kImpOilStroke, kImpListed);
}

void StrokeRules::MetOilRegStroke() {
    fullOilStroke(sheet_, F::txtMetSpeed, F::txtMetMinStroke, kMetOilStroke, kMetListed);
}

void StrokeRules::ImpSpringStrokeCalc() {
    if (!sheet_.selected(O::optSpring)) return;
    // Both unit systems classify the speed in ft/min; in metric mode the
    // imperial speed field holds the converted rated speed.
    const double speed = ruleSpeed(sheet_.text(F::txtImpSpeed));
    const SpringBand* band = &kSpringBands.back();
    for (const SpringBand& b : kSpringBands) {
        if (speed > b.above) {
            band = &b;
            break;
        }
    }
    const bool imperial = sheet_.state().IsImperial;
    WorkedLine line(sheet_);
    line << "Required buffer stroke of the spring buffer (" << rulesOf(sheet_).springStroke
         << "): the rated speed ";
    line.number(speed) << (imperial ? " ft/min" : " ft/min (the imperial column's)") << band->words;
    line.result(imperial ? F::txtImpMinStroke : F::txtMetMinStroke,
                imperial ? band->imp : band->met)
        .length();
    sheet_.setText(F::txtImpMinStroke, band->imp);
    sheet_.setText(F::txtMetMinStroke, band->met);
}

void StrokeRules::MetSpringStrokeCalc() {
    ImpSpringStrokeCalc();
}

void StrokeRules::writeReducedBand(int band, double speed, double lower, double upper) {
    const bool imperial = sheet_.state().IsImperial;
    const F speedField = imperial ? F::txtImpSpeed : F::txtMetSpeed;
    const double vi = lenientOf(sheet_, F::txtImpSpeed);
    const double vm = lenientOf(sheet_, F::txtMetSpeed);
    std::string imp, met;
    double constant = 0;
    if (band == 1) {
        imp = resultFormat(reducedStroke(vi, kImpReducedHalf));
        met = resultFormat(reducedStroke(vm, kMetReducedHalf));
        constant = imperial ? kImpReducedHalf : kMetReducedHalf;
    } else if (band == 2) {
        imp = "18";
        met = sheet_.state().edition.MetReducedMinStrokeText;
    } else {
        imp = resultFormat(reducedStroke(vi, kImpReducedThird));
        met = resultFormat(reducedStroke(vm, kMetReducedThird));
        constant = imperial ? kImpReducedThird : kMetReducedThird;
    }

    WorkedLine line(sheet_);
    line << "Required buffer stroke, decided by the reduced-stroke rule ("
         << rulesOf(sheet_).reducedStroke << "): the rated speed ";
    line.number(speed).speed();
    if (band == 1) {
        (line << " is below ").number(lower).speed() << ", 50% of the full stroke: (1.15 × ";
    } else if (band == 2) {
        (line << " is from ").number(lower) << " up to below ";
        line.number(upper).speed() << ": ";
    } else {
        (line << " is ").number(upper).speed() << " or more, 33 1/3% of the full stroke: (1.15 × ";
    }
    if (band != 2) {
        line.entry(speedField, imperial ? vi : vm, true) << ")² × ";
        line.constant(constant) << " = ";
    }
    line.result(imperial ? F::txtImpMinStroke : F::txtMetMinStroke, imperial ? imp : met).length();
    sheet_.setText(F::txtImpMinStroke, imp);
    sheet_.setText(F::txtMetMinStroke, met);
}

void StrokeRules::ImpOilReducedStroke() {
    const double speed = ruleSpeed(sheet_.text(F::txtImpSpeed));
    writeReducedBand(speed < kImpReducedSpeed    ? 1
                     : speed < kImpReducedSpeed2 ? 2
                                                 : 3,
                     speed, kImpReducedSpeed, kImpReducedSpeed2);
}

void StrokeRules::MetricOilReducedStroke() {
    const EditionValues& edition = sheet_.state().edition;
    const double speed = ruleSpeed(sheet_.text(F::txtMetSpeed));
    const double lower = ruleSpeed(edition.MetReducedSpeedText);
    const double upper = ruleSpeed(edition.MetReducedSpeed2Text);
    writeReducedBand(speed < lower ? 1 : speed < upper ? 2 : 3, speed, lower, upper);
}

void StrokeRules::minStrokeCheck(F required, F provided) {
    const double needed = lenientOf(sheet_, required);
    const double stroke = lenientOf(sheet_, provided);
    WorkedLine line(sheet_);
    line << "Buffer stroke check: the buffer stroke ";
    line.entry(provided, stroke).length() << " against the required ";
    line.entry(required, needed).length();
    if (needed > stroke) {
        line << ": short; ";
        line.shown("Buffer Stroke Is Short !!");
        sheet_.message("The required buffer stroke has not been provided !",
                       "Buffer Stroke Is Short !!", Icon::Critical);
        sheet_.setFocus(provided);
    } else {
        line << ": provided";
    }
}

void StrokeRules::ImpMinStroke() {
    minStrokeCheck(F::txtImpMinStroke, F::txtImpStroke);
}

void StrokeRules::MetMinStroke() {
    minStrokeCheck(F::txtMetMinStroke, F::txtMetStroke);
}

}  // namespace tarnwick
