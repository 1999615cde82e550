#include "engine/Cases.h"

// TEMPORARY STUB
namespace tarnwick {

void Cases::run(int /*number*/) {}
void Cases::One() {}
void Cases::Two() {}
void Cases::Three() {}
void Cases::Four() {}
void Cases::Five() {}
void Cases::Six() {}
void Cases::Seven() {}
void Cases::Eight() {}
void Cases::Nine() {}
void Cases::Ten() {}
void Cases::Eleven() {}
void Cases::Twelve() {}
void Cases::Thirteen() {}
void Cases::Fourteen() {}
void Cases::Fifteen() {}
void Cases::Sixteen() {}
void Cases::Seventeen() {}
void Cases::Eighteen() {}

}  // namespace tarnwick
