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

/// The rules and tables of an edition by the references that its tooltips
/// and the reference card give, for the working to name.
struct EditionRules {
    std::string_view name;           ///< "A17.1-1996"
    std::string_view strokeTable;    ///< full-stroke oil buffers, listed speeds
    std::string_view fullStroke;     ///< full-stroke oil buffers, the formula
    std::string_view reducedStroke;  ///< reduced-stroke oil buffers
    std::string_view springStroke;   ///< spring buffers
    std::string_view crosshead;      ///< the minimum clearances, as their rows' tooltips
    std::string_view refuge;
    std::string_view shoes;
    std::string_view obstruct;
    std::string_view cwtObstruct;
    std::string_view compression;  ///< partially compressed buffers
    std::string_view tieDown;      ///< compensating rope tie-down
};

const EditionRules& editionRules(Edition edition);

}  // namespace tarnwick
