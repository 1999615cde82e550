#include "sheet/Numbers.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tarnwick {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Parses a decimal number made only of an optional '-', digits, at most one
/// '.', and an optional exponent "e[-]digits". Independent of the locale.
/// Overflow gives nothing; underflow gives 0.
std::optional<double> parseNormalized(const std::string& s) {
    double value = 0;
    const char* end = s.data() + s.size();
    auto [ptr, ec] = fast_float::from_chars(s.data(), end, value);
    if (ec != std::errc() && ec != std::errc::result_out_of_range) return std::nullopt;
    // Out of range, the reading gives an infinity or a zero.
    if (ptr != end || !std::isfinite(value)) return std::nullopt;
    // Too small for a double: zero, and never a negative one.
    if (value == 0 && s.find_first_of("123456789") < s.find('e')) return 0.0;
    return value;
}

/// Reads digits of the given base; used for "&H" and "&O" in the lenient reading.
double readInteger(std::string_view s, int base) {
    double value = 0;
    for (char c : s) {
        int d;
        if (isDigit(c)) {
            d = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            break;
        }
        if (d >= base) break;
        value = value * base + d;
    }
    return std::isfinite(value) ? value : 0.0;
}

// Below this size 15 significant digits say which double a decimal text
// stands for; from it on they may not.
constexpr double kExactDigitsBelow = 1e15;

/// The shortest significant digits that read back to exactly this positive
/// finite value, and the decimal exponent of the first one.
void shortestForm(double value, std::string& digits, int& exponent) {
    // "{}" writes the shortest digits, in the fixed or the scientific form
    // ("1000000000000000.1", "1e+20").
    const std::string text = fmt::format("{}", value);
    const std::size_t e = std::min(text.find('e'), text.size());
    const std::string_view mantissa = std::string_view(text).substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    digits.clear();
    for (char c : mantissa) {
        if (c != '.') digits.push_back(c);
    }
    const std::size_t first = digits.find_first_not_of('0');
    exponent = static_cast<int>(point) - 1 - static_cast<int>(first);
    if (e < text.size()) exponent += std::atoi(text.c_str() + e + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    digits.erase(0, first);
}

/// The significant digits of a positive finite value and the decimal
/// exponent of the first one: 15 digits below 1E+15, where they read back to
/// the same value and hide the binary noise of sums such as 0.1 + 0.2; above,
/// the shortest digits that read back to exactly this value.
void decimalForm(double value, std::string& digits, int& exponent) {
    if (value >= kExactDigitsBelow) {
        shortestForm(value, digits, exponent);
        return;
    }
    const std::string sci = fmt::format("{:.14e}", value);  // "1.23450000000000e+02"
    const std::size_t e = sci.find('e');
    digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    exponent = std::atoi(sci.c_str() + e + 1);
}

/// Increments a string of decimal digits by one unit in its last place.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

double lenient(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    }
    if (s.size() >= 2 && s[0] == '&') {
        char kind = s[1];
        if (kind == 'H' || kind == 'h') return readInteger(std::string_view(s).substr(2), 16);
        if (kind == 'O' || kind == 'o') return readInteger(std::string_view(s).substr(2), 8);
        return 0;
    }
    std::string n;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') n.push_back('-');
        ++i;
    }
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            n.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            n.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            if (s[j] == '-') exponent.push_back('-');
            ++j;
        }
        bool expDigits = false;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            exponent.push_back(s[j]);
            expDigits = true;
        }
        if (expDigits) n += exponent;
    }
    return parseNormalized(n).value_or(0.0);
}

