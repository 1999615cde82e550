#include "engine/Engine.h"

namespace tarnwick {

Engine::Engine(Sheet& sheet)
    : strokes_(sheet),
      clearances_(sheet),
      differences_(sheet),
      runbyLimits_(sheet),
      maxRunby_(sheet),
      alerts_(sheet),
      recalc_(sheet),
      cases_(sheet, strokes_, clearances_, differences_, runbyLimits_, alerts_, maxRunby_) {}

}  // namespace tarnwick
