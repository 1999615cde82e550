#include "sheet/Snapshot.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "sheet/Columns.h"
#include "sheet/Numbers.h"
#include "sheet/Sheet.h"
#include "sheet/Units.h"

namespace tarnwick {

namespace {

constexpr std::string_view kVersionLine = "tarnwick-sheet 1";
constexpr std::string_view kDigestKey = "digest ";
/// No text the sheet holds comes near this; a longer one is damage.
constexpr std::size_t kMaxTextBytes = 64 * 1024;
constexpr int kMaxWindowLeft = 1'000'000;

// UTF-8 --------------------------------------------------------------------

/// The length of the well-formed UTF-8 sequence at `i` (no overlong forms,
/// no surrogates, nothing past U+10FFFF), or 0 where there is none.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t n = 0;
    std::uint32_t point = 0, least = 0;
    if ((lead & 0xE0) == 0xC0) {
        n = 2, point = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3, point = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        n = 4, point = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        point = point << 6 | (byte(i + k) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return n;
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = sequenceLength(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Writing ------------------------------------------------------------------

/// The text in double quotes. Quote, backslash, CR, LF and tab are escaped
/// by letter, other control bytes and bytes that are not well-formed UTF-8
/// as \xHH, so that the snapshot itself is always valid UTF-8 whatever a
/// field holds.
void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    const auto plain = [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t run = i;
        while (run < text.size() && plain(text[run])) ++run;
        if (run > i) {
            out.append(text, i, run - i);
            i = run - 1;
            continue;
        }
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        const std::size_t n = byte < 0x20 || byte == 0x7F ? 0 : sequenceLength(text, i);
        if (n == 0) {
            out += fmt::format("\\x{:02x}", byte);
        } else {
            out.append(text, i, n);
            i += n - 1;
        }
    }
    out += '"';
}

std::string_view flag(bool on, std::string_view yes, std::string_view no) {
    return on ? yes : no;
}

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

/// The line that ends a snapshot: the FNV-1a digest of all before it.
std::string digestLine(std::string_view body) {
    return fmt::format("{}{:016x}\n", kDigestKey, fnv1a(body));
}

std::string_view focusKindName(Element::Kind kind) {
    switch (kind) {
        case Element::Kind::Field:
            return "field";
        case Element::Kind::Option:
            return "option";
        case Element::Kind::Button:
            return "button";
        default:
            return "none";
    }
}

std::optional<Edition> editionOf(const EditionValues& values) {
    for (Edition e : {Edition::A17_1_1996, Edition::A17_1_2000}) {
        if (values == editionValues(e)) return e;
    }
    return std::nullopt;
}

// Reading ------------------------------------------------------------------

/// One line cut into its words: bare words and quoted texts, one blank
/// between each. One is kept for all the lines of a snapshot, so that the
/// decoded texts reuse their storage.
struct Words {
    static constexpr std::size_t kMost = 9;
    std::array<std::string_view, kMost> bareWord;  ///< a bare word, in the line
    std::array<std::string, kMost> quotedText;     ///< a quoted text, decoded
    std::array<bool, kMost> quoted{};
    std::size_t count = 0;

    std::size_t size() const { return count; }
    /// The bare word `i`, or nothing where word `i` is quoted or missing.
    std::optional<std::string_view> bare(std::size_t i) const {
        if (i >= count || quoted[i]) return std::nullopt;
        return bareWord[i];
    }
    /// The quoted text `i`, or nothing where word `i` is bare or missing.
    const std::string* text(std::size_t i) const {
        return i < count && quoted[i] ? &quotedText[i] : nullptr;
    }
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/// Decodes the quoted text that starts at `at` into `out`; leaves `at` after
/// the closing quote.
bool readQuoted(std::string_view line, std::size_t& at, std::string& out) {
    out.clear();
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            ++at;
            return true;
        }
        if (byte < 0x20 || byte == 0x7F) return false;
        if (c != '\\') {
            // The run up to the next quote, backslash or control byte at once.
            std::size_t run = at + 1;
            while (run < line.size() && line[run] != '"' && line[run] != '\\' &&
                   static_cast<unsigned char>(line[run]) >= 0x20 && line[run] != 0x7F) {
                ++run;
            }
            out.append(line, at, run - at);
            at = run - 1;
        } else if (++at < line.size()) {
            switch (line[at]) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'x': {
                    if (line.size() - at < 3) return false;
                    const int high = hexDigit(line[at + 1]), low = hexDigit(line[at + 2]);
                    if (high < 0 || low < 0) return false;
                    out += static_cast<char>(high * 16 + low);
                    at += 2;
                    break;
                }
                default:
                    return false;
            }
        }
        if (out.size() > kMaxTextBytes) return false;
    }
    return false;
}

bool cut(std::string_view line, Words& words) {
    words.count = 0;
    std::size_t at = 0;
    while (words.count < Words::kMost) {
        const std::size_t i = words.count++;
        words.quoted[i] = at < line.size() && line[at] == '"';
        if (words.quoted[i]) {
            if (!readQuoted(line, at, words.quotedText[i])) return false;
        } else {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            if (end == at) return false;
            words.bareWord[i] = line.substr(at, end - at);
            at = end;
        }
        if (at == line.size()) return true;
        if (line[at] != ' ') return false;
        ++at;
    }
    return false;
}

/// `yes` or `no` as true or false; anything else as nothing.
std::optional<bool> readFlag(std::optional<std::string_view> word, std::string_view yes,
                             std::string_view no) {
    if (word == yes) return true;
    if (word == no) return false;
    return std::nullopt;
}

std::optional<int> readInt(std::optional<std::string_view> word, int least, int most) {
    if (!word || word->empty() || word->size() > 12) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(word->data(), word->data() + word->size(), value);
    if (error != std::errc() || end != word->data() + word->size()) return std::nullopt;
    if (value < least || value > most) return std::nullopt;
    return value;
}

std::optional<Colour> readColour(std::optional<std::string_view> word) {
    for (Colour c : {Colour::Standard, Colour::White, Colour::Yellow, Colour::Red}) {
        if (word == colourName(c)) return c;
    }
    return std::nullopt;
}

/// The element a line names, if it is of the kind its keyword says.
std::optional<Element> named(std::optional<std::string_view> word, Element::Kind kind) {
    if (!word) return std::nullopt;
    std::optional<Element> e = elementNamed(*word);
    if (!e || e->kind != kind) return std::nullopt;
    return e;
}

/// A snapshot's content as it is read, before it is found whole and sound.
struct Reading {
    Catalogue elements = initialCatalogue();
    std::array<bool, kFieldCount> fieldSeen{};
    std::array<bool, kLabelCount> labelSeen{};
    std::array<bool, kOptionCount> optionSeen{};
    std::array<bool, kButtonCount> buttonSeen{};
    std::optional<Element> focus;
    std::optional<bool> imperial;
    std::optional<double> movement;
    std::optional<Edition> edition;
    std::optional<int> windowLeft;

