// tarnwick-numbers [--sweep N] [FILE...]: writes what every number convention
// makes of each input, so that two builds of the conventions (the desktop's
// and the browser's) can be compared byte for byte. Without files, each line
// of the standard input is one input; each FILE is one whole input. An input
// is read leniently and strictly, each value read is written back, and its
// first eight bytes, as the fuzz target takes them, are a double to write.
// --sweep N adds N doubles of a fixed pseudo-random sequence.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/Numbers.h"

namespace {

using namespace tarnwick;

std::string escaped(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        }
    }
    return out + '"';
}

std::string bits(double x) {
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    char text[24];
    std::snprintf(text, sizeof text, "%016" PRIx64, b);
    return text;
}

/// A value with every writing of it: its bits, the plain text, the result
/// format and the bits of the value that the result format reads back as.
std::string written(double x) {
    return bits(x) + " plain " + escaped(plainText(x)) + " result " + escaped(resultFormat(x)) +
           " round2 " + bits(round2(x));
}

void echo(std::string_view text) {
    std::string out = "input " + escaped(text) + "\n  lenient " + written(lenient(text));
    const std::optional<double> whole = strict(text);
    out += "\n  strict " + (whole ? written(*whole) : std::string("none"));
    if (text.size() >= sizeof(double)) {
        double x;
        std::memcpy(&x, text.data(), sizeof x);
        out += "\n  bytes " + written(x);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
}

/// Doubles from every binade and of every sign (random bits), and decimals
/// with few digits such as an inspector types (random integers over powers
/// of ten), of a fixed sequence (splitmix64).
void sweep(long count) {
    std::uint64_t state = 0x5441524e5749434bu;
    auto next = [&state] {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    };
    for (long i = 0; i < count; ++i) {
        const std::uint64_t r = next();
        double x;
        if (i % 2 == 0) {
            std::memcpy(&x, &r, sizeof x);
        } else {
            static constexpr double kScale[] = {1,   10,  1e2, 1e3, 1e4,  1e5,
                                                1e6, 1e7, 1e8, 1e9, 1e10, 1e11};
            x = static_cast<double>(r % 100000000u) / kScale[(r >> 40) % 12];
            if (r >> 63) x = -x;
        }
        const std::string out = "sweep " + written(x) + '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    if (argc >= 3 && std::string_view(argv[1]) == "--sweep") {
        sweep(std::atol(argv[2]));
        first = 3;
    }
    if (first == argc && first == 1) {
        std::string line;
        while (std::getline(std::cin, line)) echo(line);
    }
    for (int i = first; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "tarnwick-numbers: cannot read %s\n", argv[i]);
            return 2;
        }
        echo(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
