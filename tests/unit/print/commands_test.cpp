// What the scenario files cannot reach: the texts of the orientation
// reminder, the document's name and a printer that fails.
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

// A printer failure stops the command with one message: nothing after the
// failing line is printed, the unfinished document is dropped, and the next
// report prints whole, on its own.
TEST_F(Printing, APrinterFailureIsReportedAndTheNextReportPrintsWhole) {
    printer.failAtLine(20);
    program.sheet().choose(M::mnuPrintData);
    const Message expected{"The data report could not be printed: the printer is out of paper.",
                           "Print", Icon::Critical, Buttons::Ok, Answer::Ok};
    EXPECT_EQ(platform.messages(), std::vector<Message>{expected});
    EXPECT_EQ(printer.documents(), 0);
    EXPECT_FALSE(printer.documentOpen());
    // The settings the report had made stay, as after any ended command.
    EXPECT_EQ(printer.fontName(), "Courier New");
    EXPECT_EQ(printer.fontSize(), 14);
    EXPECT_EQ(printer.orientation(), 1);

    platform.clearEvents();
    program.sheet().choose(M::mnuPrintData);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(printer.documents(), 1);
    EXPECT_EQ(printer.lastDocument().size(), 48u);
}

TEST_F(Printing, AFailedFormPrintoutIsReported) {
    printer.failNextPicture();
    program.sheet().choose(M::mnuPrintForm);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].prompt,
              "The form could not be printed: the printer is out of paper.");
    EXPECT_EQ(platform.messages()[0].icon, Icon::Critical);
    EXPECT_EQ(printer.pictures(), 0);

    platform.clearEvents();
    program.sheet().choose(M::mnuPrintForm);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(printer.pictures(), 1);
}

TEST_F(Printing, ACancelledPrintDialogStaysSilent) {
    platform.queuePrintDialog(false);
    platform.queuePrintDialog(false);
    program.sheet().choose(M::mnuPrintData);
    program.sheet().choose(M::mnuPrintForm);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(printer.documents() + printer.pictures(), 0);
}

// The document is named before the print dialog opens, which offers a file
// under that name.
struct DocumentNameRow {
    const char* id;
    M command;
    const char* name;
};

class DocumentNames : public testing::TestWithParam<DocumentNameRow> {};

TEST_P(DocumentNames, FollowTheIdentificationAndThePrintout) {
    HeadlessPlatform platform;
    Program program{platform};
    program.start();
    program.sheet().setText(F::txtID, GetParam().id);
    platform.queuePrompt(std::nullopt);  // an empty identification stays empty
    platform.queuePrintDialog(false);
    program.sheet().choose(GetParam().command);
    EXPECT_EQ(platform.headlessPrinter().documentName(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Printouts, DocumentNames,
                         testing::Values(DocumentNameRow{"E-7", M::mnuPrintData, "E-7 data report"},
                                         DocumentNameRow{"E-7", M::mnuPrintForm, "E-7 form"},
                                         DocumentNameRow{"  Car 3 ", M::mnuPrintForm, "Car 3 form"},
                                         DocumentNameRow{"", M::mnuPrintData, "data report"},
                                         DocumentNameRow{"", M::mnuPrintForm, "form"}));

}  // namespace
}  // namespace tarnwick
