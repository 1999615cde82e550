// The sheet's number conventions: how a field's text is read as a number and
// how numbers are written back. They never depend on the machine's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

/// Lenient reading: the leading number of the text. Blanks, tabs and line
/// feeds are skipped wherever they stand; a sign, digits with at most one
/// decimal point and an exponent (E or D) are read up to the first character
/// that does not fit. "&H" and "&O" introduce hexadecimal and octal integers.
/// Text that does not begin with a number, and a number too large for a
/// double, read as 0.
double lenient(std::string_view text);

/// Strict conversion: the whole text, blanks at either end ignored, must be a
/// number: an optional sign and "$", digits with "," as the thousands
/// separator and "." as the decimal point, an optional exponent. Anything else,
/// the empty text and numbers too large for a double give nothing.
std::optional<double> strict(std::string_view text);

/// Result format: two decimals, halves away from zero, no grouping, a leading
/// zero before the point; never "-0.00". A value that is not finite has no
/// result-format text and gives the empty text.
std::string resultFormat(double value);

/// The value that the result-format text of `value` reads back as.
double round2(double value);

/// Plain number text: the shortest text of the value with at most 15
/// significant digits, no trailing zeros, no grouping ("1.02", "457",
/// "1E+20"). A value that is not finite gives the empty text.
std::string plainText(double value);

}  // namespace tarnwick
