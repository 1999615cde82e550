#include "Player.h"

#include <string>

#include "ui/ActionLines.h"

namespace tarnwick::scenario {

namespace {

/// The command's own word: "type" of "type txtImpSpeed".
std::string command(const Command& c) {
    return c.head.substr(0, c.head.find(' '));
}

}  // namespace

// The user's actions are the program's own (ui/ActionLines.h), as the
// program replays its record.
Problem play(Session& session, const Command& c) {
    switch (c.op) {
        case Op::Type:
        case Op::Paste:
        case Op::Focus:
        case Op::Click:
        case Op::Key:
        case Op::Close:
            return playAction(session.sheet(), command(c), c.args);
        case Op::Answer:
            session.queueAnswer(answerOfWord(c.args[0]).value_or(Answer::Ok), c.line);
            return std::nullopt;
        case Op::PromptText:
            session.queuePrompt(c.args[0], c.line);
            return std::nullopt;
        case Op::PromptCancel:
            session.queuePrompt(std::nullopt, c.line);
            return std::nullopt;
        default:
            break;
    }
    return "cannot be played as a user action";
}

}  // namespace tarnwick::scenario
