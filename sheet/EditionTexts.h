// The rule references of the two code editions, shown as tooltips of the
// question and row captions.
#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "sheet/Edition.h"
#include "sheet/Elements.h"

namespace tarnwick {

struct EditionTexts {
    /// The tooltips an edition option sets on every click, `Label22` first.
    std::array<std::pair<L, std::string_view>, 11> ruleTooltips;

    // The runby captions' tooltips as an edition click leaves them.
    std::string_view compressedRunby;  ///< both runby rows, buffer compressed
    std::string_view cwtRunbyMeasuring;
    std::string_view carRunbyMeasuring;

    // The same tooltips as the compression answers set them; their wording
    // differs a little from the edition click's.
    std::string_view compressedRunbyAnswer;
    std::string_view cwtRunbyMeasuringAnswer;
    std::string_view carRunbyMeasuringAnswer;
};

const EditionTexts& editionTexts(Edition edition);

}  // namespace tarnwick
