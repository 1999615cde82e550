#include "ui/web/WebPrinter.h"

#include <emscripten/emscripten.h>

#include <cstdio>

#include "ui/web/Json.h"

// The page lays the printout out for print media and opens the browser's
// print dialog; the command goes on once it has closed.
EM_ASYNC_JS(void, pagePrintReport, (const char* json),
            { await tarnwickPage.printReport(JSON.parse(UTF8ToString(json))); });

EM_ASYNC_JS(void, pagePrintForm, (const char* json),
            { await tarnwickPage.printForm(JSON.parse(UTF8ToString(json))); });

namespace tarnwick {

namespace {

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

}  // namespace

void WebPrinter::printLine(const LineItems& items) {
    for (std::string& text : layOut(items)) rows_.push_back({std::move(text), fontSize(), bold()});
}

void WebPrinter::endDocument() {
    std::string json = "{\"name\":" + json::quoted(documentName()) +
                       ",\"font\":" + json::quoted(fontName()) +
                       ",\"orientation\":" + std::to_string(orientation()) + ",\"rows\":[";
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i > 0) json += ',';
        json += "{\"text\":" + json::quoted(rows_[i].text) + ",\"size\":" + number(rows_[i].size) +
                ",\"bold\":" + (rows_[i].bold ? "true" : "false") + "}";
    }
    json += "]}";
    rows_.clear();
    pagePrintReport(json.c_str());
}

void WebPrinter::printWindowPicture() {
    const std::string json = "{\"name\":" + json::quoted(documentName()) +
                             ",\"orientation\":" + std::to_string(orientation()) + "}";
    pagePrintForm(json.c_str());
}

}  // namespace tarnwick
