#include "Printing.h"

namespace tarnwick::scenario {

Problem playPrinting(Session& /*session*/, const Command& /*command*/) {
    return std::string("printing is not available yet");
}

}  // namespace tarnwick::scenario
