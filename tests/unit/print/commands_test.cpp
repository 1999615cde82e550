// What the scenario files cannot reach: the texts of the orientation
// reminder and a printer that fails in the middle of a report.
#include <gtest/gtest.h>

#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

using Kind = HeadlessPlatform::Event::Kind;

class Printing : public testing::Test {
protected:
    void SetUp() override {
        program.start();
        program.sheet().setText(F::txtID, "E-7");
    }

    HeadlessPlatform platform;
    Program program{platform};
    HeadlessPrinter& printer = platform.headlessPrinter();
};

TEST_F(Printing, TheReminderShowsOneMessageAndOneCheckBox) {
    program.sheet().choose(M::mnuPrintData);
    program.sheet().choose(M::mnuPrintForm);
    const auto& events = platform.events();
    ASSERT_EQ(events.size(), 4u);
    ASSERT_EQ(events[0].kind, Kind::Reminder);
    ASSERT_EQ(events[2].kind, Kind::Reminder);
    const ReminderView& data = events[0].reminder;
    const ReminderView& form = events[2].reminder;
    EXPECT_EQ(data.caption, "Orientation");
    EXPECT_EQ(data.message,
              "Please remember to select portrait orientation when printing the data.");
    EXPECT_EQ(data.checkBox, "Don't show me this message again");
    EXPECT_TRUE(data.portrait);
    EXPECT_EQ(form.caption, "Orientation");
    EXPECT_EQ(form.message,
              "Please remember to select landscape orientation when printing the form.");
    EXPECT_EQ(form.checkBox, "Don't show me this message again");
    EXPECT_FALSE(form.portrait);
}

// The command stops at the failing line: nothing after it is printed, the
// document is not ended and the report's font and orientation stay set.
TEST_F(Printing, APrinterFailureEndsTheReportSilently) {
    printer.failAtLine(20);
    program.sheet().choose(M::mnuPrintData);
    EXPECT_EQ(platform.messages().size(), 0u);
    EXPECT_EQ(printer.documents(), 0);
    EXPECT_EQ(printer.fontName(), "Courier New");
    EXPECT_EQ(printer.fontSize(), 14);
    EXPECT_EQ(printer.orientation(), 1);

    // The 19 lines printed before the failure wait on the printer, and the
    // next report ends them with its own 48 in one document.
    program.sheet().choose(M::mnuPrintData);
    EXPECT_EQ(printer.documents(), 1);
    EXPECT_EQ(printer.lastDocument().size(), 19u + 48u);
}

}  // namespace
}  // namespace tarnwick
