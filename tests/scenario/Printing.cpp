#include "Printing.h"

#include <string>
#include <vector>

#include "Describe.h"
#include "Expectations.h"

namespace tarnwick::scenario {

namespace {

Problem compareCount(const std::string& expected, int found) {
    if (std::stoi(expected) == found) return std::nullopt;
    return "expected " + expected + ", found " + std::to_string(found);
}

/// `expect report-line N "TEXT"`: a `*` at the end of TEXT matches any rest.
Problem expectReportLine(const HeadlessPrinter& printer, const Command& c) {
    const std::vector<ReportLine>& lines = printer.lastDocument();
    const std::size_t number = std::stoul(c.args[0]);
    if (number > lines.size()) {
        return "the last report has " + std::to_string(lines.size()) + " lines";
    }
    return compareLine(c.args[1], reportLineText(lines[number - 1]));
}

}  // namespace

Problem playPrinting(Session& session, const Command& c) {
    HeadlessPrinter& printer = session.platform().headlessPrinter();
    switch (c.op) {
        case Op::Reminder:
            session.queueReminder(
                reminderOfWord(c.args[0]).value_or(HeadlessPlatform::ReminderAnswer::Ok), c.line);
            return std::nullopt;
        case Op::PrintDialog:
            session.queuePrintDialog(c.args[0] == "ok", c.line);
            return std::nullopt;
        case Op::Printer:
            printer.setFontName(c.args[0]);
            printer.setFontSize(std::stof(c.args[1]));
            printer.setOrientation(std::stoi(c.args[2]));
            return std::nullopt;
        case Op::ExpectReminder:
            return takeEvent(session, "reminder " + c.args[0]);
        case Op::ExpectPrintDialog:
            return takeEvent(session, "printdialog");
        case Op::ExpectPrinter: {
            const std::string expected = quotedText(c.args[0]) + " " +
                                         sizeText(std::stof(c.args[1])) + " " +
                                         std::to_string(std::stoi(c.args[2])) + " " + c.args[3];
            const std::string found = printerText(printer);
            if (expected == found) return std::nullopt;
            return "expected " + expected + ", found " + found;
        }
        case Op::ExpectDocuments:
            return compareCount(c.args[0], printer.documents());
        case Op::ExpectPictures:
            return compareCount(c.args[0], printer.pictures());
        case Op::ExpectReportLines:
            return compareCount(c.args[0], static_cast<int>(printer.lastDocument().size()));
        case Op::ExpectReportLine:
            return expectReportLine(printer, c);
        default:
            break;
    }
    return std::string("not a printing command");
}

}  // namespace tarnwick::scenario
