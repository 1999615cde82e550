#include "engine/StrokeRules.h"

#include <array>
#include <string>

#include "engine/Readings.h"

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

// Imperial speed bounds of the reduced-stroke bands, the same in every edition.
constexpr double kImpReducedSpeed = 800;
constexpr double kImpReducedSpeed2 = 889;

/// Required full oil stroke: the formula value, unless the speed text is
/// exactly one of the listed speeds, which takes the table stroke.
double fullOilStroke(const std::string& speedText, double constant,
                     const std::array<ListedStroke, 23>& table) {
    const double v = lenient(speedText);
    double stroke = round2(v * v * constant);
    for (const ListedStroke& row : table) {
        if (speedText == plainText(row.speed)) {
            stroke = row.stroke;
            break;
        }
    }
    return stroke;
}

double reducedStroke(double speed, double constant) {
    const double v = 1.15 * speed;
    return v * v * constant;
}

}  // namespace

void StrokeRules::ImpOilRegStroke() {
    sheet_.state().Movement = fullOilStroke(sheet_.text(F::txtImpSpeed), kImpOilStroke, kImpListed);
    sheet_.setText(F::txtImpMinStroke, readings::plainResult(sheet_.state().Movement));
}

void StrokeRules::MetOilRegStroke() {
    sheet_.state().Movement = fullOilStroke(sheet_.text(F::txtMetSpeed), kMetOilStroke, kMetListed);
    sheet_.setText(F::txtMetMinStroke, readings::plainResult(sheet_.state().Movement));
}

void StrokeRules::ImpSpringStrokeCalc() {
    if (!sheet_.selected(O::optSpring)) return;
    // Both unit systems classify the speed in ft/min; in metric mode the
    // imperial speed field holds the converted rated speed.
    const double speed = ruleSpeed(sheet_.text(F::txtImpSpeed));
    if (speed > 150) {
        sheet_.setText(F::txtImpMinStroke, "4");
        sheet_.setText(F::txtMetMinStroke, "100");
    } else if (speed > 100) {
        sheet_.setText(F::txtImpMinStroke, "2.5");
        sheet_.setText(F::txtMetMinStroke, "63");
    } else {
        sheet_.setText(F::txtImpMinStroke, "1.5");
        sheet_.setText(F::txtMetMinStroke, "38");
    }
}

void StrokeRules::MetSpringStrokeCalc() {
    ImpSpringStrokeCalc();
}

void StrokeRules::writeReducedBand(int band) {
    const double vi = lenientOf(sheet_, F::txtImpSpeed);
    const double vm = lenientOf(sheet_, F::txtMetSpeed);
    if (band == 1) {
        sheet_.setText(F::txtImpMinStroke, resultFormat(reducedStroke(vi, kImpReducedHalf)));
        sheet_.setText(F::txtMetMinStroke, resultFormat(reducedStroke(vm, kMetReducedHalf)));
    } else if (band == 2) {
        sheet_.setText(F::txtImpMinStroke, "18");
        sheet_.setText(F::txtMetMinStroke, sheet_.state().edition.MetReducedMinStrokeText);
    } else {
        sheet_.setText(F::txtImpMinStroke, resultFormat(reducedStroke(vi, kImpReducedThird)));
        sheet_.setText(F::txtMetMinStroke, resultFormat(reducedStroke(vm, kMetReducedThird)));
    }
}

void StrokeRules::ImpOilReducedStroke() {
    const double speed = ruleSpeed(sheet_.text(F::txtImpSpeed));
    writeReducedBand(speed < kImpReducedSpeed ? 1 : speed < kImpReducedSpeed2 ? 2 : 3);
}

void StrokeRules::MetricOilReducedStroke() {
    const EditionValues& edition = sheet_.state().edition;
    const double speed = ruleSpeed(sheet_.text(F::txtMetSpeed));
    const double lower = ruleSpeed(edition.MetReducedSpeedText);
    const double upper = ruleSpeed(edition.MetReducedSpeed2Text);
    writeReducedBand(speed < lower ? 1 : speed < upper ? 2 : 3);
}

void StrokeRules::minStrokeCheck(F required, F provided) {
    if (lenientOf(sheet_, required) > lenientOf(sheet_, provided)) {
        sheet_.message("The required buffer stroke has not been provided !",
                       "Buffer Stroke Is Short !!", Icon::Critical);
        sheet_.setFocus(provided);
    }
}

void StrokeRules::ImpMinStroke() {
    minStrokeCheck(F::txtImpMinStroke, F::txtImpStroke);
}

void StrokeRules::MetMinStroke() {
    minStrokeCheck(F::txtMetMinStroke, F::txtMetStroke);
}

}  // namespace tarnwick
