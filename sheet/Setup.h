// Start-up, Default and Exit, the close prompt, the unit commands, the code
// edition options and the four buffer questions.
#pragma once

#include "sheet/Columns.h"
#include "sheet/Editing.h"
#include "sheet/Edition.h"
#include "sheet/Links.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Setup {
public:
    Setup(Sheet& sheet, EngineLink& engine, Editing& editing)
        : sheet_(sheet), engine_(engine), editing_(editing) {}

    void Form_Load();
    /// The close reaction: true when the user agrees to close.
    bool Form_QueryUnload();
    void cmdDefault_Click();
    void cmdExit_Click();
    void cmdImperial_Click();
    void cmdMetric_Click();
    void opt1996_Click();
    void opt2000_Click();
    void optOil_Click();
    void optSpring_Click();
    void optCompYes_Click();
    void optCompNo_Click();
    /// optTieDownYes/No and optReducedYes/No: the unit command of the active system.
    void unitCommand();

    void MetDataYellow();
    void ImpDataYellow();
    void ImpDim();
    void MetDim();
    void ClearExceptImp();
    void ClearExceptMet();

private:
    /// The edition click: rule tooltips, edition values, then the column of
    /// the other unit system derived again from the active one.
    void editionClick(Edition edition);
    /// Paints, locks and takes out of the tab order one input column, then
    /// makes the other editable.
    void columnLooks(const InputColumn& readOnly, const InputColumn& editable);
    /// Enables the questions that only oil buffers ask and disables the
    /// governor tripping speed row's labels, or the reverse.
    void oilOnlyQuestions(bool enabled);

    Sheet& sheet_;
    EngineLink& engine_;
    Editing& editing_;
};

}  // namespace tarnwick
