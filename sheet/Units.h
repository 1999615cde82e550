// The factors between the imperial and the metric unit system. They are
// rounded and not exact inverses of each other (25.4 x 0.03937 = 0.999998),
// so a value carried across and back may move in the second decimal.
#pragma once

namespace tarnwick::units {

inline constexpr double kInchToMm = 25.4;
inline constexpr double kMmToInch = 0.03937;
inline constexpr double kFpmToMps = 0.00508;
inline constexpr double kMpsToFpm = 196.8504;

}  // namespace tarnwick::units
