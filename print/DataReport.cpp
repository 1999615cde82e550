#include "print/DataReport.h"

#include <array>
#include <initializer_list>

#include "sheet/Columns.h"

namespace tarnwick {

namespace {

constexpr const char* kPublisherAddress = "https://tarnwick.example";

/// The fields a report variant prints, by the unit system of the sheet.
struct ReportFields {
    F govTrip, speed, runby, runbyCar, stroke;
    F minStroke, maxJump;
    std::array<F, 5> minimum;  ///< crosshead, refuge, shoes, obstruction, counterweight
    F maxRunby;
    const char* speedUnit;
    const char* lengthUnit;
};

constexpr ReportFields kImperial{
    F::txtImpGovTrip,
    F::txtImpSpeed,
    F::txtImpRunby,
    F::txtImpRunbyCar,
    F::txtImpStroke,
    F::txtImpMinStroke,
    F::txtImpMaxJump,
    {F::txtImpMinCrosshead, F::txtImpMinRefuge, F::txtImpMinShoes, F::txtImpMinObstruct,
     F::txtImpMinCwtObstruct},
    F::txtImpMaxRunby,
    " Feet/Minute",
    " Inches",
};

constexpr ReportFields kMetric{
    F::txtMetGovTrip,
    F::txtMetSpeed,
    F::txtMetRunby,
    F::txtMetRunbyCar,
    F::txtMetStroke,
    F::txtMetMinStroke,
    F::txtMetMaxJump,
    {F::txtMetMinCrosshead, F::txtMetMinRefuge, F::txtMetMinShoes, F::txtMetMinObstruct,
     F::txtMetMinCwtObstruct},
    F::txtMetMaxRunby,
    " Meters/Second",
    " Millimeters",
};

// Labels are padded so that the values line up in a fixed-pitch font.
constexpr std::array<const char*, 5> kClearanceLabels{
    "  Crosshead:                        ", "  Refuge Space:                     ",
    "  Guide Shoes or Gate Posts:        ", "  Obstruction Above Crosshead:      ",
    "  Obstruction Above Counterweight:  "};

/// Writes lines in the font state that the last style change left.
class Writer {
public:
    void style(float size, bool bold) {
        size_ = size;
        bold_ = bold;
    }
    void bold(bool on) { bold_ = on; }
    void blank(int count = 1) {
        for (int i = 0; i < count; ++i) lines_.push_back({size_, bold_, {}});
    }
    void line(int indent, std::initializer_list<std::string> pieces) {
        LineItems line{Indent{indent}};
        line.insert(line.end(), pieces.begin(), pieces.end());
        items(std::move(line));
    }
    void items(LineItems line) { lines_.push_back({size_, bold_, std::move(line)}); }
    std::vector<ReportLine> lines() && { return std::move(lines_); }

private:
    float size_ = 14;
    bool bold_ = false;
    std::vector<ReportLine> lines_;
};

void writeVariant(Writer& w, const Sheet& sheet, const std::string& date, bool spring,
                  const ReportFields& f) {
    const ModeTexts mode = modeTexts(sheet);
    auto text = [&sheet](F field) { return sheet.text(field); };
    const std::string length = f.lengthUnit;
    const std::string speed = f.speedUnit;
    // With compressed oil buffers the runby fields hold the compressions.
    const bool compressions = !spring && sheet.selected(O::optCompYes);

    w.blank(3);
    w.bold(true);
    w.line(4, {"Elevator Identification: ", text(F::txtID)});
    w.bold(false);
    w.blank(2);
    // The date follows the edition under a second indent.
    w.items({Indent{4}, "Code Edition: ", mode.edition, Indent{4}, date});
    w.line(5, {mode.buffer});
    w.line(5, {mode.compression});
    w.line(5, {mode.tieDown});
    w.line(5, {mode.stroke});
    w.blank();
    w.bold(true);
    w.line(22, {"Parameters"});
    w.bold(false);
    if (spring) w.line(4, {"Governor Tripping Speed:      ", text(f.govTrip), speed});
    w.line(4, {"Rated Speed:                  ", text(f.speed), speed});
    w.line(4, {compressions ? "Cwt. Buffer Compression:      " : "Counterweight Runby:          ",
               text(f.runby), length});
    w.line(4, {compressions ? "Car Buffer Compression:       " : "Car Runby:                    ",
               text(f.runbyCar), length});
    w.line(4, {"Buffer Stroke:                ", text(f.stroke), length});
    w.blank(2);
    w.line(4, {"Minimum Buffer Stroke Required:     ", text(f.minStroke), length});
    w.line(4, {"Car Travel Above Top Floor:         ", text(f.maxJump), length});
    w.blank(2);
    w.line(4, {"Minimum Required Clearances"});
    for (std::size_t i = 0; i < 5; ++i)
        w.line(4, {kClearanceLabels[i], text(f.minimum[i]), length});
    w.blank();
    w.line(4, {"Measured Clearances"});
    for (std::size_t i = 0; i < 5; ++i)
        w.line(4, {kClearanceLabels[i], text(kMeasured[i]), length});
    w.blank();
    w.line(4, {"Differences"});
    for (std::size_t i = 0; i < 5; ++i)
        w.line(4, {kClearanceLabels[i], text(kDifferences[i]), length});
    w.blank();
    w.style(16, true);
    w.line(4, {"Maximum Counterweight Runby:   ", text(f.maxRunby), length});
    w.blank();
    w.style(8, false);
    w.line(6, {"     This report compiled with the "});
    w.line(6, {"Tarnwick", " from ", kPublisherAddress, ".....of course!"});
}

}  // namespace

ModeTexts modeTexts(const Sheet& sheet) {
    return {
        sheet.selected(O::opt1996) ? "ASME A17.1-1996" : "ASME A17.1-2000 or 2004 or 2005",
        sheet.selected(O::optOil) ? "Oil Buffers" : "Spring Buffers",
        sheet.selected(O::optCompYes) ? "Buffer Compression at the Terminal Landings"
                                      : "No Buffer Compression at the Terminal Landings",
        sheet.selected(O::optTieDownYes) ? "Compensating Rope Tie-Down"
                                         : "No Compensating Rope Tie-Down",
        sheet.selected(O::optReducedYes) ? "Reduced Stroke Buffers" : "Full Stroke Buffers",
    };
}

std::vector<ReportLine> dataReport(const Sheet& sheet, const std::string& date) {
    Writer w;
    const bool imperial = sheet.state().IsImperial;
    // The variants are tried in turn, each on its own condition.
    if (sheet.selected(O::optSpring) && imperial) writeVariant(w, sheet, date, true, kImperial);
    if (sheet.selected(O::optSpring) && !imperial) writeVariant(w, sheet, date, true, kMetric);
    if (sheet.selected(O::optOil) && imperial) writeVariant(w, sheet, date, false, kImperial);
    if (sheet.selected(O::optOil) && !imperial) writeVariant(w, sheet, date, false, kMetric);
    return std::move(w).lines();
}

}  // namespace tarnwick
