// Selections are kept in characters, not in the bytes of the UTF-8 texts:
// an identification beyond ASCII is never cut inside a character.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "sheet/Sheet.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

// "É" and "Ä" are two bytes, the lift sign U+1F6D7 four.
const std::string kAccent = "\xC3\x89-7";                    // É-7
const std::string kUmlaut = "Aufzug \xC3\x84-7";             // Aufzug Ä-7
const std::string kLift = "Lift \xF0\x9F\x9B\x97 \xC3\x89";  // Lift 🛗 É
// Not UTF-8: stray continuation bytes, and a lead byte cut short, are each a
// character of their own.
const std::string kStray = "\xA0\xAE\xBE";
const std::string kCut = "\xC3\x89\xA0\xE2\x82";  // É, a stray byte, a cut-short sign

TEST(Characters, CountAndOffsets) {
    const struct {
        std::string text;
        int characters;
        int position;
        std::size_t offset;
    } rows[] = {
        {"", 0, 0, 0},      {"", 0, 3, 0},      {"E-7", 3, 1, 1},    {kAccent, 3, 1, 2},
        {kAccent, 3, 3, 4}, {kAccent, 3, 9, 4}, {kAccent, 3, -1, 0}, {kUmlaut, 10, 8, 9},
        {kLift, 8, 6, 9},   {kLift, 8, 7, 10},  {kStray, 3, 1, 1},   {kStray, 3, 2, 2},
        {kCut, 3, 1, 2},    {kCut, 3, 2, 3},    {kCut, 3, 3, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text + " at " + std::to_string(r.position));
        EXPECT_EQ(characterCount(r.text), r.characters);
        EXPECT_EQ(byteOffset(r.text, r.position), r.offset);
        // The start of the character that holds the byte before the offset.
        if (r.offset > 0) {
            EXPECT_EQ(characterStart(r.text, r.offset - 1),
                      byteOffset(r.text, std::min(r.position, r.characters) - 1));
        }
    }
}

TEST(Characters, SelectionIsCountedInCharacters) {
    HeadlessPlatform platform;
    Sheet sheet(platform);
    const struct {
        std::string text;
        int start;
        int length;
        std::string selected;
    } rows[] = {
        {kAccent, 0, 1, "\xC3\x89"},
        {kAccent, 1, 2, "-7"},
        {kAccent, 1, 99, "-7"},
        {kAccent, 3, 1, ""},
        {kAccent, 0, 0, ""},
        {kUmlaut, 7, 3, "\xC3\x84-7"},
        {kLift, 5, 1, "\xF0\x9F\x9B\x97"},
        {kLift, 7, 1, "\xC3\x89"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text + " from " + std::to_string(r.start));
        sheet.setText(F::txtID, r.text);
        sheet.setSelection(F::txtID, r.start, r.length);
        EXPECT_EQ(sheet.selection(F::txtID), r.selected);
    }
}

TEST(Characters, FocusSelectsEveryCharacterOfTheText) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setText(F::txtID, kUmlaut);
    sheet.setFocus(F::txtID);
    const TextField& id = std::as_const(sheet).field(F::txtID);
    EXPECT_EQ(id.selStart, 0);
    EXPECT_EQ(id.selLength, 10);
    EXPECT_EQ(sheet.selection(F::txtID), kUmlaut);
}

}  // namespace
}  // namespace tarnwick
