#include "sheet/Platform.h"

namespace tarnwick {

std::string_view iconName(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return "critical";
        case Icon::Question:
            return "question";
        case Icon::Information:
            return "information";
        case Icon::None:
            break;
    }
    return "none";
}

std::string_view answerName(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
        case Answer::Cancel:
            return "cancel";
        case Answer::Ok:
            break;
    }
    return "ok";
}

}  // namespace tarnwick