    bool complete() const {
        const auto all = [](const auto& seen) {
            for (bool s : seen) {
                if (!s) return false;
            }
            return true;
        };
        return all(fieldSeen) && all(labelSeen) && all(optionSeen) && all(buttonSeen) && focus &&
               imperial && movement && edition && windowLeft;
    }
};

/// Marks an element read; false when it was read already.
template <std::size_t N>
bool firstTime(std::array<bool, N>& seen, int id) {
    if (seen[static_cast<std::size_t>(id)]) return false;
    seen[static_cast<std::size_t>(id)] = true;
    return true;
}

bool readField(Reading& r, const Words& w) {
    const std::optional<Element> e = named(w.bare(1), Element::Kind::Field);
    const std::string* text = w.text(2);
    if (w.size() != 9 || !e || !text || !firstTime(r.fieldSeen, e->id)) return false;
    TextField& f = r.elements.fields[static_cast<std::size_t>(e->id)];
    const auto colour = readColour(w.bare(3));
    const auto locked = readFlag(w.bare(4), "locked", "unlocked");
    const auto tabStop = readFlag(w.bare(5), "tab", "notab");
    const auto visible = readFlag(w.bare(6), "visible", "hidden");
    const int characters = characterCount(*text);
    const auto start = readInt(w.bare(7), 0, characters);
    const auto length = start ? readInt(w.bare(8), 0, characters - *start) : std::optional<int>();
    if (!colour || !locked || !tabStop || !visible || !start || !length) return false;
    f.text = *text;
    f.colour = *colour;
    f.locked = *locked;
    f.tabStop = *tabStop;
    f.visible = *visible;
    f.selStart = *start;
    f.selLength = *length;
    return true;
}

bool readLabel(Reading& r, const Words& w) {
    const std::optional<Element> e = named(w.bare(1), Element::Kind::Label);
    const std::string *caption = w.text(2), *tooltip = w.text(3);
    if (w.size() != 5 || !e || !caption || !tooltip) return false;
    const auto enabled = readFlag(w.bare(4), "enabled", "disabled");
    // Captions and tooltips are the program's own texts, never typed.
    if (!enabled || !validUtf8(*caption) || !validUtf8(*tooltip)) return false;
    if (!firstTime(r.labelSeen, e->id)) return false;
    LabelElement& l = r.elements.labels[static_cast<std::size_t>(e->id)];
    l.caption = *caption;
    l.tooltip = *tooltip;
    l.enabled = *enabled;
    return true;
}

bool readOption(Reading& r, const Words& w) {
    const std::optional<Element> e = named(w.bare(1), Element::Kind::Option);
    const auto selected = readFlag(w.bare(2), "selected", "unselected");
    const auto enabled = readFlag(w.bare(3), "enabled", "disabled");
    if (w.size() != 4 || !e || !selected || !enabled || !firstTime(r.optionSeen, e->id)) {
        return false;
    }
    OptionElement& o = r.elements.options[static_cast<std::size_t>(e->id)];
    o.selected = *selected;
    o.enabled = *enabled;
    return true;
}

bool readButton(Reading& r, const Words& w) {
    const std::optional<Element> e = named(w.bare(1), Element::Kind::Button);
    const auto enabled = readFlag(w.bare(2), "enabled", "disabled");
    if (w.size() != 3 || !e || !enabled || !firstTime(r.buttonSeen, e->id)) return false;
    r.elements.buttons[static_cast<std::size_t>(e->id)].enabled = *enabled;
    return true;
}

bool readFocus(Reading& r, const Words& w) {
    if (r.focus) return false;
    if (w.size() == 2 && w.bare(1) == "none") {
        r.focus = Element();
        return true;
    }
    if (w.size() != 3) return false;
    for (Element::Kind kind :
         {Element::Kind::Field, Element::Kind::Option, Element::Kind::Button}) {
        if (w.bare(1) == focusKindName(kind)) r.focus = named(w.bare(2), kind);
    }
    return r.focus.has_value();
}

/// A sheet-level value, each on its own line once.
bool readValue(Reading& r, const Words& w) {
    const std::optional<std::string_view> key = w.bare(0), value = w.bare(1);
    if (w.size() != 2 || !value) return false;
    if (key == "units" && !r.imperial) {
        r.imperial = readFlag(value, "imperial", "metric");
        return r.imperial.has_value();
    }
    if (key == "movement" && !r.movement) {
        double number = 0;
        const char* end = value->data() + value->size();
        const auto [stop, error] = fast_float::from_chars(value->data(), end, number);
        if (error != std::errc() || stop != end || !std::isfinite(number)) return false;
        r.movement = number;
        return true;
    }
    if (key == "edition" && !r.edition) {
        if (value == "1996") r.edition = Edition::A17_1_1996;
        if (value == "2000") r.edition = Edition::A17_1_2000;
        return r.edition.has_value();
    }
    if (key == "left" && !r.windowLeft) {
        r.windowLeft = readInt(value, -kMaxWindowLeft, kMaxWindowLeft);
        return r.windowLeft.has_value();
    }
    return false;
}

bool readLine(Reading& r, std::string_view line, Words& words) {
    if (!cut(line, words)) return false;
    const std::optional<std::string_view> key = words.bare(0);
    if (key == "field") return readField(r, words);
    if (key == "label") return readLabel(r, words);
    if (key == "option") return readOption(r, words);
    if (key == "button") return readButton(r, words);
    if (key == "focus") return readFocus(r, words);
    return readValue(r, words);
}

bool contains(const auto& list, F f) {
    for (F g : list) {
        if (g == f) return true;
    }
    return false;
}

/// Whether only the program writes the field: the inactive column's twins,
/// the results and the differences; the user types into the rest.
bool writtenByProgram(F f, const InputColumn& inactive) {
    return contains(inactive.inOrder(), f) || contains(kImperialResults, f) ||
           contains(kMetricResults, f) || contains(kDifferences, f);
}

/// A number as the program writes one into a field: "-12.50", "457",
/// "1E+20"; never "-0.00".
bool writtenNumber(std::string_view t) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (t == "-0.00") return false;
    if (i < t.size() && t[i] == '-') ++i;
    if (!digits()) return false;
    if (i < t.size() && t[i] == '.' && (++i, !digits())) return false;
    if (i < t.size() && t[i] == 'E') {
        if (++i >= t.size() || (t[i] != '+' && t[i] != '-')) return false;
        ++i;
        if (!digits()) return false;
    }
    return i == t.size();
}

/// Whether the fields' texts are what the reactions leave: every field only
/// the program writes empty or a number, and every twin of an entry the
/// conversion of that entry (0.00 for an emptied one, or empty with it).
bool textsHoldTogether(const Catalogue& c, bool imperial) {
    const auto text = [&](F f) -> const std::string& {
        return c.fields[static_cast<std::size_t>(idx(f))].text;
    };
    const InputColumn& active = imperial ? kImperialInputs : kMetricInputs;
    const InputColumn& inactive = imperial ? kMetricInputs : kImperialInputs;
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = F(i);
        if (writtenByProgram(f, inactive) && !text(f).empty() && !writtenNumber(text(f))) {
            return false;
        }
    }
    const double speed = imperial ? units::kFpmToMps : units::kMpsToFpm;
    const double length = imperial ? units::kInchToMm : units::kMmToInch;
    const std::array<std::pair<F, double>, 5> rows{{{active.govTrip, speed},
                                                    {active.speed, speed},
                                                    {active.runby, length},
                                                    {active.runbyCar, length},
                                                    {active.stroke, length}}};
    const std::array<F, 5> twins{inactive.govTrip, inactive.speed, inactive.runby,
                                 inactive.runbyCar, inactive.stroke};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& source = text(rows[i].first);
        const std::string& twin = text(twins[i]);
        if (twin != resultFormat(lenient(source) * rows[i].second) &&
            !(source.empty() && twin.empty())) {
            return false;
        }
    }
    return true;
}

