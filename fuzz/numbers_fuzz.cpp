// Fuzzes the sheet's number conventions. Each input is used twice: as a text
// that the readings take apart, and (its first eight bytes) as a double that
// the two writers put into words.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "sheet/Numbers.h"

namespace {

using namespace tarnwick;

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "number conventions: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

void require(bool ok, const char* what, std::string_view text) {
    if (!ok) fail(what, text);
}

/// What the strict conversion should make of a text, worked out another way:
/// the grammar as a regular expression, the value from the C library.
std::optional<double> strictByHand(const std::string& text) {
    static const std::regex number(
        R"([ \t]*(?:[+-]\$?|\$[+-]?)?([0-9]+(?:,[0-9]+)*)?(\.[0-9]*)?(?:[eE][+-]?[0-9]+)?[ \t]*)");
    std::smatch m;
    if (!std::regex_match(text, m, number)) return std::nullopt;
    const bool digits = m[1].matched || (m[2].matched && m[2].length() > 1);
    if (!digits) return std::nullopt;
    std::string plain;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '$' && c != ',') plain.push_back(c);
    }
    double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool sameValue(double a, double b) {
    // Underflow may end at zero or at the smallest subnormal.
    return a == b || (std::fabs(a) < 1e-300 && std::fabs(b) < 1e-300);
}

void checkWriters(double x) {
    static const std::regex twoDecimals(R"(-?[0-9]+\.[0-9]{2})");
    static const std::regex plainForm(R"(-?[0-9]+(\.[0-9]*[1-9])?(E[+-][0-9]+)?)");
    const std::string result = resultFormat(x);
    const std::string plain = plainText(x);
    if (!std::isfinite(x)) {
        require(result.empty() && plain.empty(), "a value that is not finite has a text", result);
        return;
    }
    // The forms admit no letters: "inf" and "nan" cannot pass them.
    require(std::regex_match(result, twoDecimals), "result format is not two decimals", result);
    require(result != "-0.00", "result format reads -0.00", result);
    // The result-format text reads back, both ways, to a value written the same.
    const double back = lenient(result);
    require(resultFormat(back) == result, "result format does not read back", result);
    const std::optional<double> strictBack = strict(result);
    require(strictBack && *strictBack == back, "strict refuses a result-format text", result);

    require(std::regex_match(plain, plainForm), "plain text has a bad form", plain);
    require(plain != "-0", "plain text reads -0", plain);
    const double plainBack = lenient(plain);
    require(resultFormat(plainBack) == result, "plain text reads back to another result", plain);
    require(plainText(plainBack) == plain, "plain text does not read back to itself", plain);
    const std::optional<double> strictPlain = strict(plain);
    require(strictPlain && *strictPlain == plainBack, "strict refuses a plain text", plain);
    if (std::fabs(x) >= 1e15) require(plainBack == x, "large plain text is not exact", plain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double leading = lenient(text);
    require(std::isfinite(leading), "lenient reading is not finite", text);
    checkWriters(leading);

    const std::optional<double> whole = strict(text);
    if (whole) {
        require(std::isfinite(*whole), "strict conversion is not finite", text);
        checkWriters(*whole);
    }
    // The regular expression recurses per character; long texts are left to
    // the checks above.
    if (size <= 256) {
        const std::optional<double> expected = strictByHand(text);
        require(whole.has_value() == expected.has_value(),
                whole ? "strict accepts what is not a number" : "strict refuses a number", text);
        if (whole) require(sameValue(*whole, *expected), "strict reads another value", text);
    }

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        checkWriters(x);
    }
    return 0;
}
