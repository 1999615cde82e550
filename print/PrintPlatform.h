// What the printing commands need from the desktop: the printer with its font
// and page settings, the orientation reminder, the print dialog and the date.
// The window's toolkit implements it; so does the headless platform of the
// tests.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "print/LineItems.h"

namespace tarnwick {

/// A printer error. Its text says what failed, in words that complete "The
/// data report could not be printed: ..." (no capital, no full stop). The
/// printing commands end at the first one and show it.
class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The printer that the print dialog chose. Its settings live as long as the
/// program: what one command sets, the next one finds. Every operation may
/// throw PrintFailure; the printer has then dropped the unfinished document
/// and is ready for the next one, its settings as they were.
class Printer {
public:
    virtual ~Printer() = default;

    /// The name of the next document, such as "E-7 data report": the print
    /// job's name, and the file's when it is printed to a file.
    virtual void setDocumentName(const std::string& name) = 0;

    virtual std::string fontName() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    /// In points.
    virtual float fontSize() const = 0;
    virtual void setFontSize(float points) = 0;
    /// 1 portrait, 2 landscape.
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;
    virtual void setBold(bool on) = 0;

    /// Prints one line in the current font (an empty line when `items` is
    /// empty) and moves to the start of the next; a full page continues on
    /// the next one.
    virtual void printLine(const LineItems& items) = 0;
    /// Finishes the document of the lines printed so far and sends it.
    virtual void endDocument() = 0;
    /// Prints a picture of the calculator window as shown on screen, as one
    /// page in the orientation chosen in the print dialog.
    virtual void printWindowPicture() = 0;
};

/// What the orientation reminder shows: one message and one check box.
struct ReminderView {
    std::string caption;
    std::string message;
    std::string checkBox;
    bool portrait = false;  ///< the data report's reminder; else the form's

    bool operator==(const ReminderView&) const = default;
};

class PrintPlatform {
public:
    virtual ~PrintPlatform() = default;

    virtual Printer& printer() = 0;

    /// Shows the orientation reminder modally, its check box unticked, and
    /// returns when it has been closed. Each click on the check box calls
    /// `checkBoxClicked` at once.
    virtual void showReminder(const ReminderView& view,
                              const std::function<void()>& checkBoxClicked) = 0;

    /// The print dialog, with the Selection range disabled. Printing to a
    /// file is always offered, named after the printer's document, and is
    /// the choice made for the user where no printer is installed. True when
    /// the user confirmed it: the chosen printer and its settings then
    /// receive the following printing. False when cancelled.
    virtual bool showPrintDialog() = 0;

    /// Today's date in the desktop's short date format.
    virtual std::string shortDate() = 0;
};

}  // namespace tarnwick
