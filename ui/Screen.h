// The calculator screen as any front end shows it, without a toolkit: how the
// sheet's elements are grouped and ordered, which caption and unit stand
// beside each field, the question topics, the keyboard order, and what
// assistive technology is told about every field, option and button. The
// menus are the sheet's catalogue as it is.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/Sheet.h"

namespace tarnwick::screen {

/// Where a field stands: its row caption, the column word ("measured",
/// "difference", or empty for the imperial and metric columns), the unit label
/// beside it, the label whose tooltip explains it, and whether it has a unit.
struct FieldPlace {
    F field;
    L row;
    const char* column;
    L unit;
    L about;
    bool hasUnit = true;
};
/// Every field once, in screen order, row by row; the first field of a row
/// is the one its caption belongs to.
std::span<const FieldPlace> fieldPlaces();
const FieldPlace& place(F f);

/// A question with its two options and its topic in a few words, which goes
/// before each option's caption when the option is named.
struct Question {
    L question;
    O first;
    O second;
    const char* topic;
};
/// The five questions, top to bottom.
std::span<const Question> questions();
/// The question an option answers.
const Question* questionOf(O o);
/// The heading above the questions.
inline constexpr L kQuestionsHeading = L::Label1;

/// An entry or result row: caption, imperial field and unit, metric field and
/// unit.
struct QuantityRow {
    L caption;
    F imperial;
    L imperialUnit;
    F metric;
    L metricUnit;
};
/// A clearance row adds the measured and difference fields with their units.
struct ClearanceRow {
    QuantityRow quantity;
    F measured;
    L measuredUnit;
    F difference;
    L differenceUnit;
};
/// Governor tripping speed, rated speed, counterweight runby, car runby,
/// buffer stroke.
std::span<const QuantityRow> entryRows();
/// Minimum required buffer stroke, calculated car travel above top landing.
std::span<const QuantityRow> resultRows();
/// Crosshead, refuge space, guide shoes or gate posts, equipment projecting
/// above crosshead, obstruction above counterweight.
std::span<const ClearanceRow> clearanceRows();

/// The row above the entries: its caption and the buttons over the imperial
/// column, between the columns and over the metric column.
struct UnitRow {
    L caption;
    std::array<B, 3> buttons;
};
const UnitRow& unitRow();
/// The heading of the clearance rows and of their measured and difference
/// columns.
struct ClearanceHeadings {
    L rows;
    L measured;
    L difference;
};
const ClearanceHeadings& clearanceHeadings();
/// The maximum counterweight runby box: its caption and the imperial and
/// metric boxes, each with its unit.
struct MaxRunbyBox {
    L caption;
    std::array<std::pair<F, L>, 2> boxes;
};
const MaxRunbyBox& maxRunbyBox();
/// The identification with its caption, the Max Runby button and the
/// measured column's Clear button; where they stand is the grid's
/// (ui/Grid.h).
inline constexpr L kIdentificationCaption = L::Label16;
inline constexpr F kIdentification = F::txtID;
inline constexpr B kMaxRunbyButton = B::cmdMaxRunby;
inline constexpr B kClearMeasured = B::cmdClearMea;
/// The four large command buttons, top to bottom.
std::span<const B> largeButtons();
/// Enter presses the default button, Esc the cancel button.
inline constexpr B kDefaultButton = B::cmdCalculate;
inline constexpr B kCancelButton = B::cmdExit;

/// The keyboard (Tab) order of the fields, buttons and options; a front end
/// skips those that are hidden, disabled or no tab stop at the time.
std::span<const Element> tabOrder();

/// A text as assistive technology reads it (UTF-8): white space at either
/// end dropped and every run of it inside made one blank. White space is the
/// blank, tab, line feed, vertical tab, form feed, carriage return, U+0085 and
/// the Unicode space, line and paragraph separators (U+00A0 among them).
std::string plainText(std::string_view text);
/// A caption as a front end shows it, split around its access key: the
/// character after the first single '&' (whole, if beyond ASCII), shown
/// underlined; "&&" is one '&', and a trailing '&' stays. Without a key the
/// whole caption is `before`.
struct ShownCaption {
    std::string before;
    std::string key;
    std::string after;
};
ShownCaption shownCaption(std::string_view caption);
/// A caption without its access-key marks ("&Calculate" -> "Calculate"; "&&"
/// is one '&'), white space at either end dropped.
std::string withoutAccessKey(std::string_view caption);
/// The access key of a caption, as written: the character after the first
/// single '&'; 0 when there is none or it is not a printable ASCII character.
char accessKey(std::string_view caption);

/// Accessible names and descriptions, from the sheet's current captions and
/// tooltips.
/// A field's row, its column word where it has one, and its unit: "Rated
/// speed, FPM", "Crosshead, measured, IN".
std::string accessibleName(const Sheet& sheet, F f);
/// An option's question topic and caption: "Reduced stroke buffer: Yes".
std::string accessibleName(const Sheet& sheet, O o);
/// A button's caption, or what it clears where two share "Clear": "Clear
/// entries and results".
std::string accessibleName(const Sheet& sheet, B b);
/// The tooltip of the label that explains the field.
std::string description(const Sheet& sheet, F f);
/// The option's own tooltip, or its question's when it has none.
std::string description(const Sheet& sheet, O o);
std::string description(const Sheet& sheet, B b);
std::string description(const Sheet& sheet, L l);
/// Every field and option whose name or description depends on label `l`
/// (its row caption, unit, explaining label or question), fields first in
/// screen order: to be named again when `l` changes.
std::vector<Element> namedBy(L l);

}  // namespace tarnwick::screen
