#include "engine/Clearances.h"

#include <string>
#include <string_view>

#include "engine/Readings.h"
#include "sheet/WorkedLine.h"

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

/// Upward movement, rounded to two decimals, with its line of the working:
/// the formula with the numbers put in, each term and the sum as rounded.
/// The car rises by what the counterweight can still travel (its runby) and
/// the counterweight by what the car can, so the counterweight runby gives
/// the car's movement and the car runby the counterweight's.
double movement(Sheet& sheet, const UnitFields& u, MovementKind kind, F runbyField, bool car) {
    const double s = lenientOf(sheet, u.stroke);
    const double r = lenientOf(sheet, runbyField);
    WorkedLine line(sheet);
    line << (car ? "Car's" : "Counterweight's") << " maximum upward movement: ";
    // The gravity term's constant and speed; none for the kinds without one.
    double constant = 0;
    F speed = u.speed;
    bool compressed = false;
    switch (kind) {
        case MovementKind::OilFree:
            constant = u.gravityOil;
            break;
        case MovementKind::CompressedFree:
            constant = u.gravityCompressed;
            compressed = true;
            break;
        case MovementKind::Spring:
            constant = u.gravitySpring;
            speed = u.govTrip;
            break;
        case MovementKind::CompressedTieDown:
            compressed = true;
            break;
        case MovementKind::TieDown:
        case MovementKind::ReducedFree:
            break;
    }
    double m = 0;
    if (kind == MovementKind::ReducedFree) {
        m = s * 1.5 + r;
        line.entry(u.stroke, s) << " × 1.5 + ";
        line.entry(runbyField, r, true) << " = ";
        line.number(round2(s * 1.5)) << " + ";
        line.operand(round2(r)) << " = ";
    } else if (constant == 0) {
        m = compressed ? s - r : s + r;
        line.entry(u.stroke, s) << (compressed ? " − " : " + ");
        line.entry(runbyField, r, true) << " = ";
    } else {
        const double v = lenientOf(sheet, speed);
        const double gravity = v * v * constant;
        const double bracket = compressed ? s - r : s + r;
        m = gravity + bracket;
        line.entry(speed, v, true) << "² × ";
        line.constant(constant) << " + (";
        line.entry(u.stroke, s) << (compressed ? " − " : " + ");
        line.entry(runbyField, r, true) << ") = ";
        line.number(round2(gravity)) << " + ";
        line.operand(round2(bracket)) << " = ";
    }
    const double rounded = round2(m);
    if (car) {
        line.result(u.maxJump, plainResult(rounded));
    } else {
        line.number(rounded);
    }
    line.length();
    return rounded;
}

struct Bases {
    double crosshead, refuge, obstruct;
};

/// Which movement a minimum clearance adds to its base, and in which order
/// the sum is written.
enum class Added { BaseAndCar, CarAndBase, CounterweightAndBase };

/// A minimum clearance: a base distance and a movement added, written into
/// `field` and worked out on a line of its own.
void clearance(Sheet& sheet, F field, std::string_view row, std::string_view rule, double base,
               double moved, Added added) {
    const std::string text = plainResult(added == Added::BaseAndCar ? base + moved : moved + base);
    WorkedLine line(sheet);
    line << "Minimum clearance, " << row << ": ";
    if (added == Added::BaseAndCar) {
        (line << "base ").number(base) << " + car's movement ";
        line.number(moved);
    } else {
        (line << (added == Added::CarAndBase ? "car's" : "counterweight's") << " movement ")
                .number(moved)
            << " + base ";
        line.number(base);
    }
    (line << " = ").result(field, text).length() << " (" << rule << ")";
    sheet.setText(field, text);
}

void fill(Sheet& sheet, const UnitFields& u, const Bases& base, MovementKind kind,
          bool storeMovement) {
    const EditionRules& rules = rulesOf(sheet);
    const double car = movement(sheet, u, kind, u.runby, true);
    if (storeMovement) sheet.state().Movement = car;
    clearance(sheet, u.crosshead, "crosshead", rules.crosshead, base.crosshead, car,
              Added::BaseAndCar);
    clearance(sheet, u.refuge, "refuge space", rules.refuge, base.refuge, car, Added::BaseAndCar);
    clearance(sheet, u.shoes, "guide shoes or gate posts", rules.shoes, u.shoesBase, car,
              Added::CarAndBase);
    clearance(sheet, u.obstruct, "equipment projecting above crosshead", rules.obstruct,
              base.obstruct, car, Added::BaseAndCar);
    sheet.setText(u.maxJump, plainResult(car));
    // The counterweight's movement is read afresh from the fields.
    const double cwt = movement(sheet, u, kind, u.runbyCar, false);
    clearance(sheet, u.cwtObstruct, "obstruction above counterweight", rules.cwtObstruct,
              base.obstruct, cwt, Added::CounterweightAndBase);
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

/// A spring buffer limit on a speed, checked on a line of the working.
bool overSpringLimit(Sheet& sheet, std::string_view what, double speed, std::string_view limit,
                     double limitValue, std::string_view rule, std::string_view title) {
    const bool over = speed > limitValue;
    WorkedLine line(sheet);
    (line << "Spring buffer limit, " << what << ": ").number(speed).speed();
    line << (over ? ", over " : ", not over ") << limit << " (" << ruleOf(rule) << ")";
    if (over) (line << "; ").shown(title);
    return over;
}

/// The message's speed text without its closing full stop.
std::string_view withoutStop(std::string_view text) {
    return text.ends_with('.') ? text.substr(0, text.size() - 1) : text;
}

void springWarnings(Sheet& sheet, const SpringTexts& t, F speed, F govTrip) {
    if (sheet.selected(O::optSpring) &&
        overSpringLimit(sheet, "rated speed", ruleSpeed(sheet.text(speed)), t.maxSpeedCar,
                        t.speedLimit, t.ruleA, "Spring Buffer Caution")) {
        sheet.message(std::string(t.ruleA) +
                          "   Spring buffers or their equivalent may be used where the " +
                          "rated speed is not in excess of " + t.maxSpeed,
                      "Spring Buffer Caution", Icon::Critical);
        sheet.setFocus(speed);
    }
    if (overSpringLimit(sheet, "governor tripping speed", ruleSpeed(sheet.text(govTrip)),
                        withoutStop(t.maxTrip), t.tripLimit, t.ruleB, "Spring Buffer Warning")) {
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
