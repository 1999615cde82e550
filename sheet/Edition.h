// The constants of the two A17.1 code editions the calculator knows.
#pragma once

#include <string>

namespace tarnwick {

enum class Edition { A17_1_1996, A17_1_2000 };

struct EditionValues {
    double ImpRefuge = 0;                 ///< base refuge-space clearance, in.
    double MetRefuge = 0;                 ///< same, mm
    double ImpCrosshead = 0;              ///< base clearance above the crosshead, in.
    double MetCrosshead = 0;              ///< same, mm; also the metric maximum car runby
    double ImpObstruct = 0;               ///< base clearance above projecting equipment, in.
    double MetObstruct = 0;               ///< same, mm; also the metric minimum runby
    double MetMaxCwtRunby = 0;            ///< metric maximum counterweight runby, mm
    double ImpMaxCwtRunby = 0;            ///< imperial maximum counterweight runby, in.
    std::string MetSpringSpeedText;       ///< spring buffers: maximum rated speed, m/s
    std::string MetSpringTripText;        ///< spring buffers: maximum governor tripping speed, m/s
    std::string MetReducedSpeedText;      ///< reduced stroke: lower speed bound, m/s
    std::string MetReducedMinStrokeText;  ///< reduced stroke: middle-band stroke, mm
    std::string MetReducedSpeed2Text;     ///< reduced stroke: upper speed bound, m/s

    bool operator==(const EditionValues&) const = default;
};

inline EditionValues editionValues(Edition e) {
    if (e == Edition::A17_1_1996) {
        return {42, 1067, 24, 610, 6, 152, 914, 36, "1.02", "1.42", "4.064", "457", "4.516"};
    }
    return {43, 1100, 24, 600, 6, 150, 900, 35, "1.00", "1.40", "4", "450", "4.476"};
}

}  // namespace tarnwick