/// Whether the elements hang together as the reactions always leave them:
/// one option of each pair selected; the columns' looks those of the unit
/// system; the governor tripping speed row and the oil-only questions those
/// of the buffer answer; the measured and difference units those of the unit
/// system; the edition's values those of the selected edition; and the
/// fields' texts as textsHoldTogether has them.
bool holdsTogether(const Catalogue& c, const SheetState& state) {
    const auto option = [&](O o) -> const OptionElement& {
        return c.options[static_cast<std::size_t>(idx(o))];
    };
    for (int i = 0; i < kOptionCount; i += 2) {
        if (option(O(i)).selected == option(partner(O(i))).selected) return false;
    }
    const bool spring = option(O::optSpring).selected;
    const InputColumn& inactive = state.IsImperial ? kMetricInputs : kImperialInputs;
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = F(i);
        const TextField& t = c.fields[static_cast<std::size_t>(i)];
        const bool readOnly = writtenByProgram(f, inactive);
        const bool governor = f == F::txtImpGovTrip || f == F::txtMetGovTrip;
        if (t.locked != readOnly || t.tabStop == readOnly) return false;
        if (t.visible != (!governor || spring)) return false;
    }
    for (O o : {O::optCompYes, O::optCompNo, O::optTieDownYes, O::optTieDownNo, O::optReducedYes,
                O::optReducedNo}) {
        if (option(o).enabled == spring) return false;
    }
    if (spring && (option(O::optCompYes).selected || option(O::optTieDownYes).selected ||
                   option(O::optReducedYes).selected)) {
        return false;
    }
    for (L l : {L::Label3, L::Label4, L::Label14}) {
        if (c.labels[static_cast<std::size_t>(idx(l))].enabled == spring) return false;
    }
    for (L l : {L::Label37, L::Label36, L::Label34}) {
        if (c.labels[static_cast<std::size_t>(idx(l))].enabled != spring) return false;
    }
    for (int i = 10; i <= 19; ++i) {
        const std::string& unit = c.labels[static_cast<std::size_t>(idx(labelDim(i)))].caption;
        if (unit != (state.IsImperial ? "IN" : "MM")) return false;
    }
    const Edition selected =
        option(O::opt1996).selected ? Edition::A17_1_1996 : Edition::A17_1_2000;
    return state.edition == editionValues(selected) && std::isfinite(state.Movement) &&
           textsHoldTogether(c, state.IsImperial);
}

