// The calculation cases: what Movement keeps, and the order in which the
// steps run and show their messages.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

using engineCases = EngineTest;
using enum F;

TEST_F(engineCases, EveryStepRunsInOrderWhateverItReports) {
    sheet.select(O::optCompYes);
    // Runby of 40 in. entered as -40, car buffer compressed 3 of 6 in., a
    // stroke short of the 17 in. required, nothing measured.
    set({{txtImpSpeed, "500"}, {txtImpStroke, "6"}, {txtImpRunby, "-40"}, {txtImpRunbyCar, "3"}});
    engine.cases().Seven();
    EXPECT_EQ(takeTitles(),
              (std::vector<std::string>{"Maximum Runby", "Excessive Car Buffer Compression !!",
                                        "Buffer Stroke Is Short !!", "Caution !!", "Caution !!"}));
    EXPECT_TRUE(focused(txtCrossMea));
    // Counterweight: 500^2 x 3.422619e-5 + (6 - 3) = 11.56, + 6 = 17.56 above it.
    EXPECT_EQ(text(txtDifCwt), "-17.56");
}

/// Notes the required stroke at the moment each message is shown.
class StrokeAtMessage : public HeadlessPlatform {
public:
    Answer showMessage(const Message& m) override {
        seen.push_back(sheet ? sheet->text(txtImpMinStroke) : "?");
        return HeadlessPlatform::showMessage(m);
    }
    Sheet* sheet = nullptr;
    std::vector<std::string> seen;
};

TEST(engineSpringCase, CautionComesBeforeTheStrokeIsWritten) {
    StrokeAtMessage platform;
    Program program(platform);
    program.start();
    platform.sheet = &program.sheet();
    Sheet& sheet = program.sheet();
    sheet.select(O::optSpring);
    sheet.setText(txtImpGovTrip, "300");
    sheet.setText(txtImpSpeed, "250");
    sheet.setText(txtImpStroke, "4");
    sheet.setText(txtImpRunby, "6");
    sheet.setText(txtImpRunbyCar, "6");
    program.engine().cases().Three();
    ASSERT_GE(platform.seen.size(), 2u);
    EXPECT_EQ(platform.seen[0], "");
    EXPECT_EQ(platform.seen[1], "");
    EXPECT_EQ(sheet.text(txtImpMinStroke), "4");
    EXPECT_EQ(sheet.text(txtImpMaxJump), "12.33");  // 300^2 x 2.5879917e-5 = 2.33, + 10
}

}  // namespace
}  // namespace tarnwick::testing
