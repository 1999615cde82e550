#include "ui/Screen.h"

#include <cstddef>

#include "sheet/Utf8.h"

namespace tarnwick::screen {

namespace {

constexpr std::array<QuantityRow, 5> kEntryRows{{
    {L::Label37, F::txtImpGovTrip, L::Label36, F::txtMetGovTrip, L::Label34},
    {L::Label5, F::txtImpSpeed, L::Label8, F::txtMetSpeed, L::Label11},
    {L::Label6, F::txtImpRunby, L::Label9, F::txtMetRunby, L::Label12},
    {L::Label20, F::txtImpRunbyCar, L::Label19, F::txtMetRunbyCar, L::Label18},
    {L::Label7, F::txtImpStroke, L::Label10, F::txtMetStroke, L::Label13},
}};

constexpr std::array<QuantityRow, 2> kResultRows{{
    {L::Label15, F::txtImpMinStroke, L::Label32, F::txtMetMinStroke, L::Label33},
    {L::Label31, F::txtImpMaxJump, L::Label30, F::txtMetMaxJump, L::Label29},
}};

constexpr std::array<ClearanceRow, 5> kClearanceRows{{
    {{L::Label24, F::txtImpMinCrosshead, L::LabelDIM0, F::txtMetMinCrosshead, L::LabelDIM5},
     F::txtCrossMea,
     L::LabelDIM10,
     F::txtDifCross,
     L::LabelDIM14},
    {{L::Label23, F::txtImpMinRefuge, L::LabelDIM1, F::txtMetMinRefuge, L::LabelDIM6},
     F::txtRefugeMea,
     L::LabelDIM11,
     F::txtDifRefuge,
     L::LabelDIM15},
    {{L::Label22, F::txtImpMinShoes, L::LabelDIM2, F::txtMetMinShoes, L::LabelDIM7},
     F::txtShoesMea,
     L::LabelDIM12,
     F::txtDifShoes,
     L::LabelDIM16},
    {{L::Label27, F::txtImpMinObstruct, L::LabelDIM3, F::txtMetMinObstruct, L::LabelDIM8},
     F::txtObstructMea,
     L::LabelDIM13,
     F::txtDifObstruct,
     L::LabelDIM17},
    {{L::Label17, F::txtImpMinCwtObstruct, L::LabelDIM20, F::txtMetMinCwtObstruct, L::LabelDIM21},
     F::txtCwtMea,
     L::LabelDIM18,
     F::txtDifCwt,
     L::LabelDIM19},
}};

constexpr UnitRow kUnitRow{L::Label35, {B::cmdImperial, B::cmdClearMet, B::cmdMetric}};

constexpr ClearanceHeadings kClearanceHeadings{L::Label28, L::Label49, L::Label50};

constexpr MaxRunbyBox kMaxRunbyBox{
    L::Label40, {{{F::txtImpMaxRunby, L::LabelDIM4}, {F::txtMetMaxRunby, L::LabelDIM9}}}};

constexpr std::array<B, 4> kLargeButtons{B::cmdCalculate, B::cmdClearAll, B::cmdDefault,
                                         B::cmdExit};

constexpr std::array<Question, 5> kQuestions{{
    {L::Label21, O::opt1996, O::opt2000, "A17.1 code edition"},
    {L::Label2, O::optOil, O::optSpring, "Buffer"},
    {L::Label3, O::optCompYes, O::optCompNo, "Counterweight buffer compressed at top landing"},
    {L::Label4, O::optTieDownYes, O::optTieDownNo, "Compensating rope tie-down device"},
    {L::Label14, O::optReducedYes, O::optReducedNo, "Reduced stroke buffer"},
}};

constexpr std::array<Element, 31> kTabOrder{
    F::txtImpGovTrip,
    F::txtImpSpeed,
    F::txtImpRunby,
    F::txtImpRunbyCar,
    F::txtImpStroke,
    F::txtMetGovTrip,
    F::txtMetSpeed,
    F::txtMetRunby,
    F::txtMetRunbyCar,
    F::txtMetStroke,
    F::txtCrossMea,
    F::txtRefugeMea,
    F::txtShoesMea,
    F::txtObstructMea,
    F::txtCwtMea,
    B::cmdCalculate,
    B::cmdClearAll,
    B::cmdDefault,
    B::cmdExit,
    F::txtID,
    O::opt1996,
    O::opt2000,
    B::cmdMaxRunby,
    // The buffer questions come last, so the keyboard reaches them too.
    O::optOil,
    O::optSpring,
    O::optCompYes,
    O::optCompNo,
    O::optTieDownYes,
    O::optTieDownNo,
    O::optReducedYes,
    O::optReducedNo,
};

/// The fields of the rows above, row by row: the quantities name their row
/// caption, the measured and difference fields also their column, and the
/// identification its caption alone.
constexpr std::array<FieldPlace, kFieldCount> placeFields() {
    std::array<FieldPlace, kFieldCount> out{};
    std::size_t n = 0;
    auto quantity = [&](const QuantityRow& r) {
        out[n++] = {r.imperial, r.caption, "", r.imperialUnit, r.caption};
        out[n++] = {r.metric, r.caption, "", r.metricUnit, r.caption};
    };
    for (const QuantityRow& r : kEntryRows) quantity(r);
    for (const QuantityRow& r : kResultRows) quantity(r);
    for (const ClearanceRow& r : kClearanceRows) {
        quantity(r.quantity);
        const L row = r.quantity.caption;
        out[n++] = {r.measured, row, "measured", r.measuredUnit, kClearanceHeadings.measured};
        out[n++] = {r.difference, row, "difference", r.differenceUnit,
                    kClearanceHeadings.difference};
    }
    const L maxRunby = kMaxRunbyBox.caption;
    for (const auto& [field, unit] : kMaxRunbyBox.boxes) {
        out[n++] = {field, maxRunby, "", unit, maxRunby};
    }
    out[n++] = {kIdentification,        kIdentificationCaption, "",
                kIdentificationCaption, kIdentificationCaption, false};
    return out;
}

constexpr std::array<FieldPlace, kFieldCount> kFieldPlaces = placeFields();

constexpr bool everyFieldOnce() {
    std::array<int, kFieldCount> seen{};
    for (const FieldPlace& p : kFieldPlaces) ++seen[idx(p.field)];
    for (int n : seen) {
        if (n != 1) return false;
    }
    return true;
}
static_assert(everyFieldOnce(), "every field stands in one place");

constexpr std::array<std::size_t, kFieldCount> kPlaceOf = [] {
    std::array<std::size_t, kFieldCount> at{};
    for (std::size_t i = 0; i < kFieldPlaces.size(); ++i) at[idx(kFieldPlaces[i].field)] = i;
    return at;
}();

// White space beyond ASCII, in UTF-8: the next line character, and the
// Unicode space, line and paragraph separators.
constexpr std::string_view kWideSpaces[] = {
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81",
    "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86",
    "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8",
    "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80",
};

/// The length in bytes of the white-space character at `i`; 0 for any other.
std::size_t spaceAt(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
    const std::string_view rest = text.substr(i);
    for (std::string_view space : kWideSpaces) {
        if (rest.starts_with(space)) return space.size();
    }
    return 0;
}

/// The text without white space at either end.
std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t n = spaceAt(text, begin);
        if (n == 0) break;
        begin += n;
    }
    std::size_t end = begin;
    for (std::size_t i = begin; i < text.size();) {
        const std::size_t n = spaceAt(text, i);
        i += n == 0 ? 1 : n;
        if (n == 0) end = i;
    }
    return text.substr(begin, end - begin);
}

