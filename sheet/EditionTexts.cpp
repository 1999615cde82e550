#include "sheet/EditionTexts.h"

namespace tarnwick {

namespace {

const EditionTexts k1996{
    {{
        {L::Label22,
         " Rule 107.1e(3)   These devices shall not strike the overhead structure or any other "
         "obstruction...0.06 in. (or 1 mm) has been added to the maximum upward movement "},
        {L::Label23, " Rule 107.1k   42 in. (or 1067mm) plus maximum upward movement "},
        {L::Label24, " Rule 107.1e(3)   2 ft. (or 610 mm) plus maximum upward movement "},
        {L::Label27, " Rule 107.1e(3)   6 in. (or 152 mm) plus the maximum upward movement "},
        {L::Label17, " Rule 107.1h(3)   6 in. (or 152 mm) plus the maximum upward movement "},
        {L::Label2,
         " Rule 201.1a Spring buffers or their equivalent may be used where the rated speed is not "
         "in excess of 200 ft/min (1.02 m/s). "},
        {L::Label3,
         " This condition is not allowed in some jurisdictions ( for example California )...Rule "
         "201.4h permits \"mechanical spring-return type\" buffers to \" be compressed not to "
         "exceed 25% of their stroke.\" "},
        {L::Label4,
         " Rule 205.17  This device shall be provided for rated speeds greater than 700 ft/min "
         "(3.56 m/s) "},
        {L::Label14, " Rule 201.4a(2) explains it all ! "},
        {L::Label37,
         " Rule 206.2a(2)...see Table 206.2a for maximum tripping speeds or Figure 1305.1 "},
        {L::Label15,
         " This is the stroke required by Rule 201.4a(1)....for reduced stroke buffer requirements "
         "see Rule 201.4a(2) "},
    }},
    " Rule 201.4h...may be compressed not to exceed 25% of their stroke when the car is level with "
    "the terminal landings..If the buffer is not compressed the runby shall be entered as a "
    "negative number",
    " Measure when the car floor is level with the top landing ...See Rule 107.1b(2) for "
    "rheostatic and single-speed ac control runby requirements ",
    " Measure when the car floor is level with the bottom landing ...See Rule 107.1b(2) for "
    "rheostatic and single-speed ac control runby requirements ",
    " Rule 201.4h...may be compressed not to exceed 25% of their stroke when the car is level with "
    "the terminal landings..If the buffer is not compressed the runby shall be entered as a "
    "negative number ",
    " Measure when the car floor is level with the top landing ...See Rule 107.1b(2) for "
    "rheostatic and single-speed ac control stroke requirements ",
    " Measure when the car floor is level with the bottom landing ...See Rule 107.1b(2) for "
    "rheostatic and single-speed ac control stroke requirements ",
};

const EditionTexts k2000{
    {{
        {L::Label22,
         " 2.4.6.2(c)   These devices shall not strike the overhead structure or any other "
         "obstruction...1 mm (or 0.06 in.) has been added to the maximum upward movement "},
        {L::Label23, " 2.4.12.1   1100 mm ( 43 in. ) plus maximum upward movement "},
        {L::Label24, " 2.4.6.2(c)   600 mm ( 24 in. ) plus maximum upward movement "},
        {L::Label27, " 2.4.6.2(c)   150 mm ( 6 in. ) plus the maximum upward movement "},
        {L::Label17, " 2.4.9(c)   150 mm ( 6 in. ) plus the maximum upward movement "},
        {L::Label2,
         " 2.22.1.1.2 Spring buffers or their equivalent may be used where the rated speed is not "
         "in excess of 1 m/s ( 200 ft/min ). "},
        {L::Label3,
         " This condition is not allowed in some jurisdictions ( for example California "
         ")...2.22.4.8 permits \"mechanical spring-return type\" buffers to \" be compressed not "
         "to exceed 25% of their stroke.\" "},
        {L::Label4,
         " 2.17.17  This device shall be provided for rated speeds greater than 3.5 m/s ( 700 "
         "ft/min ) "},
        {L::Label14, " 2.22.4.1.2 explains it all ! "},
        {L::Label37,
         " 2.18.2.1(b)...see Table 2.18.2.1 for maximum tripping speeds or Figures 8.2.5-1 & "
         "8.2.5-2 "},
        {L::Label15,
         " This is the stroke required by 2.22.4.1.1....for reduced stroke buffer requirements see "
         "2.22.4.1.2 "},
    }},
    " 2.22.4.8...may be compressed not to exceed 25% of their stroke when the car is level with "
    "the terminal landings..If the buffer is not compressed the runby shall be entered as a "
    "negative number",
    " Measure when the car floor is level with the top landing ...See 2.4.2.2 for rheostatic and "
    "single-speed ac control runby requirements ",
    " Measure when the car floor is level with the bottom landing ...See 2.4.2.2 for rheostatic "
    "and single-speed ac control runby requirements ",
    " 2.22.4.8...may be compressed not to exceed 25% of their stroke when the car is level with "
    "the terminal landings..If the buffer is not compressed the runby shall be entered as a "
    "negative number ",
    " Measure when the car floor is level with the top landing ...See 2.4.2.2 for rheostatic and "
    "single-speed ac control stroke requirements ",
    " Measure when the car floor is level with the bottom landing ...See Rule 2.4.2.2 for "
    "rheostatic and single-speed ac control stroke requirements ",
};

// As the tooltips above and the reference card name them.
constexpr EditionRules kRules1996{"A17.1-1996",     "Table 201.4a",   "Rule 201.4a(1)",
                                  "Rule 201.4a(2)", "Rule 201.3a",    "Rule 107.1e(3)",
                                  "Rule 107.1k",    "Rule 107.1e(3)", "Rule 107.1e(3)",
                                  "Rule 107.1h(3)", "Rule 201.4h",    "Rule 205.17"};
constexpr EditionRules kRules2000{"A17.1-2000 or 2004 or 2005",
                                  "Table 2.22.4.1",
                                  "2.22.4.1.1",
                                  "2.22.4.1.2",
                                  "2.22.3.1",
                                  "2.4.6.2(c)",
                                  "2.4.12.1",
                                  "2.4.6.2(c)",
                                  "2.4.6.2(c)",
                                  "2.4.9(c)",
                                  "2.22.4.8",
                                  "2.17.17"};

}  // namespace

const EditionRules& editionRules(Edition edition) {
    return edition == Edition::A17_1_1996 ? kRules1996 : kRules2000;
}

const EditionTexts& editionTexts(Edition edition) {
    return edition == Edition::A17_1_1996 ? k1996 : k2000;
}

}  // namespace tarnwick
