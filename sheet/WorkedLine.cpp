#include "sheet/WorkedLine.h"

#include <algorithm>
#include <cstdlib>

#include "sheet/Numbers.h"

namespace tarnwick {

namespace {

/// A number is written as the sheet writes its results, so that a figure
/// on a line reads as the field it stands for: never "-0".
std::string plain(double value) {
    return plainText(value == 0 ? 0.0 : value);
}

}  // namespace

std::string_view ruleOf(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    text.remove_prefix(start);
    return text.substr(0, std::min(text.find("..."), text.find("  ")));
}

std::string_view inWords(F field) {
    switch (field) {
        case F::txtImpGovTrip:
        case F::txtMetGovTrip:
            return "governor tripping speed";
        case F::txtImpSpeed:
        case F::txtMetSpeed:
            return "rated speed";
        case F::txtImpRunby:
        case F::txtMetRunby:
            return "counterweight runby";
        case F::txtImpRunbyCar:
        case F::txtMetRunbyCar:
            return "car runby";
        case F::txtImpStroke:
        case F::txtMetStroke:
            return "buffer stroke";
        case F::txtCrossMea:
        case F::txtDifCross:
            return "crosshead";
        case F::txtRefugeMea:
        case F::txtDifRefuge:
            return "refuge space";
        case F::txtShoesMea:
        case F::txtDifShoes:
            return "guide shoes or gate posts";
        case F::txtObstructMea:
        case F::txtDifObstruct:
            return "equipment projecting above crosshead";
        case F::txtCwtMea:
        case F::txtDifCwt:
            return "obstruction above counterweight";
        default:
            return name(field);
    }
}

WorkedLine& WorkedLine::number(double value) {
    return *this << plain(value);
}

WorkedLine& WorkedLine::operand(double value) {
    if (value >= 0) return number(value);
    return *this << "(" << plain(value) << ")";
}

WorkedLine& WorkedLine::constant(double value) {
    const std::string text = plain(value);
    const std::size_t e = text.find('E');
    if (e == std::string::npos || text[e + 1] != '-') return *this << text;
    // "3.422619E-05": the digits after "0." and the zeros the exponent asks.
    const int zeros = std::atoi(text.c_str() + e + 2) - 1;
    std::string digits;
    for (std::size_t i = text[0] == '-' ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') digits += text[i];
    }
    return *this << (text[0] == '-' ? "-0." : "0.")
                 << std::string(static_cast<std::size_t>(zeros), '0') << digits;
}

WorkedLine& WorkedLine::result(F field, std::string_view text) {
    working_.states(line_, field, text);
    return *this << text;
}

WorkedLine& WorkedLine::entry(F field, double value, bool asOperand) {
    const std::string text = plain(value);
    working_.reads(line_, field, text);
    if (asOperand && value < 0) return *this << "(" << text << ")";
    return *this << text;
}

WorkedLine& WorkedLine::shown(std::string_view title) {
    return *this << "\"" << title << "\" shown";
}

}  // namespace tarnwick