/// A row caption as a name: without its colon. The maximum runby heading
/// has its words capitalised for show; it is spoken like the other rows.
std::string rowName(const Sheet& sheet, L row) {
    std::string name = plainText(sheet.caption(row));
    if (name.ends_with(':')) name.pop_back();
    if (row == kMaxRunbyBox.caption) {
        for (std::size_t i = name.find(' '); i < name.size(); ++i) {
            if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
        }
    }
    return name;
}

}  // namespace

std::span<const FieldPlace> fieldPlaces() {
    return kFieldPlaces;
}

const FieldPlace& place(F f) {
    return kFieldPlaces[kPlaceOf[idx(f)]];
}

std::span<const Question> questions() {
    return kQuestions;
}

const Question* questionOf(O o) {
    for (const Question& q : kQuestions) {
        if (q.first == o || q.second == o) return &q;
    }
    return nullptr;
}

std::span<const QuantityRow> entryRows() {
    return kEntryRows;
}

std::span<const QuantityRow> resultRows() {
    return kResultRows;
}

std::span<const ClearanceRow> clearanceRows() {
    return kClearanceRows;
}

const UnitRow& unitRow() {
    return kUnitRow;
}

const ClearanceHeadings& clearanceHeadings() {
    return kClearanceHeadings;
}

