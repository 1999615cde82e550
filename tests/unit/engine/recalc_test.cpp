// Carrying the active column's entries across after an edition change.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

using engineRecalc = EngineTest;
using enum F;

TEST_F(engineRecalc, ImperialEntriesIntoTheMetricColumn) {
    set({{txtImpStroke, "8.25"},
         {txtImpRunby, "-2"},
         {txtImpSpeed, "350"},
         {txtImpGovTrip, "200"}});
    // Empty the twins the editing filled; the car runby has no imperial text.
    set({{txtMetStroke, ""},
         {txtMetRunby, ""},
         {txtMetSpeed, ""},
         {txtMetGovTrip, ""},
         {txtMetRunbyCar, "keep"}});
    engine.recalc().RecalcMet();
    EXPECT_EQ(text(txtMetStroke), "209.55");
    EXPECT_EQ(text(txtMetRunby), "-50.80");
    EXPECT_EQ(text(txtMetSpeed), "1.78");
    EXPECT_EQ(text(txtMetGovTrip), "1.02");  // hidden with oil buffers, converted all the same
    EXPECT_EQ(text(txtMetRunbyCar), "keep");
}

TEST_F(engineRecalc, MetricEntriesIntoTheImperialColumn) {
    metric();
    set({{txtMetStroke, "205"},
         {txtMetRunby, "152"},
         {txtMetSpeed, "1.75"},
         {txtMetGovTrip, "1.02"}});
    set({{txtImpStroke, ""},
         {txtImpRunby, ""},
         {txtImpSpeed, ""},
         {txtImpGovTrip, ""},
         {txtImpRunbyCar, "keep"}});
    engine.recalc().RecalcImp();
    EXPECT_EQ(text(txtImpStroke), "8.07");
    EXPECT_EQ(text(txtImpRunby), "5.98");
    EXPECT_EQ(text(txtImpSpeed), "344.49");
    EXPECT_EQ(text(txtImpGovTrip), "200.79");
    EXPECT_EQ(text(txtImpRunbyCar), "keep");
}

}  // namespace
}  // namespace tarnwick::testing
