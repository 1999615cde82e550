// Table tests of the sheet's number conventions.
#include "sheet/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace tarnwick {
namespace {

struct LenientCase {
    const char* text;
    double value;
};

class LenientReading : public ::testing::TestWithParam<LenientCase> {};

TEST_P(LenientReading, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(lenient(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, LenientReading,
    ::testing::Values(LenientCase{"", 0}, LenientCase{"abc", 0}, LenientCase{" 12 ", 12},
                      LenientCase{"1 2", 12}, LenientCase{"1,5", 1}, LenientCase{"1,234.5", 1},
                      LenientCase{"-3.5xyz", -3.5}, LenientCase{"12abc", 12},
                      LenientCase{"\t4\n2", 42}, LenientCase{"+7", 7}, LenientCase{".5", 0.5},
                      LenientCase{"5.", 5}, LenientCase{"1.2.3", 1.2}, LenientCase{"- 3", -3},
                      LenientCase{"1e3", 1000}, LenientCase{"1E-2", 0.01}, LenientCase{"2D2", 200},
                      LenientCase{"1e", 1}, LenientCase{"1e+", 1}, LenientCase{"&H1F", 31},
                      LenientCase{"&o17", 15}, LenientCase{"&Z1", 0}, LenientCase{"$5", 0},
                      LenientCase{"-", 0}, LenientCase{".", 0},
                      // A number too large for a double reads as 0, never as infinity.
                      LenientCase{"1e999", 0}, LenientCase{"-1e999", 0}, LenientCase{"1e-999", 0},
                      LenientCase{"1e99999999999999999999", 0},
                      LenientCase{"1.7976931348623157e308", 1.7976931348623157e308}));

struct StrictCase {
    const char* text;
    bool ok;
    double value;
};

class StrictConversion : public ::testing::TestWithParam<StrictCase> {};

TEST_P(StrictConversion, AcceptsOnlyWholeNumbers) {
    const StrictCase& c = GetParam();
    std::optional<double> v = strict(c.text);
    ASSERT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
    if (c.ok) {
        EXPECT_DOUBLE_EQ(*v, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StrictConversion,
    ::testing::Values(
        StrictCase{"12", true, 12}, StrictCase{"  12.5 ", true, 12.5},
        StrictCase{"-0.25", true, -0.25}, StrictCase{"+3", true, 3},
        StrictCase{"1,200", true, 1200}, StrictCase{"1,234,567.5", true, 1234567.5},
        StrictCase{"$1,200.50", true, 1200.5}, StrictCase{"-$5", true, -5},
        StrictCase{"$-5", true, -5}, StrictCase{".5", true, 0.5}, StrictCase{"5.", true, 5},
        StrictCase{"1e3", true, 1000}, StrictCase{"2.5E-1", true, 0.25},
        StrictCase{"1e-999", true, 0}, StrictCase{"", false, 0}, StrictCase{"   ", false, 0},
        StrictCase{"abc", false, 0}, StrictCase{"12abc", false, 0}, StrictCase{"1 2", false, 0},
        StrictCase{",5", false, 0}, StrictCase{"5,", false, 0}, StrictCase{"1.2.3", false, 0},
        StrictCase{"1e", false, 0}, StrictCase{"$", false, 0}, StrictCase{".", false, 0},
        StrictCase{"--5", false, 0}, StrictCase{"1,5.", true, 15},
        // Too large for a double: a conversion failure, not infinity.
        StrictCase{"1e999", false, 0}, StrictCase{"-1e999", false, 0}));

struct FormatCase {
    double value;
    const char* text;
};

class ResultFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ResultFormat, TwoDecimalsHalvesAwayFromZero) {
    EXPECT_EQ(resultFormat(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ResultFormat,
                         ::testing::Values(FormatCase{0, "0.00"}, FormatCase{1234.5, "1234.50"},
                                           FormatCase{-0.5, "-0.50"}, FormatCase{0.004, "0.00"},
                                           FormatCase{0.005, "0.01"}, FormatCase{12.346, "12.35"},
                                           FormatCase{-12, "-12.00"}, FormatCase{1100, "1100.00"},
                                           FormatCase{-0.005, "-0.01"}, FormatCase{1.005, "1.01"},
                                           FormatCase{2.675, "2.68"}, FormatCase{0.125, "0.13"},
                                           FormatCase{-0.004, "0.00"}, FormatCase{-0.0, "0.00"},
                                           FormatCase{9.995, "10.00"}, FormatCase{99.999, "100.00"},
                                           FormatCase{16.770833, "16.77"},
                                           FormatCase{3.556, "3.56"}, FormatCase{1e-20, "0.00"},
                                           FormatCase{123456789012.345, "123456789012.35"},
                                           FormatCase{1e20, "100000000000000000000.00"},
                                           FormatCase{700 * 0.00508, "3.56"},
                                           FormatCase{3.56 * 196.8504, "700.79"}));

TEST(ResultFormat, NonFiniteValuesHaveNoText) {
    EXPECT_EQ(resultFormat(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(resultFormat(-std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(resultFormat(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(ResultFormat, Round2ReadsTheTextBack) {
    EXPECT_DOUBLE_EQ(round2(16.770833 + 39.25), 56.02);
    EXPECT_DOUBLE_EQ(round2(-0.004), 0.0);
    EXPECT_FALSE(std::signbit(round2(-0.004)));
    EXPECT_DOUBLE_EQ(round2(8.5565475), 8.56);
}

struct PlainCase {
    double value;
    const char* text;
};

class PlainText : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainText, ShortestWithFifteenDigits) {
    EXPECT_EQ(plainText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainText,
    ::testing::Values(PlainCase{1.02, "1.02"}, PlainCase{457, "457"}, PlainCase{4, "4"},
                      PlainCase{34.37, "34.37"}, PlainCase{0, "0"}, PlainCase{-0.0, "0"},
                      PlainCase{-2.5, "-2.5"}, PlainCase{0.1 + 0.2, "0.3"},
                      PlainCase{24 + 10.37, "34.37"}, PlainCase{42 + 56.02, "98.02"},
                      PlainCase{56.02 + 0.06, "56.08"}, PlainCase{17.0, "17"},
                      PlainCase{1.0 / 3, "0.333333333333333"}, PlainCase{1e20, "1E+20"},
                      PlainCase{1e-5, "1E-05"}, PlainCase{123456789012345, "123456789012345"}));

// From 1E+15 on the writers use as many digits as it takes for the text to
// read back to the value it stands for; 15 digits would round the largest
// doubles past the largest one, which reads back as nothing at all.
struct LargeCase {
    double value;
    const char* plain;
    const char* result;  // nullptr: not checked here
};

class LargeValues : public ::testing::TestWithParam<LargeCase> {};

TEST_P(LargeValues, ReadBackToTheirValue) {
    const LargeCase& c = GetParam();
    const std::string plain = plainText(c.value);
    const std::string result = resultFormat(c.value);
    EXPECT_EQ(plain, c.plain);
    if (c.result) {
        EXPECT_EQ(result, c.result);
    }
    EXPECT_EQ(lenient(plain), c.value) << plain;
    EXPECT_EQ(strict(plain), c.value) << plain;
    EXPECT_EQ(lenient(result), c.value) << result;
    EXPECT_EQ(resultFormat(lenient(result)), result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LargeValues,
    ::testing::Values(
        LargeCase{std::numeric_limits<double>::max(), "1.7976931348623157E+308", nullptr},
        LargeCase{-std::numeric_limits<double>::max(), "-1.7976931348623157E+308", nullptr},
        LargeCase{1e15, "1E+15", "1000000000000000.00"},
        LargeCase{1e15 + 0.125, "1.0000000000000001E+15", "1000000000000000.10"},
        LargeCase{1e16 + 2, "1.0000000000000002E+16", "10000000000000002.00"},
        LargeCase{12345670000000000.0 - 35.37, "1.2345669999999964E+16", "12345669999999964.00"},
        LargeCase{-9007199254740993.0, "-9.007199254740992E+15", "-9007199254740992.00"},
        LargeCase{123456789012345, "123456789012345", "123456789012345.00"}));

TEST(ResultFormat, LargestDoubleHasAllItsDigits) {
    const std::string text = resultFormat(-std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 1 + 309 + 3u);
    EXPECT_EQ(text.substr(0, 18), "-17976931348623157");
    EXPECT_EQ(text.substr(text.size() - 4), "0.00");
}

TEST(PlainText, NonFiniteValuesHaveNoText) {
    EXPECT_EQ(plainText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(plainText(std::numeric_limits<double>::quiet_NaN()), "");
}

// The conventions are fixed: a desktop locale with a decimal comma changes
// none of them.
TEST(NumberConventions, IndependentOfTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_DOUBLE_EQ(lenient("1,5"), 1);
    EXPECT_EQ(strict("1,200.5"), 1200.5);
    EXPECT_EQ(resultFormat(1234.5), "1234.50");
    EXPECT_EQ(plainText(1.02), "1.02");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace tarnwick
