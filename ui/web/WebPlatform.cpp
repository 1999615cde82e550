#include "ui/web/WebPlatform.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

#include "ui/web/Json.h"

// The page's dialogs (ui/web/site/dialogs.js) answer with promises; the
// reaction that asked is suspended until they settle.

EM_ASYNC_JS(int, pageShowMessage, (const char* json),
            { return await tarnwickPage.showMessage(JSON.parse(UTF8ToString(json))); });

// The answer comes back in memory the C++ side frees.
EM_ASYNC_JS(char*, pagePromptText, (const char* prompt, const char* title), {
    const text = await tarnwickPage.promptText(UTF8ToString(prompt), UTF8ToString(title));
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
    std::string json = "{\"prompt\":" + json::quoted(message.prompt);
    json += ",\"title\":" + json::quoted(message.title);
    json += ",\"icon\":" + json::quoted(iconName(message.icon));
    json += std::string(",\"buttons\":") + (yesNoCancel ? "\"yesnocancel\"" : "\"ok\"");
    json += ",\"default\":" +
            json::quoted(answerName(yesNoCancel ? message.defaultButton : Answer::Ok));
    json += std::string(",\"card\":") + (message.referenceCard ? "true" : "false") + "}";
    switch (pageShowMessage(json.c_str())) {
        case 1:
            return Answer::Yes;
        case 2:
            return Answer::No;
        case 3:
            return Answer::Cancel;
        default:
            break;
    }
    // Closing a box without Cancel is its OK.
    return yesNoCancel ? Answer::Cancel : Answer::Ok;
}

std::string WebPlatform::promptText(const std::string& prompt, const std::string& title) {
    return taken(pagePromptText(prompt.c_str(), title.c_str()));
}

int WebPlatform::screenWidth() {
    return pageScreenWidth();
}

void WebPlatform::showReminder(const ReminderView& view,
                               const std::function<void()>& checkBoxClicked) {
    const std::string json = "{\"caption\":" + json::quoted(view.caption) +
                             ",\"message\":" + json::quoted(view.message) +
                             ",\"checkBox\":" + json::quoted(view.checkBox) +
                             ",\"portrait\":" + (view.portrait ? "true" : "false") + "}";
    // The clicks arrive once the reminder has closed: nothing reads what
    // they change while it is open.
    for (int clicks = pageShowReminder(json.c_str()); clicks > 0; --clicks) checkBoxClicked();
}

std::string WebPlatform::shortDate() {
    return taken(pageShortDate());
}

}  // namespace tarnwick