std::optional<double> strict(std::string_view text) {
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return std::nullopt;
    std::size_t e = text.find_last_not_of(" \t");
    std::string_view s = text.substr(b, e - b + 1);

    std::string n;
    std::size_t i = 0;
    bool negative = false, sign = false, currency = false;
    // A sign and a currency sign, in either order.
    for (int k = 0; k < 2 && i < s.size(); ++k) {
        if (!sign && (s[i] == '+' || s[i] == '-')) {
            negative = s[i] == '-';
            sign = true;
            ++i;
        } else if (!currency && s[i] == '$') {
            currency = true;
            ++i;
        }
    }
    if (negative) n.push_back('-');
    bool digits = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            n.push_back(c);
            digits = true;
        } else if (c == ',' && digits && i + 1 < s.size() && isDigit(s[i + 1])) {
            // thousands separator
        } else {
            break;
        }
    }
    if (i < s.size() && s[i] == '.') {
        n.push_back('.');
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            n.push_back(s[i]);
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        n.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-') n.push_back('-');
            ++i;
        }
        bool expDigits = false;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            n.push_back(s[i]);
            expDigits = true;
        }
        if (!expDigits) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return parseNormalized(n);
}

std::string resultFormat(double value) {
    if (!std::isfinite(value)) return {};
    // Round on the decimal form of the value, so that a value written as ...5
    // in its third decimal rounds away from zero.
    std::string digits;
    int exponent = 0;
    decimalForm(std::fabs(value), digits, exponent);

    std::string intPart, frac;
    if (exponent >= 0) {
        std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (intDigits <= digits.size()) {
            intPart = digits.substr(0, intDigits);
            frac = digits.substr(intDigits);
        } else {
            intPart = digits + std::string(intDigits - digits.size(), '0');
        }
    } else {
        intPart = "0";
        frac = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    if (frac.size() < 3) frac.resize(3, '0');
    std::string cents = intPart + frac.substr(0, 2);
    if (frac[2] >= '5') incrementDigits(cents);

    std::size_t nonZero = cents.find_first_not_of('0');
    if (nonZero == std::string::npos) return "0.00";
    std::size_t keep = std::min(nonZero, cents.size() - 3);
    cents.erase(0, keep);
    std::string out;
    out.reserve(cents.size() + 2);
    if (value < 0) out += '-';
    out.append(cents, 0, cents.size() - 2);
    out += '.';
    out.append(cents, cents.size() - 2, 2);
    return out;
}

double round2(double value) {
    std::string text = resultFormat(value);
    if (text.empty()) return value;
    return parseNormalized(text).value_or(value);
}

std::string plainText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    // Below 1E+15: 15 significant digits, trailing zeros dropped, the
    // scientific form for exponents below -4 and from 15 on ("1E-05").
    if (std::fabs(value) < kExactDigitsBelow) {
        // A typed or rounded number has 15 significant digits or fewer that
        // read back as it. Those shortest digits, quick to find, are then
        // its 15-digit text as well.
        if (std::fabs(value) >= 1e-4) {
            char shortest[32];
            const char* end = fmt::format_to_n(shortest, sizeof shortest, "{}", value).out;
            const std::string_view s(shortest, static_cast<std::size_t>(end - shortest));
            const std::size_t first = s.find_first_of("123456789");
            const std::size_t point = s.find('.');
            const std::size_t digits =
                s.size() - first - (point != std::string_view::npos && point > first ? 1 : 0);
            if (s.find('e') == std::string_view::npos && digits <= 15) return std::string(s);
        }
        std::string s = fmt::format("{:.15g}", value);
        std::size_t e = s.find('e');
        if (e != std::string::npos) s[e] = 'E';
        return s;
    }
    // From 1E+15 on, 15 digits no longer tell neighbouring doubles apart and
    // may round past the largest one; there the shortest digits that read
    // back exactly are written instead, always in the scientific form.
    std::string digits;
    int exponent = 0;
    shortestForm(std::fabs(value), digits, exponent);
    std::string s = value < 0 ? "-" : "";
    s += digits[0];
    if (digits.size() > 1) {
        s += '.';
        s.append(digits, 1);
    }
    return s + fmt::format("E{:+03}", exponent);
}

}  // namespace tarnwick
