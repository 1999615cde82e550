// What the calculator needs from the desktop it runs on: modal message boxes,
// a one-line text prompt and the screen size. The window itself is mirrored
// from the sheet model; see SheetObserver.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

enum class Icon { None, Critical, Question, Information };
enum class Buttons { Ok, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

/// The icon's and the answer's names in lower case: "none", "critical",
/// "question", "information"; "ok", "yes", "no", "cancel".
std::string_view iconName(Icon icon);
std::string_view answerName(Answer answer);

/// A modal message box as the program shows it.
struct Message {
    std::string prompt;  ///< line breaks are "\r\n"
    std::string title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;  ///< for Yes/No/Cancel boxes
    /// A page of the reference card: lines laid out with blanks, to be shown
    /// in a fixed-pitch font and unwrapped.
    bool referenceCard = false;
    /// A card read line by line (the working): each line on its own for a
    /// screen reader and wrapped where the view is too narrow for it.
    bool lineByLine = false;

    bool operator==(const Message&) const = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    /// Shows the message and waits for the user's answer. Closing the box with
    /// its close button answers Cancel where Cancel is offered, else OK.
    virtual Answer showMessage(const Message& message) = 0;

    /// Asks for one line of text; an empty text when the user cancels.
    virtual std::string promptText(const std::string& prompt, const std::string& title) = 0;

    /// Width of the screen the window opens on, in pixels.
    virtual int screenWidth() = 0;
};

}  // namespace tarnwick
