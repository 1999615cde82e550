#include "ui/web/WebPlatform.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "info/Reference.h"
#include "ui/ActionLines.h"
#include "ui/web/Json.h"

// The page's dialogs (ui/web/site/dialogs.js) answer with promises; the
// reaction that asked is suspended until they settle.

EM_ASYNC_JS(int, pageShowMessage, (const char* json),
            { return await tarnwickPage.showMessage(JSON.parse(UTF8ToString(json))); });

// The answer comes back in memory the C++ side frees.
EM_ASYNC_JS(char*, pagePromptText, (const char* json), {
    const text = await tarnwickPage.promptText(JSON.parse(UTF8ToString(json)));
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
});

// The number of clicks on the check box while the reminder was open.
EM_ASYNC_JS(int, pageShowReminder, (const char* json),
            { return await tarnwickPage.showReminder(JSON.parse(UTF8ToString(json))); });

EM_JS(int, pageScreenWidth, (), { return tarnwickPage.screenWidth(); });

EM_JS(char*, pageShortDate, (), {
    const text = tarnwickPage.shortDate();
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
});

namespace tarnwick {

namespace {

std::string taken(char* text) {
    std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned ? std::string(owned.get()) : std::string();
}

}  // namespace

Answer WebPlatform::showMessage(const Message& message) {
    const bool yesNoCancel = message.buttons == Buttons::YesNoCancel;
    const std::vector<Answer> offered = yesNoCancel
                                            ? std::vector{Answer::Yes, Answer::No, Answer::Cancel}
                                            : std::vector{Answer::Ok};
    // Closing a box without Cancel is its OK.
    const Answer closing = yesNoCancel ? Answer::Cancel : Answer::Ok;
    json::Writer json;
    json.object()
        .member("prompt", message.prompt)
        .member("title", message.title)
        .member("icon", iconName(message.icon))
        .member("card", message.referenceCard)
        .member("lineByLine", message.lineByLine);
    if (message.referenceCard) {
        json.key("lines").arrayOf(Reference::cardLines(message),
                                  [](json::Writer& w, const std::string& line) { w.value(line); });
    }
    json.key("answers").array();
    for (const Answer answer : offered) {
        json.object()
            .member("caption", answerWord(answer))
            .member("code", static_cast<int>(answer))
            .end();
    }
    json.end()
        .member("default", static_cast<int>(yesNoCancel ? message.defaultButton : Answer::Ok))
        .member("close", static_cast<int>(closing))
        .end();
    const int code = pageShowMessage(std::move(json).text().c_str());
    for (const Answer answer : offered) {
        if (code == static_cast<int>(answer)) return answer;
    }
    return closing;
}

std::string WebPlatform::promptText(const std::string& prompt, const std::string& title) {
    json::Writer json;
    json.object()
        .member("prompt", prompt)
        .member("title", title)
        .member("ok", answerWord(Answer::Ok))
        .member("cancel", answerWord(Answer::Cancel))
        .end();
    return taken(pagePromptText(std::move(json).text().c_str()));
}

int WebPlatform::screenWidth() {
    return pageScreenWidth();
}

void WebPlatform::showReminder(const ReminderView& view,
                               const std::function<void()>& checkBoxClicked) {
    json::Writer json;
    json.object()
        .member("caption", view.caption)
        .member("message", view.message)
        .member("checkBox", view.checkBox)
        .member("portrait", view.portrait)
        .member("ok", answerWord(Answer::Ok))
        .end();
    // The clicks arrive once the reminder has closed: nothing reads what
    // they change while it is open.
    for (int clicks = pageShowReminder(std::move(json).text().c_str()); clicks > 0; --clicks) {
        checkBoxClicked();
    }
}

std::string WebPlatform::shortDate() {
    return taken(pageShortDate());
}

}  // namespace tarnwick
