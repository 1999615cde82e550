#include "ui/web/WebView.h"

#include <emscripten/emscripten.h>

#include <string>

#include "ui/Screen.h"

// The page's side is ui/web/site/mirror.js.
EM_JS(void, pageField,
      (int id, const char* text, const char* colour, bool locked, bool tabStop, bool visible,
       int maxLength, int selStart, int selLength, const char* name, const char* description),
      {
          tarnwickPage.field(id, {
              text : UTF8ToString(text),
              colour : UTF8ToString(colour),
              locked : locked,
              tabStop : tabStop,
              visible : visible,
              maxLength : maxLength,
              selStart : selStart,
              selLength : selLength,
              name : UTF8ToString(name),
              description : UTF8ToString(description)
          });
      });

// A caption goes as written and as shown: split around its access key.
EM_JS(void, pageLabel,
      (int id, const char* caption, const char* before, const char* key, const char* after,
       const char* tooltip, bool enabled),
      {
          tarnwickPage.label(id, {
              caption : UTF8ToString(caption),
              shown : {
                  before : UTF8ToString(before),
                  key : UTF8ToString(key),
                  after : UTF8ToString(after)
              },
              tooltip : UTF8ToString(tooltip),
              enabled : enabled
          });
      });

EM_JS(void, pageOption,
      (int id, const char* caption, const char* before, const char* key, const char* after,
       const char* description, bool selected, bool enabled, const char* name),
      {
          tarnwickPage.option(id, {
              caption : UTF8ToString(caption),
              shown : {
                  before : UTF8ToString(before),
                  key : UTF8ToString(key),
                  after : UTF8ToString(after)
              },
              description : UTF8ToString(description),
              selected : selected,
              enabled : enabled,
              name : UTF8ToString(name)
          });
      });

EM_JS(void, pageButton,
      (int id, const char* caption, const char* before, const char* key, const char* after,
       const char* description, bool enabled, const char* name),
      {
          tarnwickPage.button(id, {
              caption : UTF8ToString(caption),
              shown : {
                  before : UTF8ToString(before),
                  key : UTF8ToString(key),
                  after : UTF8ToString(after)
              },
              description : UTF8ToString(description),
              enabled : enabled,
              name : UTF8ToString(name)
          });
      });

EM_JS(void, pageFocus, (int kind, int id), { tarnwickPage.focus(kind, id); });

namespace tarnwick {

void WebView::elementChanged(Element element) {
    SheetMirror::elementChanged(element);
    // Names and descriptions that say a label change with it.
    if (element.kind == Element::Kind::Label) {
        for (const Element named : screen::namedBy(element.label())) {
            SheetMirror::elementChanged(named);
        }
    }
}

void WebView::focusChanged(Element element) {
    pageFocus(static_cast<int>(element.kind), element.id);
}

void WebView::mirror(F f) {
    const TextField& field = sheet_.field(f);
    const std::string colour(colourName(field.colour));
    pageField(idx(f), field.text.c_str(), colour.c_str(), field.locked, field.tabStop,
              field.visible, field.maxLength, field.selStart, field.selLength,
              screen::accessibleName(sheet_, f).c_str(), screen::description(sheet_, f).c_str());
}

void WebView::mirror(L l) {
    const std::string& caption = sheet_.caption(l);
    const screen::ShownCaption shown = screen::shownCaption(caption);
    pageLabel(idx(l), caption.c_str(), shown.before.c_str(), shown.key.c_str(), shown.after.c_str(),
              screen::description(sheet_, l).c_str(), sheet_.enabled(l));
}

void WebView::mirror(O o) {
    const OptionElement& option = sheet_.option(o);
    const screen::ShownCaption shown = screen::shownCaption(option.caption);
    pageOption(idx(o), option.caption.c_str(), shown.before.c_str(), shown.key.c_str(),
               shown.after.c_str(), screen::description(sheet_, o).c_str(), option.selected,
               option.enabled, screen::accessibleName(sheet_, o).c_str());
}

void WebView::mirror(B b) {
    const ButtonElement& button = sheet_.button(b);
    const screen::ShownCaption shown = screen::shownCaption(button.caption);
    pageButton(idx(b), button.caption.c_str(), shown.before.c_str(), shown.key.c_str(),
               shown.after.c_str(), screen::description(sheet_, b).c_str(), button.enabled,
               screen::accessibleName(sheet_, b).c_str());
}

}  // namespace tarnwick