bool tryRestore(Sheet& sheet, std::string_view text) {
    // The digest line ends the text; it covers everything before it.
    if (text.empty() || text.back() != '\n') return false;
    const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;  // npos + 1 == 0
    const std::string_view body = text.substr(0, lastLine);
    if (text.substr(lastLine) != digestLine(body) || !validUtf8(body)) return false;

    Reading r;
    Words words;
    std::size_t at = 0;
    bool first = true;
    while (at < body.size()) {
        const std::size_t end = body.find('\n', at);
        const std::string_view line = body.substr(at, end - at);
        at = end + 1;
        if (first ? line != kVersionLine : !readLine(r, line, words)) return false;
        first = false;
    }
    if (first || !r.complete()) return false;

    SheetState state;
    state.IsImperial = *r.imperial;
    state.Movement = *r.movement;
    state.edition = editionValues(*r.edition);
    if (!holdsTogether(r.elements, state)) return false;
    sheet.replaceAll(std::move(r.elements), *r.focus, std::move(state), *r.windowLeft);
    return true;
}

}  // namespace

std::string sealSnapshot(std::string_view body) {
    return std::string(body) + digestLine(body);
}

std::string snapshot(const Sheet& sheet) {
    const Catalogue& c = sheet.elements();
    std::string out(kVersionLine);
    out += '\n';
    const auto write = std::back_inserter(out);
    for (int i = 0; i < kFieldCount; ++i) {
        const TextField& f = c.fields[static_cast<std::size_t>(i)];
        // The selection as the user sees it: never past the end of the text.
        const int characters = characterCount(f.text);
        const int start = std::clamp(f.selStart, 0, characters);
        const int length = std::clamp(f.selLength, 0, characters - start);
        fmt::format_to(write, "field {} ", name(F(i)));
        appendQuoted(out, f.text);
        fmt::format_to(write, " {} {} {} {} {} {}\n", colourName(f.colour),
                       flag(f.locked, "locked", "unlocked"), flag(f.tabStop, "tab", "notab"),
                       flag(f.visible, "visible", "hidden"), start, length);
    }
    for (int i = 0; i < kLabelCount; ++i) {
        const LabelElement& l = c.labels[static_cast<std::size_t>(i)];
        fmt::format_to(write, "label {} ", name(L(i)));
        appendQuoted(out, l.caption);
        out += ' ';
        appendQuoted(out, l.tooltip);
        fmt::format_to(write, " {}\n", flag(l.enabled, "enabled", "disabled"));
    }
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionElement& o = c.options[static_cast<std::size_t>(i)];
        fmt::format_to(write, "option {} {} {}\n", name(O(i)),
                       flag(o.selected, "selected", "unselected"),
                       flag(o.enabled, "enabled", "disabled"));
    }
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonElement& b = c.buttons[static_cast<std::size_t>(i)];
        fmt::format_to(write, "button {} {}\n", name(B(i)), flag(b.enabled, "enabled", "disabled"));
    }
    const Element focus = sheet.focus();
    const std::string_view kind = focusKindName(focus.kind);
    if (kind == "none") {
        out += "focus none\n";
    } else {
        fmt::format_to(write, "focus {} {}\n", kind, name(focus));
    }
    const SheetState& state = sheet.state();
    fmt::format_to(write, "units {}\n", flag(state.IsImperial, "imperial", "metric"));
    // The shortest text that reads back as the same double.
    fmt::format_to(write, "movement {}\n", state.Movement);
    const std::optional<Edition> edition = editionOf(state.edition);
    fmt::format_to(write, "edition {}\n",
                   !edition                          ? "none"
                   : *edition == Edition::A17_1_1996 ? "1996"
                                                     : "2000");
    fmt::format_to(write, "left {}\n", sheet.windowLeft());
    out += digestLine(out);
    return out;
}

bool restore(Sheet& sheet, std::string_view text) noexcept {
    try {
        return tryRestore(sheet, text);
    } catch (...) {
        // Only a failing allocation throws, and only while reading: the sheet
        // takes the new elements over by moving them, which does not throw.
        return false;
    }
}

}  // namespace tarnwick
