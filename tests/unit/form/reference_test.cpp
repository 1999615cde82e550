// The Formulas & Info messages belong to the twelve leaves and to nothing
// else; their texts are checked by the reference-messages scenarios.
#include "info/Reference.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr M kLeaves[] = {M::mnuOil,       M::mnuSpring,  M::mnu1996,       M::mnu2000,
                         M::mnuImpSpring, M::mnuImpComp, M::mnuImpReduced, M::mnuImpOtherOil,
                         M::mnuMetSpring, M::mnuMetComp, M::mnuMetReduced, M::mnuMetOtherOil};

bool isLeaf(M m) {
    for (M leaf : kLeaves) {
        if (leaf == m) return true;
    }
    return false;
}

TEST(ReferenceMessages, OnlyTheTwelveLeavesHaveAMessage) {
    for (int i = 0; i < kMenuCount; ++i) {
        const M m = static_cast<M>(i);
        EXPECT_EQ(Reference::messageFor(m).has_value(), isLeaf(m)) << name(m);
    }
}

}  // namespace
}  // namespace tarnwick
