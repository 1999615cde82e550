#include "engine/Clearances.h"

#include <string>

#include "engine/Readings.h"

namespace tarnwick {

using readings::kNewLine;
using readings::lenientOf;
using readings::plainResult;
using readings::ruleSpeed;

namespace {

// Half the gravity stopping distance at 115 % of rated speed,
// (1.15)^2 / 19320 / 2 for inches with ft/min.
constexpr double kImpGravity = 3.422619e-5;
// The same for millimetres with m/s, (1.15)^2 / 0.01963 / 2; the plain oil
// case and the compressed cases were worked out with different roundings.
constexpr double kMetGravityOil = 33.6856851758;
constexpr double kMetGravityCompressed = 33.6856851757514;
// Spring buffers: half the stopping distance at the governor tripping speed,
// 0.5 / 19320 and 0.5 / 0.01963.
constexpr double kImpGravitySpring = 2.5879917184265e-5;
constexpr double kMetGravitySpring = 25.47121752;

// Guide shoes or gate posts: added to the movement in either edition.
constexpr double kImpShoes = 0.06;
constexpr double kMetShoes = 1;

/// The fields and constants of one unit system's fill step.
struct UnitFields {
    F stroke, runby, runbyCar, speed, govTrip;
    F maxJump, crosshead, refuge, shoes, obstruct, cwtObstruct;
    double gravityOil, gravityCompressed, gravitySpring, shoesBase;
};

// clang-format off
constexpr UnitFields kImperial{
    .stroke = F::txtImpStroke, .runby = F::txtImpRunby, .runbyCar = F::txtImpRunbyCar,
    .speed = F::txtImpSpeed, .govTrip = F::txtImpGovTrip,
    .maxJump = F::txtImpMaxJump, .crosshead = F::txtImpMinCrosshead, .refuge = F::txtImpMinRefuge,
    .shoes = F::txtImpMinShoes, .obstruct = F::txtImpMinObstruct,
    .cwtObstruct = F::txtImpMinCwtObstruct,
    .gravityOil = kImpGravity, .gravityCompressed = kImpGravity,
    .gravitySpring = kImpGravitySpring, .shoesBase = kImpShoes};

constexpr UnitFields kMetric{
    .stroke = F::txtMetStroke, .runby = F::txtMetRunby, .runbyCar = F::txtMetRunbyCar,
    .speed = F::txtMetSpeed, .govTrip = F::txtMetGovTrip,
    .maxJump = F::txtMetMaxJump, .crosshead = F::txtMetMinCrosshead, .refuge = F::txtMetMinRefuge,
    .shoes = F::txtMetMinShoes, .obstruct = F::txtMetMinObstruct,
    .cwtObstruct = F::txtMetMinCwtObstruct,
    .gravityOil = kMetGravityOil, .gravityCompressed = kMetGravityCompressed,
    .gravitySpring = kMetGravitySpring, .shoesBase = kMetShoes};
// clang-format on

/// Upward movement, rounded to two decimals. The car rises by what the
/// counterweight can still travel (its runby) and the counterweight by what
/// the car can, so the counterweight runby gives the car's movement and the
/// car runby the counterweight's.
double movement(const Sheet& sheet, const UnitFields& u, MovementKind kind, F runbyField) {
    const double s = lenientOf(sheet, u.stroke);
    const double r = lenientOf(sheet, runbyField);
    double m = 0;
    switch (kind) {
        case MovementKind::OilFree: {
            const double v = lenientOf(sheet, u.speed);
            m = v * v * u.gravityOil + (s + r);
            break;
        }
        case MovementKind::TieDown:
            m = s + r;
            break;
        case MovementKind::CompressedFree: {
            const double v = lenientOf(sheet, u.speed);
            m = v * v * u.gravityCompressed + (s - r);
            break;
        }
        case MovementKind::CompressedTieDown:
            m = s - r;
            break;
        case MovementKind::ReducedFree:
            m = s * 1.5 + r;
            break;
        case MovementKind::Spring: {
            const double g = lenientOf(sheet, u.govTrip);
            m = g * g * u.gravitySpring + (s + r);
            break;
        }
    }
    return round2(m);
}

struct Bases {
    double crosshead, refuge, obstruct;
};

void fill(Sheet& sheet, const UnitFields& u, const Bases& base, MovementKind kind,
          bool storeMovement) {
    const double car = movement(sheet, u, kind, u.runby);
    if (storeMovement) sheet.state().Movement = car;
    sheet.setText(u.crosshead, plainResult(base.crosshead + car));
    sheet.setText(u.refuge, plainResult(base.refuge + car));
    sheet.setText(u.shoes, plainResult(car + u.shoesBase));
    sheet.setText(u.obstruct, plainResult(base.obstruct + car));
    sheet.setText(u.maxJump, plainResult(car));
    // The counterweight's movement is read afresh from the fields.
    const double cwt = movement(sheet, u, kind, u.runbyCar);
    sheet.setText(u.cwtObstruct, plainResult(cwt + base.obstruct));
}

/// Texts of the spring buffer messages for one unit system and edition.
struct SpringTexts {
    const char* ruleA;
    const char* ruleB;
    const char* maxSpeed;     // P
    const char* maxTrip;      // Q
    const char* maxSpeedCar;  // P2
    double speedLimit;
    double tripLimit;
};

void springWarnings(Sheet& sheet, const SpringTexts& t, F speed, F govTrip) {
    if (sheet.selected(O::optSpring) && ruleSpeed(sheet.text(speed)) > t.speedLimit) {
        sheet.message(std::string(t.ruleA) +
                          "   Spring buffers or their equivalent may be used where the " +
                          "rated speed is not in excess of " + t.maxSpeed,
                      "Spring Buffer Caution", Icon::Critical);
        sheet.setFocus(speed);
    }
    if (ruleSpeed(sheet.text(govTrip)) > t.tripLimit) {
        sheet.message(std::string("Remember.....the maximum rated speed for a spring buffer is ") +
                          t.maxSpeed + t.ruleA + kNewLine + kNewLine +
                          "The maximum governor tripping " + "speed for a " + t.maxSpeedCar +
                          " car is " + t.maxTrip + t.ruleB,
                      "Spring Buffer Warning", Icon::Information);
        sheet.setFocus(govTrip);
    }
}

}  // namespace

void Clearances::ImpFill(MovementKind kind, bool storeMovement) {
    const EditionValues& e = sheet_.state().edition;
    fill(sheet_, kImperial, {e.ImpCrosshead, e.ImpRefuge, e.ImpObstruct}, kind, storeMovement);
}

void Clearances::MetFill(MovementKind kind, bool storeMovement) {
    const EditionValues& e = sheet_.state().edition;
    fill(sheet_, kMetric, {e.MetCrosshead, e.MetRefuge, e.MetObstruct}, kind, storeMovement);
}

// The plain oil cases keep the required stroke in Movement.
void Clearances::ImpOilRegCalc() {
    ImpFill(MovementKind::OilFree, false);
}

void Clearances::MetOilRegCalc() {
    MetFill(MovementKind::OilFree, false);
}

void Clearances::ImpSpringCalc() {
    const bool ed1996 = sheet_.selected(O::opt1996);
    const SpringTexts texts{ed1996 ? "   Rule 201.1a" : "   2.22.1.1.1",
                            ed1996 ? "   Rule 206.2a" : "   2.18.2.1",
                            "200 ft/min.",
                            "280 ft/min.",
                            "200 ft/min",
                            200,
                            280};
    springWarnings(sheet_, texts, F::txtImpSpeed, F::txtImpGovTrip);
    ImpFill(MovementKind::Spring, true);
}

void Clearances::MetSpringCalc() {
    const bool ed1996 = sheet_.selected(O::opt1996);
    const SpringTexts texts{ed1996 ? "   Rule 201.1a" : "   2.22.1.1.1",
                            ed1996 ? "    Rule 206.2a" : "    2.18.2.1",
                            ed1996 ? "1.02 m/s." : "1.00 m/s.",
                            ed1996 ? "1.42 m/s." : "1.40 m/s.",
                            ed1996 ? "1.02 m/s" : "1.00 m/s",
                            ed1996 ? 1.02 : 1.00,
                            ed1996 ? 1.42 : 1.40};
    springWarnings(sheet_, texts, F::txtMetSpeed, F::txtMetGovTrip);
    MetFill(MovementKind::Spring, true);
}

}  // namespace tarnwick
