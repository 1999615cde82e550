// Fuzzes the replay of a kept record: the input is the record's text, as an
// edited or damaged tab's storage would hold it. Whatever it holds, the
// replay shows nothing and prints nothing, leaves a sheet that holds the
// invariants, and the record it leaves behind plays again, whole, to the
// same sheet.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/SheetInvariants.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace {

using namespace tarnwick;

[[noreturn]] void fail(const char* what, const testsupport::Problems& problems,
                       std::string_view record) {
    std::fprintf(stderr, "%s\n", what);
    for (const std::string& p : problems) std::fprintf(stderr, "  %s\n", p.c_str());
    std::fprintf(stderr, "the record:\n%.*s\n", static_cast<int>(record.size()), record.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    HeadlessPlatform platform, again;
    Program first(platform);
    const Replayed played = replay(first, text);
    Program second(platform);
    Program& program = played.halfway ? second : first;
    if (played.halfway) replay(second, text, kRecordLimit, played.line);
    const HeadlessPrinter& printer = platform.headlessPrinter();
    if (!platform.events().empty() || printer.documents() + printer.pictures() > 0) {
        fail("the replay showed a dialog or printed", {}, text);
    }
    const testsupport::Problems problems = testsupport::sheetProblems(program.sheet());
    if (!problems.empty()) fail("the replayed sheet breaks the invariants", problems, text);

    const std::string kept = program.recorder().record(SIZE_MAX).value_or("");
    Program third(again);
    const Replayed replayed = replay(third, kept, SIZE_MAX);
    if (!replayed.whole) fail(("its record did not replay: " + replayed.why).c_str(), {}, kept);
    const testsupport::Problems differences =
        testsupport::sheetDifferences(program.sheet(), third.sheet());
    if (!differences.empty()) fail("its record replayed to another sheet", differences, kept);
    return 0;
}
