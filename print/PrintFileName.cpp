#include "print/PrintFileName.h"

#include <cstring>

#include "sheet/Utf8.h"

namespace tarnwick {

namespace {

constexpr std::size_t maxStemBytes = 200;

bool unsafe(unsigned char c) {
    return c < 0x20 || c == 0x7f || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

std::string safeStem(const std::string& document) {
    std::string stem;
    for (const char c : document) stem += unsafe(static_cast<unsigned char>(c)) ? '_' : c;
    const std::size_t first = stem.find_first_not_of(" .");
    if (first == std::string::npos) return "printout";
    stem = stem.substr(first, stem.find_last_not_of(" .") - first + 1);
    if (stem.size() > maxStemBytes) {
        stem.resize(characterStart(stem, maxStemBytes));
        stem.erase(stem.find_last_not_of(" .") + 1);
    }
    return stem;
}

}  // namespace

std::string printFileName(const std::string& document, const std::string& extension,
                          const std::function<bool(const std::string&)>& taken) {
    const std::string stem = safeStem(document);
    std::string name = stem + "." + extension;
    for (int number = 2; taken(name); ++number) {
        name = stem + " (" + std::to_string(number) + ")." + extension;
    }
    return name;
}

}  // namespace tarnwick
