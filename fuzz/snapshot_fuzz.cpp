// Fuzzes the reading of a kept sheet: the input is given to restore() on a
// program that has not been started, as a reloaded page does. When the first
// byte is odd, the rest is sealed with a fitting digest first (any digest line
// it ends with is dropped), so that the reading gets past the digest. A
// refused snapshot must leave the sheet untouched; an accepted one must hold
// the invariants that follow from the snapshot alone, show nothing, and come
// back the same through its own snapshot.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet/Snapshot.h"
#include "tests/support/SheetInvariants.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace {

void fail(const char* what, const tarnwick::testsupport::Problems& problems,
          std::string_view text) {
    std::fprintf(stderr, "%s\n", what);
    for (const std::string& p : problems) std::fprintf(stderr, "  %s\n", p.c_str());
    std::fprintf(stderr, "the snapshot:\n%.*s\n", static_cast<int>(text.size()), text.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarnwick;
    using namespace tarnwick::testsupport;
    if (size == 0) return 0;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        const std::size_t digest = text.rfind("digest ");
        if (digest != std::string::npos && (digest == 0 || text[digest - 1] == '\n')) {
            text.resize(digest);
        }
        text = sealSnapshot(text);
    }

    HeadlessPlatform platform;
    Program program(platform);
    HeadlessPlatform untouchedPlatform;
    Program untouched(untouchedPlatform);
    Sheet& sheet = program.sheet();
    if (!restore(sheet, text)) {
        Problems changed = sheetDifferences(sheet, untouched.sheet());
        if (!changed.empty()) fail("a refused snapshot changed the sheet", changed, text);
        return 0;
    }
    Problems problems = sheetProblems(sheet);
    if (!platform.events().empty()) problems.push_back("restoring showed a dialog");
    if (!problems.empty()) fail("an accepted snapshot breaks the invariants", problems, text);

    HeadlessPlatform againPlatform;
    Program again(againPlatform);
    const std::string kept = snapshot(sheet);
    if (!restore(again.sheet(), kept)) fail("the restored sheet's snapshot was refused", {}, kept);
    problems = sheetDifferences(sheet, again.sheet());
    if (!problems.empty()) fail("the restored sheet did not come back the same", problems, kept);
    return 0;
}
