#include "info/Reference.h"

// TEMPORARY STUB
namespace tarnwick {

std::optional<Message> Reference::messageFor(M) { return std::nullopt; }

void Reference::show(M menu) {
    if (auto m = messageFor(menu)) sheet_.message(*m);
}

}  // namespace tarnwick
