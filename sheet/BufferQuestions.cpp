// The four buffer questions. Every answer empties the sheet through the unit
// command of the active system.
#include "sheet/EditionTexts.h"
#include "sheet/Setup.h"

namespace tarnwick {

namespace {

// The compression, tie-down and reduced stroke questions with their options;
// a spring buffer fixes them at No.
constexpr L kOilOnlyLabels[] = {L::Label3, L::Label4, L::Label14};
constexpr O kOilOnlyOptions[] = {O::optCompYes,   O::optCompNo,     O::optTieDownYes,
                                 O::optTieDownNo, O::optReducedYes, O::optReducedNo};
// The governor tripping speed row's caption and units.
constexpr L kGovernorLabels[] = {L::Label37, L::Label36, L::Label34};

}  // namespace

void Setup::oilOnlyQuestions(bool enabled) {
    for (L l : kOilOnlyLabels) sheet_.setEnabled(l, enabled);
    for (O o : kOilOnlyOptions) sheet_.setEnabled(o, enabled);
    for (L l : kGovernorLabels) sheet_.setEnabled(l, !enabled);
}

void Setup::optOil_Click() {
    oilOnlyQuestions(true);
    sheet_.setVisible(F::txtImpGovTrip, false);
    sheet_.setVisible(F::txtMetGovTrip, false);
    unitCommand();
}

void Setup::optSpring_Click() {
    sheet_.setVisible(F::txtImpGovTrip, true);
    sheet_.setVisible(F::txtMetGovTrip, true);
    sheet_.select(O::optCompNo);
    sheet_.select(O::optTieDownNo);
    sheet_.select(O::optReducedNo);
    oilOnlyQuestions(false);
    unitCommand();
}

void Setup::optCompNo_Click() {
    unitCommand();
    sheet_.setCaption(L::Label6, "Counterweight runby:");
    sheet_.setCaption(L::Label20, "Car runby:");
    const EditionTexts& texts = editionTexts(selectedEdition(sheet_));
    sheet_.setTooltip(L::Label6, texts.cwtRunbyMeasuringAnswer);
    sheet_.setTooltip(L::Label20, texts.carRunbyMeasuringAnswer);
}

void Setup::optCompYes_Click() {
    unitCommand();
    sheet_.setCaption(L::Label6, "Counterweight buffer is compressed by:");
    sheet_.setCaption(L::Label20, "Car buffer is compressed by:");
    const EditionTexts& texts = editionTexts(selectedEdition(sheet_));
    sheet_.setTooltip(L::Label6, texts.compressedRunbyAnswer);
    sheet_.setTooltip(L::Label20, texts.compressedRunbyAnswer);
}

}  // namespace tarnwick
