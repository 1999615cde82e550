#include "sheet/Setup.h"

#include "sheet/Columns.h"
#include "sheet/EditionTexts.h"

namespace tarnwick {

void Setup::Form_Load() {
    sheet_.state().IsImperial = true;
    sheet_.setWindowLeft((sheet_.platform().screenWidth() - Sheet::kWindowWidth) / 2);
    // At a repeated start-up an answer the user changed is put back with the
    // full effect of its click.
    for (O o : {O::optOil, O::optCompNo, O::optTieDownNo, O::optReducedNo, O::opt1996}) {
        sheet_.select(o);
    }
    MetDataYellow();
    opt1996_Click();
    editing_.Clear2();
}

bool Setup::Form_QueryUnload() {
    const Answer answer = sheet_.message(
        {"Do you wish to close the calculator....select no or you will loose all of your work!",
         "Close Tarnwick?", Icon::Question, Buttons::YesNoCancel, Answer::Cancel});
    return answer == Answer::Yes;
}

void Setup::cmdDefault_Click() {
    Form_Load();
    editing_.ClearAll();
    engine_.WhiteYellow();
    sheet_.setText(F::txtID, "");
}

void Setup::cmdExit_Click() {
    sheet_.requestClose();
}

void Setup::cmdImperial_Click() {
    sheet_.state().IsImperial = true;
    MetDataYellow();
    editing_.ClearAll();
    ImpDim();
    engine_.WhiteYellow();
    sheet_.setEnabled(B::cmdMaxRunby, false);
    editing_.Focus();
}

void Setup::cmdMetric_Click() {
    sheet_.state().IsImperial = false;
    ImpDataYellow();
    editing_.ClearAll();
    MetDim();
    engine_.WhiteYellow();
    sheet_.setEnabled(B::cmdMaxRunby, false);
    editing_.Focus();
}

void Setup::unitCommand() {
    if (sheet_.state().IsImperial) {
        cmdImperial_Click();
    } else {
        cmdMetric_Click();
    }
}

void Setup::opt1996_Click() {
    editionClick(Edition::A17_1_1996);
}

void Setup::opt2000_Click() {
    editionClick(Edition::A17_1_2000);
}

// An edition change keeps the entries of the active column and derives the
// other column from them again; results and differences are emptied.
void Setup::editionClick(Edition edition) {
    const EditionTexts& texts = editionTexts(edition);
    for (const auto& [label, tooltip] : texts.ruleTooltips) sheet_.setTooltip(label, tooltip);
    if (sheet_.selected(O::optCompYes)) {
        sheet_.setTooltip(L::Label6, texts.compressedRunby);
        sheet_.setTooltip(L::Label20, texts.compressedRunby);
    } else {
        sheet_.setTooltip(L::Label6, texts.cwtRunbyMeasuring);
        sheet_.setTooltip(L::Label20, texts.carRunbyMeasuring);
    }
    sheet_.state().edition = editionValues(edition);

    if (sheet_.state().IsImperial) {
        MetDataYellow();
        ClearExceptImp();
        ImpDim();
        engine_.WhiteYellow();
        sheet_.setEnabled(B::cmdMaxRunby, false);
        engine_.RecalcMet();
    } else {
        ImpDataYellow();
        ClearExceptMet();
        MetDim();
        engine_.WhiteYellow();
        sheet_.setEnabled(B::cmdMaxRunby, false);
        engine_.RecalcImp();
    }
    editing_.Focus();
}

void Setup::columnLooks(const InputColumn& readOnly, const InputColumn& editable) {
    for (F f : readOnly.inOrder()) sheet_.setColour(f, Colour::Yellow);
    for (F f : readOnly.inOrder()) sheet_.setLocked(f, true);
    for (F f : readOnly.inOrder()) sheet_.setTabStop(f, false);
    for (F f : editable.inOrder()) sheet_.setColour(f, Colour::White);
    for (F f : editable.inOrder()) sheet_.setLocked(f, false);
    for (F f : editable.inOrder()) sheet_.setTabStop(f, true);
}

void Setup::MetDataYellow() {
    columnLooks(kMetricInputs, kImperialInputs);
}

void Setup::ImpDataYellow() {
    columnLooks(kImperialInputs, kMetricInputs);
}

// LabelDIM(10) to LabelDIM(19): the units of the measured and difference
// columns, which follow the active system.
void Setup::ImpDim() {
    for (int i = 10; i <= 19; ++i) sheet_.setCaption(labelDim(i), "IN");
}

void Setup::MetDim() {
    for (int i = 10; i <= 19; ++i) sheet_.setCaption(labelDim(i), "MM");
}

void Setup::ClearExceptImp() {
    editing_.Clear2();
    editing_.Clear3();
    editing_.Clear4();
    editing_.Clear3();
    editing_.Clear6();
}

void Setup::ClearExceptMet() {
    editing_.Clear1();
    editing_.Clear3();
    editing_.Clear4();
    editing_.Clear3();
    editing_.Clear6();
}

}  // namespace tarnwick
