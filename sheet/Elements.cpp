#include "sheet/Elements.h"

#include <map>

namespace tarnwick {

namespace {

#define TARNWICK_NAME(n) #n,
constexpr std::array<std::string_view, kFieldCount> kFieldNames{TARNWICK_FIELDS(TARNWICK_NAME)};
constexpr std::array<std::string_view, kOptionCount> kOptionNames{TARNWICK_OPTIONS(TARNWICK_NAME)};
constexpr std::array<std::string_view, kButtonCount> kButtonNames{TARNWICK_BUTTONS(TARNWICK_NAME)};
constexpr std::array<std::string_view, kMenuCount> kMenuNames{TARNWICK_MENUS(TARNWICK_NAME)};
#undef TARNWICK_NAME

// The indexed unit labels are spelled "LabelDIM(i)" by the window.
#define TARNWICK_LABEL_NAME(n) labelName(#n),
constexpr std::string_view labelName(std::string_view id) {
    constexpr std::string_view dims[] = {
        "LabelDIM(0)",  "LabelDIM(1)",  "LabelDIM(2)",  "LabelDIM(3)",  "LabelDIM(4)",
        "LabelDIM(5)",  "LabelDIM(6)",  "LabelDIM(7)",  "LabelDIM(8)",  "LabelDIM(9)",
        "LabelDIM(10)", "LabelDIM(11)", "LabelDIM(12)", "LabelDIM(13)", "LabelDIM(14)",
        "LabelDIM(15)", "LabelDIM(16)", "LabelDIM(17)", "LabelDIM(18)", "LabelDIM(19)",
        "LabelDIM(20)", "LabelDIM(21)"};
    constexpr std::string_view prefix = "LabelDIM";
    if (id.substr(0, prefix.size()) != prefix) return id;
    int i = 0;
    for (char c : id.substr(prefix.size())) i = i * 10 + (c - '0');
    return dims[i];
}
constexpr std::array<std::string_view, kLabelCount> kLabelNames{
    TARNWICK_LABELS(TARNWICK_LABEL_NAME)};
#undef TARNWICK_LABEL_NAME

}  // namespace

std::string_view name(F f) {
    return kFieldNames[idx(f)];
}
std::string_view name(L l) {
    return kLabelNames[idx(l)];
}
std::string_view name(O o) {
    return kOptionNames[idx(o)];
}
std::string_view name(B b) {
    return kButtonNames[idx(b)];
}
std::string_view name(M m) {
    return kMenuNames[idx(m)];
}

std::string name(Element e) {
    switch (e.kind) {
        case Element::Kind::Field:
            return std::string(name(e.field()));
        case Element::Kind::Label:
            return std::string(name(e.label()));
        case Element::Kind::Option:
            return std::string(name(e.option()));
        case Element::Kind::Button:
            return std::string(name(e.button()));
        case Element::Kind::Menu:
            return std::string(name(e.menu()));
        case Element::Kind::None:
            break;
    }
    return {};
}

std::optional<Element> elementNamed(std::string_view controlName) {
    static const std::map<std::string_view, Element> table = [] {
        std::map<std::string_view, Element> t;
        for (int i = 0; i < kFieldCount; ++i) t.emplace(kFieldNames[i], static_cast<F>(i));
        for (int i = 0; i < kLabelCount; ++i) t.emplace(kLabelNames[i], static_cast<L>(i));
        for (int i = 0; i < kOptionCount; ++i) t.emplace(kOptionNames[i], static_cast<O>(i));
        for (int i = 0; i < kButtonCount; ++i) t.emplace(kButtonNames[i], static_cast<B>(i));
        for (int i = 0; i < kMenuCount; ++i) t.emplace(kMenuNames[i], static_cast<M>(i));
        return t;
    }();
    auto it = table.find(controlName);
    if (it == table.end()) return std::nullopt;
    return it->second;
}

}  // namespace tarnwick
