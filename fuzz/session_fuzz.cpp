// Fuzzes whole sessions: the input bytes are decoded into user actions on
// the headless calculator (typing, pasting, clicks, keys, menu commands,
// dialog answers), and the sheet's invariants are checked after each one;
// each session's record must replay to the sheet it ended with.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/support/RandomSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarnwick::testsupport;
    ByteChooser chooser(data, size);
    RandomSession session(chooser);
    // Every action takes at least one byte, so a session ends with its input.
    for (int i = 0; i < 4000 && !chooser.exhausted(); ++i) {
        Problems problems = session.step();
        if (problems.empty()) continue;
        for (const std::string& p : problems) std::fprintf(stderr, "%s\n", p.c_str());
        std::fprintf(stderr, "the last actions:\n%s", session.recentActions().c_str());
        std::abort();
    }
    if (session.replayProblems().empty()) return 0;
    for (const std::string& p : session.replayProblems()) std::fprintf(stderr, "%s\n", p.c_str());
    std::fprintf(stderr, "the last actions:\n%s", session.recentActions().c_str());
    std::abort();
}
