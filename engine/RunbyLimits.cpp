#include "engine/RunbyLimits.h"

#include <array>
#include <optional>
#include <string>

#include "engine/Readings.h"
#include "sheet/WorkedLine.h"

namespace tarnwick {

using readings::kNewLine;

namespace {

enum class Tested { CarAndCwt, Cwt, Car };
enum class Side { Below, Above };
/// Which edition value the metric procedure takes its limit from.
enum class MetBase { MinRunby, CarMax, CwtMax };

/// One of the ten runby checks. The limit is sign × base: the compressed
/// checks compare a compression with the negated maximum runby, because an
/// uncompressed buffer's runby is entered as a negative compression.
struct RunbyCheck {
    O edition;
    O compression;
    Tested tested;
    Side side;
    double sign;
    double impBase;
    MetBase metBase;
    const char* title;
    const char* impRule;
    const char* metRule;
    const char* subject;
    const char* impPhrase;
    const char* metPhrase;
};

constexpr const char* kMinTitle = "Minimum Runby";
constexpr const char* kMaxTitle = "Maximum Runby";
constexpr const char* kBoth = "The bottom runby for cars and counterweights shall ";
constexpr const char* kCwts = "The bottom runby for counterweights shall ";
constexpr const char* kCars = "The bottom runby for cars shall ";

// clang-format off
constexpr std::array<RunbyCheck, 10> kChecks{{
    {O::opt1996, O::optCompNo, Tested::CarAndCwt, Side::Below, 1, 6, MetBase::MinRunby, kMinTitle,
     "Rule 107.1b(1)...", "Rule 107.1b(1)...", kBoth, "be not less than 6 in.", "be not less than 152 mm."},
    {O::opt2000, O::optCompNo, Tested::CarAndCwt, Side::Below, 1, 6, MetBase::MinRunby, kMinTitle,
     "2.4.2.1...", "2.4.2.1...", kBoth, "be not less than 6 in.", "be not less than 150 mm."},
    {O::opt1996, O::optCompYes, Tested::Cwt, Side::Below, -1, 36, MetBase::CwtMax, kMaxTitle,
     "Rule 107.1d(2)...", "Rule 107.1d(2)...", kCwts, "not exceed 36 in.", "not exceed 914 mm."},
    {O::opt2000, O::optCompYes, Tested::Cwt, Side::Below, -1, 35, MetBase::CwtMax, kMaxTitle,
     "2.4.4(b)...", "2.4.4(b)...", kCwts, "not exceed 35 in.", "not exceed 900 mm."},
    {O::opt1996, O::optCompYes, Tested::Car, Side::Below, -1, 24, MetBase::CarMax, kMaxTitle,
     "Rule 107.1d(1)...", "Rule 107.1d(1)...", kCars, "not exceed 24 in.", "not exceed 610 mm."},
    {O::opt2000, O::optCompYes, Tested::Car, Side::Below, -1, 24, MetBase::CarMax, kMaxTitle,
     "2.4.4(a)  (A17.1-2000 [ 600 mm ( 24 in. ) ] )", "2.4.4(a)...", kCars, "not exceed 24 in.",
     "not exceed 600 mm."},
    {O::opt1996, O::optCompNo, Tested::Cwt, Side::Above, 1, 36, MetBase::CwtMax, kMaxTitle,
     "Rule 107.1d(2)...", "Rule 107.1d(2)...", kCwts, "not exceed 36 in.", "not exceed 914 mm."},
    {O::opt2000, O::optCompNo, Tested::Cwt, Side::Above, 1, 35, MetBase::CwtMax, kMaxTitle,
     "2.4.4(b)...", "2.4.4(b)...", kCwts, "not exceed 35 in.", "not exceed 900 mm."},
    {O::opt1996, O::optCompNo, Tested::Car, Side::Above, 1, 24, MetBase::CarMax, kMaxTitle,
     "Rule 107.1d(1)...", "Rule 107.1d(1)...", kCars, "not exceed 24 in.", "not exceed 610 mm."},
    {O::opt2000, O::optCompNo, Tested::Car, Side::Above, 1, 24, MetBase::CarMax, kMaxTitle,
     "2.4.4(a)...", "2.4.4(a)...", kCars, "not exceed 24 in.", "not exceed 600 mm."},
}};
// clang-format on

struct RunbyFields {
    F cwt, car;
    bool metric;
};

bool fails(double value, Side side, double limit) {
    return side == Side::Below ? value < limit : value > limit;
}

double limitOf(const Sheet& sheet, const RunbyCheck& c, bool metric) {
    if (!metric) return c.sign * c.impBase;
    const EditionValues& e = sheet.state().edition;
    switch (c.metBase) {
        case MetBase::MinRunby:
            return c.sign * e.MetObstruct;
        case MetBase::CarMax:
            return c.sign * e.MetCrosshead;
        case MetBase::CwtMax:
            return c.sign * e.MetMaxCwtRunby;
    }
    return 0;
}

/// After the message, a tested field that still fails when read as a whole
/// number takes the focus. False when its text is not a number, which ends
/// the whole procedure; the working says so.
bool refocus(Sheet& sheet, F field, Side side, double limit) {
    const std::optional<double> value = readings::strictOf(sheet, field);
    if (!value) {
        WorkedLine(sheet) << "Runby limits ended here: the " << inWords(field)
                          << " is not a number as a whole, so the checks after this one were "
                             "not made";
        return false;
    }
    if (fails(*value, side, limit)) sheet.setFocus(field);
    return true;
}

/// Runs one check; false when the procedure has to end here.
bool runCheck(Sheet& sheet, const RunbyCheck& c, const RunbyFields& f) {
    if (!sheet.selected(c.edition) || !sheet.selected(c.compression)) return true;
    const double limit = limitOf(sheet, c, f.metric);
    const bool testsCar = c.tested != Tested::Cwt;
    const bool testsCwt = c.tested != Tested::Car;
    const double car = readings::lenientOf(sheet, f.car);
    const double cwt = readings::lenientOf(sheet, f.cwt);
    const bool fired =
        (testsCar && fails(car, c.side, limit)) || (testsCwt && fails(cwt, c.side, limit));
    const char* rule = f.metric ? c.metRule : c.impRule;

    WorkedLine line(sheet);
    line << "Runby limit (" << ruleOf(rule) << "): ";
    // Under the compressed answer the entries are compressions.
    const bool entries = c.sign < 0;
    if (testsCar) (line << (entries ? "car entry " : "car runby ")).entry(f.car, car).length();
    if (testsCar && testsCwt) line << " and ";
    if (testsCwt) {
        (line << (entries ? "counterweight entry " : "counterweight runby "))
            .entry(f.cwt, cwt)
            .length();
    }
    line << (testsCar && testsCwt ? ", each " : ", ")
         << (c.side == Side::Below ? "not less than " : "not more than ");
    line.number(limit).length();
    if (entries) line << " (a runby is entered as a negative compression)";
    if (!fired) {
        line << ": met";
        return true;
    }
    (line << ": not met; ").shown(c.title);

    sheet.message(std::string("Remember..........") + kNewLine + kNewLine + rule + kNewLine +
                      kNewLine + c.subject + (f.metric ? c.metPhrase : c.impPhrase),
                  c.title, Icon::Critical);
    if (testsCar && !refocus(sheet, f.car, c.side, limit)) return false;
    if (testsCwt && !refocus(sheet, f.cwt, c.side, limit)) return false;
    return true;
}

void runAll(Sheet& sheet, const RunbyFields& fields) {
    for (const RunbyCheck& check : kChecks) {
        if (!runCheck(sheet, check, fields)) return;
    }
}

}  // namespace

void RunbyLimits::ImpRunbyMinMax() {
    runAll(sheet_, {F::txtImpRunby, F::txtImpRunbyCar, false});
}

void RunbyLimits::MetRunbyMinMax() {
    runAll(sheet_, {F::txtMetRunby, F::txtMetRunbyCar, true});
}

}  // namespace tarnwick
