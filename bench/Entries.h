// The entries the timings calculate with: a 450 ft/min car (2.29 m/s), its
// runbys and buffer stroke, and measured clearances, in either unit system.
#pragma once

#include <initializer_list>

#include "sheet/Sheet.h"

namespace tarnwick::bench {

struct Entry {
    F field;
    const char* text;
};

inline constexpr std::initializer_list<Entry> kImperialEntries{{F::txtImpSpeed, "450"},
                                                               {F::txtImpRunby, "6"},
                                                               {F::txtImpRunbyCar, "8"},
                                                               {F::txtImpStroke, "13.75"}};
inline constexpr std::initializer_list<Entry> kImperialMeasured{{F::txtCrossMea, "52"},
                                                                {F::txtRefugeMea, "70"},
                                                                {F::txtShoesMea, "30"},
                                                                {F::txtObstructMea, "33"},
                                                                {F::txtCwtMea, "40"}};
inline constexpr std::initializer_list<Entry> kMetricEntries{{F::txtMetSpeed, "2.29"},
                                                             {F::txtMetRunby, "152"},
                                                             {F::txtMetRunbyCar, "203"},
                                                             {F::txtMetStroke, "349"}};
inline constexpr std::initializer_list<Entry> kMetricMeasured{{F::txtCrossMea, "1321"},
                                                              {F::txtRefugeMea, "1778"},
                                                              {F::txtShoesMea, "762"},
                                                              {F::txtObstructMea, "838"},
                                                              {F::txtCwtMea, "1016"}};

inline void enter(Sheet& sheet, std::initializer_list<Entry> entries) {
    for (const Entry& e : entries) sheet.setText(e.field, e.text);
}

}  // namespace tarnwick::bench
