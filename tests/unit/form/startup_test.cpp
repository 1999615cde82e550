// Start-up and the edges of the number range: the window is centred on the
// screen it opens on, and no entry, however large, makes a field show
// something that is not a number.
#include <gtest/gtest.h>

#include <string>

#include "sheet/Columns.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

TEST(StartUp, CentresTheWindowOnTheScreen) {
    HeadlessPlatform platform;
    platform.setScreenWidth(1280);
    Program program(platform);
    program.start();
    EXPECT_EQ(program.sheet().windowLeft(), 192);  // (1280 - 895) / 2
    EXPECT_TRUE(platform.events().empty());
}

bool showsNonNumber(const Sheet& sheet) {
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string& text = sheet.text(static_cast<F>(i));
        for (const char* bad : {"inf", "nan", "INF", "NAN", "Inf", "NaN"}) {
            if (text.find(bad) != std::string::npos) return true;
        }
    }
    return false;
}

// Every entry of either column, typed with the largest values a field of
// eight characters takes, under the answers that accept the widest range of
// entries; then calculated, maximum runby and an edition change.
TEST(HugeEntries, NeverShowInfinityOrNotANumber) {
    for (const char* value : {"9e307", "-9e307", "1e200", "-1e200", "1e999", "1e15"}) {
        for (bool metric : {false, true}) {
            HeadlessPlatform platform;
            Program program(platform);
            program.start();
            Sheet& sheet = program.sheet();
            if (metric) sheet.press(B::cmdMetric);
            sheet.select(O::optTieDownYes);
            sheet.select(O::optCompYes);
            const InputColumn& column = metric ? kMetricInputs : kImperialInputs;
            for (F f : column.inOrder()) sheet.setText(f, value);
            for (F f : kMeasured) sheet.setText(f, value);
            EXPECT_FALSE(showsNonNumber(sheet)) << value;
            sheet.press(B::cmdCalculate);
            EXPECT_FALSE(showsNonNumber(sheet)) << value;
            sheet.press(B::cmdMaxRunby);
            sheet.select(O::opt2000);
            EXPECT_FALSE(showsNonNumber(sheet)) << value;
        }
    }
}

}  // namespace
}  // namespace tarnwick
