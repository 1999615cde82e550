#include "sheet/Catalogue.h"

namespace tarnwick {

namespace {

void inputField(Catalogue& c, F f) {
    TextField& t = c.fields[idx(f)];
    t.maxLength = 8;
}

void resultField(Catalogue& c, F f, int maxLength) {
    TextField& t = c.fields[idx(f)];
    t.colour = Colour::Yellow;
    t.locked = true;
    t.tabStop = false;
    t.maxLength = maxLength;
}

void measuredField(Catalogue& c, F f) {
    TextField& t = c.fields[idx(f)];
    t.colour = Colour::White;
    t.maxLength = 10;
}

void label(Catalogue& c, L l, const char* caption, const char* tooltip = "") {
    c.labels[idx(l)].caption = caption;
    c.labels[idx(l)].tooltip = tooltip;
}

void option(Catalogue& c, O o, const char* caption, bool selected, const char* tooltip = "") {
    c.options[idx(o)] = {caption, tooltip, selected, true};
}

void button(Catalogue& c, B b, const char* caption, const char* tooltip, bool small = false) {
    c.buttons[idx(b)] = {caption, tooltip, true, !small, small};
}

void menu(Catalogue& c, M m, const char* caption, M parent, bool leaf, const char* shortcut = "") {
    c.menus[idx(m)] = {caption, shortcut, parent, false, leaf};
}

void fields(Catalogue& c) {
    for (F f :
         {F::txtImpGovTrip, F::txtImpSpeed, F::txtImpRunby, F::txtImpRunbyCar, F::txtImpStroke,
          F::txtMetGovTrip, F::txtMetSpeed, F::txtMetRunby, F::txtMetRunbyCar, F::txtMetStroke}) {
        inputField(c, f);
    }
    c.fields[idx(F::txtImpGovTrip)].visible = false;
    c.fields[idx(F::txtMetGovTrip)].visible = false;
    for (int i = idx(F::txtImpMinStroke); i <= idx(F::txtMetMaxRunby); ++i) {
        resultField(c, static_cast<F>(i), 8);
    }
    for (F f : {F::txtCrossMea, F::txtRefugeMea, F::txtShoesMea, F::txtObstructMea, F::txtCwtMea}) {
        measuredField(c, f);
    }
    for (F f : {F::txtDifCross, F::txtDifRefuge, F::txtDifShoes, F::txtDifObstruct, F::txtDifCwt}) {
        resultField(c, f, 10);
    }
    c.fields[idx(F::txtID)].maxLength = 35;
}

void labels(Catalogue& c) {
    label(c, L::Label1, "Please answer the following questions and....");
    label(c, L::Label35, "....provide the following data:");
    label(c, L::Label21, "A17.1 code edition?");
    label(c, L::Label2, "Oil or spring buffer?");
    label(c, L::Label3,
          "Is the counterweight buffer partially compressed with the car at the top terminal "
          "landing?");
    label(c, L::Label4, "Is a compensating rope tie-down device provided?");
    label(c, L::Label14, "Is a reduced stroke buffer provided?");
    label(c, L::Label37, "Governor tripping speed:");
    label(c, L::Label36, "FPM");
    label(c, L::Label34, "MPS");
    for (L l : {L::Label37, L::Label36, L::Label34}) c.labels[idx(l)].enabled = false;
    label(c, L::Label5, "Rated speed:",
          " From crosshead data plate and confirmed with tachometer or other means ");
    label(c, L::Label8, "FPM");
    label(c, L::Label11, "MPS");
    label(c, L::Label6, "Counterweight runby:");
    label(c, L::Label9, "IN");
    label(c, L::Label12, "MM");
    label(c, L::Label20, "Car runby:");
    label(c, L::Label19, "IN");
    label(c, L::Label18, "MM");
    label(c, L::Label7, "Car and counterweight buffer stroke:", " From buffer data plate ");
    label(c, L::Label10, "IN");
    label(c, L::Label13, "MM");
    label(c, L::Label15, "Minimum required buffer stroke:");
    label(c, L::Label32, "IN");
    label(c, L::Label33, "MM");
    label(c, L::Label31, "Calculated car travel above top landing:",
          " This is the maximum upward movement of the car above the top landing and includes "
          "the \"jump\" of the car if relevant  ");
    label(c, L::Label30, "IN");
    label(c, L::Label29, "MM");
    label(c, L::Label28,
          "Minimum clearances:", " These are the minimum clearances for the specific areas ");
    label(c, L::Label24, "Crosshead:");
    label(c, L::Label23, "Refuge space:");
    label(c, L::Label22, "Guide shoes or gate posts:");
    label(c, L::Label27, "Equipment projecting above crosshead:");
    label(c, L::Label17, "Obstruction above counterweight:");
    label(c, L::Label40, "Maximum Counterweight               Runby:",
          " This is the maximum counterweight runby...it will only be negative for a buffer "
          "that is compressed with the car at the top terminal landing ");
    label(c, L::Label49, "Measured Clearances:",
          " Place the measured car top and counterweight clearances in the appropriate text "
          "box ");
    label(c, L::Label50, "Differences:",
          " These values represent the difference between the measured clearance and the "
          "minimum clearance...They should be zero or positive to be acceptable ");
    label(c, L::Label16, "Elevator Identification:",
          " A maximum of 35 characters may be used to identify this elevator on a printout ");
    for (int i = 0; i <= 21; ++i) {
        bool metric = (i >= 5 && i <= 9) || i == 21;
        label(c, labelDim(i), metric ? "MM" : "IN");
    }
}

void options(Catalogue& c) {
    option(c, O::opt1996, "&96", true, " A17.1-1996 Edition ");
    option(c, O::opt2000, "&00-04", false, " A17.1-2000 or 2004 or 2005 Editions ");
    option(c, O::optOil, "&Oil", true);
    option(c, O::optSpring, "&Spring", false);
    option(c, O::optCompYes, "Yes", false);
    option(c, O::optCompNo, "No", true);
    option(c, O::optTieDownYes, "Yes", false);
    option(c, O::optTieDownNo, "No", true);
    option(c, O::optReducedYes, "Yes", false);
    option(c, O::optReducedNo, "No", true);
}

void buttons(Catalogue& c) {
    button(c, B::cmdCalculate, "&Calculate",
           " Calculate the minimum clearances and maximum runby ");
    button(c, B::cmdClearAll, "C&lear All Fields", " Clear all text boxes ");
    button(c, B::cmdDefault, "&Default ", " Restore the program to the default settings ");
    button(c, B::cmdExit, "E&xit", " Close the program ");
    button(c, B::cmdMaxRunby, "Max &Runby", " Calculate the maximum runby ");
    c.buttons[idx(B::cmdMaxRunby)].enabled = false;
    button(c, B::cmdImperial, "&Imperial", "", true);
    button(c, B::cmdMetric, "&Metric", "", true);
    button(c, B::cmdClearMet, "Cl&ear",
           " Clear all text boxes except measured and elevator identification ", true);
    button(c, B::cmdClearMea, "Cle&ar", " Clear measured text boxes only ", true);
}

void menus(Catalogue& c) {
    menu(c, M::mnuPrint, "&Print", M::mnuPrint, false);
    c.menus[idx(M::mnuPrint)].topLevel = true;
    menu(c, M::mnuPrintData, "Print &Data", M::mnuPrint, true, "Ctrl+D");
    menu(c, M::mnuPrintForm, "Print &Form", M::mnuPrint, true, "Ctrl+F");
    menu(c, M::mnuFormula, "&Formulas && Info", M::mnuFormula, false);
    c.menus[idx(M::mnuFormula)].topLevel = true;
    menu(c, M::mnuBufferStrokes, "Stroke - &Normal Buffers", M::mnuFormula, false);
    menu(c, M::mnuOil, "&Oil", M::mnuBufferStrokes, true, "Ctrl+O");
    menu(c, M::mnuSpring, "&Spring", M::mnuBufferStrokes, true, "Ctrl+S");
    menu(c, M::mnuReducedStroke, "Stroke - &Reduced Stroke Buffers ( Oil only )", M::mnuFormula,
         false);
    menu(c, M::mnu1996, "A17.1-1996", M::mnuReducedStroke, true, "F1");
    menu(c, M::mnu2000, "A17.1-2000", M::mnuReducedStroke, true, "F2");
    menu(c, M::mnuHyphen, "-", M::mnuFormula, false);
    menu(c, M::mnuConditions, " --Maximum &Upward Movement--", M::mnuFormula, false);
    menu(c, M::mnuImperial, "&Imperial", M::mnuConditions, false);
    menu(c, M::mnuMetConds, "Metric", M::mnuConditions, false);
    const char* movement[] = {"&Spring Buffers", "Buffers Partially &Compressed at Terminal",
                              "&Reduced Stroke Buffers", "&Other Oil Buffers"};
    const M imperial[] = {M::mnuImpSpring, M::mnuImpComp, M::mnuImpReduced, M::mnuImpOtherOil};
    const M metric[] = {M::mnuMetSpring, M::mnuMetComp, M::mnuMetReduced, M::mnuMetOtherOil};
    for (int i = 0; i < 4; ++i) {
        menu(c, imperial[i], movement[i], M::mnuImperial, true);
        menu(c, metric[i], movement[i], M::mnuMetConds, true);
    }
    // The working of the last calculation: every figure with the numbers
    // that gave it, to read and to print.
    menu(c, M::mnuWorking, "&Working", M::mnuWorking, false);
    c.menus[idx(M::mnuWorking)].topLevel = true;
    menu(c, M::mnuShowWorking, "&Show Working", M::mnuWorking, true);
    menu(c, M::mnuPrintWorking, "&Print Working", M::mnuWorking, true);
}

}  // namespace

std::string_view colourName(Colour colour) {
    switch (colour) {
        case Colour::White:
            return "white";
        case Colour::Yellow:
            return "yellow";
        case Colour::Red:
            return "red";
        case Colour::Standard:
            break;
    }
    return "standard";
}

Catalogue initialCatalogue() {
    Catalogue c;
    fields(c);
    labels(c);
    options(c);
    buttons(c);
    menus(c);
    return c;
}

}  // namespace tarnwick
