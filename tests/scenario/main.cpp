// tarnwick-scenario FILE...: plays scenario files against the calculator's
// form logic on a headless platform.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Runner.h"
#include "Script.h"

int main(int argc, char** argv) {
    using namespace tarnwick::scenario;
    if (argc < 2) {
        std::cerr << "usage: tarnwick-scenario FILE...\n";
        return 2;
    }
    // Every file is read before any is played, so that a missing file is
    // reported before a long run.
    std::vector<std::pair<std::string, Script>> scripts;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream text;
        if (in && !std::filesystem::is_directory(argv[i], error)) text << in.rdbuf();
        if (!in || in.bad() || std::filesystem::is_directory(argv[i], error)) {
            std::cerr << "tarnwick-scenario: cannot read " << argv[i] << '\n';
            return 2;
        }
        scripts.emplace_back(argv[i], parseScript(text.str()));
    }
    Tally tally;
    for (const auto& [file, script] : scripts) runScript(script, file, std::cout, tally);
    std::cout << tally.passed << " passed, " << tally.failed << " failed\n";
    return tally.failed == 0 ? 0 : 1;
}