const MaxRunbyBox& maxRunbyBox() {
    return kMaxRunbyBox;
}

std::span<const B> largeButtons() {
    return kLargeButtons;
}

std::span<const Element> tabOrder() {
    return kTabOrder;
}

std::string plainText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = spaceAt(text, i)) {
            blank = !out.empty();
            i += n;
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += text[i++];
    }
    return out;
}

ShownCaption shownCaption(std::string_view caption) {
    ShownCaption shown;
    std::string* run = &shown.before;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&' || i + 1 == caption.size()) {
            *run += caption[i];
            continue;
        }
        ++i;
        if (caption[i] == '&' || run != &shown.before) {
            // "&&" is one ampersand; after the key a mark marks nothing.
            *run += caption[i];
            continue;
        }
        const std::size_t end = i + characterLength(caption, i);
        shown.key.assign(caption.substr(i, end - i));
        run = &shown.after;
        i = end - 1;
    }
    return shown;
}

std::string withoutAccessKey(std::string_view caption) {
    const ShownCaption shown = shownCaption(caption);
    return std::string(trimmed(shown.before + shown.key + shown.after));
}

char accessKey(std::string_view caption) {
    const std::string key = shownCaption(caption).key;
    // A control character marks nothing; a key beyond ASCII is none that a
    // char can hold.
    return key.size() == 1 && key[0] >= ' ' && key[0] < '\x7F' ? key[0] : 0;
}

std::string accessibleName(const Sheet& sheet, F f) {
    const FieldPlace& p = place(f);
    std::string name = rowName(sheet, p.row);
    if (*p.column) name.append(", ").append(p.column);
    if (p.hasUnit) name.append(", ").append(plainText(sheet.caption(p.unit)));
    return name;
}

std::string accessibleName(const Sheet& sheet, O o) {
    const std::string caption = withoutAccessKey(sheet.option(o).caption);
    const Question* q = questionOf(o);
    return q ? std::string(q->topic) + ": " + caption : caption;
}

// Two buttons share the caption "Clear"; spoken, they say what they clear.
std::string accessibleName(const Sheet& sheet, B b) {
    switch (b) {
        case B::cmdClearMet:
            return "Clear entries and results";
        case B::cmdClearMea:
            return "Clear measured clearances";
        default:
            return withoutAccessKey(sheet.button(b).caption);
    }
}

std::string description(const Sheet& sheet, F f) {
    return plainText(sheet.tooltip(place(f).about));
}

std::string description(const Sheet& sheet, O o) {
    std::string own = plainText(sheet.option(o).tooltip);
    const Question* q = questionOf(o);
    if (own.empty() && q) return plainText(sheet.tooltip(q->question));
    return own;
}

std::string description(const Sheet& sheet, B b) {
    return plainText(sheet.button(b).tooltip);
}

std::string description(const Sheet& sheet, L l) {
    return plainText(sheet.tooltip(l));
}

std::vector<Element> namedBy(L l) {
    std::vector<Element> out;
    for (const FieldPlace& p : kFieldPlaces) {
        if (p.row == l || p.about == l || (p.hasUnit && p.unit == l)) out.emplace_back(p.field);
    }
    for (const Question& q : kQuestions) {
        if (q.question == l) {
            out.emplace_back(q.first);
            out.emplace_back(q.second);
        }
    }
    return out;
}

}  // namespace tarnwick::screen
