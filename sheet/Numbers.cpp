#include "sheet/Numbers.h"

#include <charconv>
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
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc() && ptr == s.data() + s.size()) {
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    }
    if (ec != std::errc::result_out_of_range) return std::nullopt;
    // Out of range: tell an overflow from an underflow by the decimal order
    // of the first significant digit.
    long order = 0;
    bool seenPoint = false, seenDigit = false;
    std::size_t i = 0;
    for (; i < s.size() && s[i] != 'e'; ++i) {
        char c = s[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (c != '0') seenDigit = true;
            if (!seenDigit && seenPoint) --order;
            if (seenDigit && !seenPoint) ++order;
        }
    }
    if (!seenDigit) return 0.0;
    long exponent = 0;
    if (i < s.size()) {
        const char* first = s.data() + i + 1;
        auto r = std::from_chars(first, s.data() + s.size(), exponent);
        if (r.ec == std::errc::result_out_of_range) exponent = (*first == '-') ? -100000 : 100000;
    }
    if (order + exponent > 0) return std::nullopt;
    return 0.0;
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

/// The significant digits of a positive finite value and the decimal
/// exponent of the first one: 15 digits below 1E+15, where they read back to
/// the same value and hide the binary noise of sums such as 0.1 + 0.2; above,
/// the shortest digits that read back to exactly this value.
void decimalForm(double value, std::string& digits, int& exponent) {
    char buf[64];
    auto r = value < kExactDigitsBelow
                 ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14)
                 : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string sci(buf, r.ptr);
    std::size_t e = sci.find('e');
    digits = sci.substr(0, 1);
    if (e > 2) digits += sci.substr(2, e - 2);
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
    char buf[64];
    // From 1E+15 on, 15 digits no longer tell neighbouring doubles apart and
    // may round past the largest one; there the shortest text that reads back
    // exactly is written instead.
    auto r = std::fabs(value) < kExactDigitsBelow
                 ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15)
                 : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general);
    std::string s(buf, r.ptr);
    std::size_t e = s.find('e');
    if (e != std::string::npos) s[e] = 'E';
    return s;
}

}  // namespace tarnwick
