// The ten runby checks: which fire, their message texts and order, where the
// focus ends, and the strict re-read that ends the procedure.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace tarnwick::testing {
namespace {

struct Shown {
    const char* title;
    const char* ruleLine;
    const char* rest;  // subject and limit phrase
};

struct RunbyRow {
    bool metric;
    bool ed2000;
    bool compressed;
    const char* cwt;
    const char* car;
    std::vector<Shown> shown;
    F focus;  // txtID: the focus did not move
};
void PrintTo(const RunbyRow& r, std::ostream* os) {
    *os << (r.ed2000 ? "2000 " : "1996 ") << (r.compressed ? "compressed " : "") << r.cwt << " / "
        << r.car;
}

class RunbyChecks : public EngineTable<RunbyRow> {};

TEST_P(RunbyChecks, MessagesInCheckOrderAndLastFocus) {
    const RunbyRow& row = GetParam();
    if (row.ed2000) edition2000();
    if (row.compressed) sheet.select(O::optCompYes);
    if (row.metric) metric();
    set({{row.metric ? F::txtMetRunby : F::txtImpRunby, row.cwt},
         {row.metric ? F::txtMetRunbyCar : F::txtImpRunbyCar, row.car}});
    sheet.setFocus(F::txtID);
    if (row.metric) {
        engine.runbyLimits().MetRunbyMinMax();
    } else {
        engine.runbyLimits().ImpRunbyMinMax();
    }
    std::vector<Message> expected;
    for (const Shown& s : row.shown) {
        expected.push_back(
            {std::string("Remember..........\r\n\r\n") + s.ruleLine + "\r\n\r\n" + s.rest, s.title,
             Icon::Critical});
    }
    EXPECT_EQ(platform.messages(), expected);
    EXPECT_TRUE(focused(row.focus)) << name(sheet.focus());
}

const Shown kMin96{"Minimum Runby", "Rule 107.1b(1)...",
                   "The bottom runby for cars and counterweights shall be not less than 6 in."};
const Shown kMin00{"Minimum Runby", "2.4.2.1...",
                   "The bottom runby for cars and counterweights shall be not less than 6 in."};
const Shown kCwt96{"Maximum Runby", "Rule 107.1d(2)...",
                   "The bottom runby for counterweights shall not exceed 36 in."};
const Shown kCwt00{"Maximum Runby", "2.4.4(b)...",
                   "The bottom runby for counterweights shall not exceed 35 in."};
const Shown kCar96{"Maximum Runby", "Rule 107.1d(1)...",
                   "The bottom runby for cars shall not exceed 24 in."};
const Shown kCarComp00{"Maximum Runby", "2.4.4(a)  (A17.1-2000 [ 600 mm ( 24 in. ) ] )",
                       "The bottom runby for cars shall not exceed 24 in."};
const Shown kMetMin00{
    "Minimum Runby", "2.4.2.1...",
    "The bottom runby for cars and counterweights shall be not less than 150 mm."};
const Shown kMetCar00{"Maximum Runby", "2.4.4(a)...",
                      "The bottom runby for cars shall not exceed 600 mm."};
const Shown kMetCwt96{"Maximum Runby", "Rule 107.1d(2)...",
                      "The bottom runby for counterweights shall not exceed 914 mm."};
const Shown kMetCar96{"Maximum Runby", "Rule 107.1d(1)...",
                      "The bottom runby for cars shall not exceed 610 mm."};

constexpr F kImpCwt = F::txtImpRunby;
constexpr F kImpCar = F::txtImpRunbyCar;
constexpr F kMetCwt = F::txtMetRunby;
constexpr F kMetCar = F::txtMetRunbyCar;
constexpr F kNoMove = F::txtID;

INSTANTIATE_TEST_SUITE_P(
    engine, RunbyChecks,
    ::testing::Values(
        RunbyRow{false, false, false, "6", "6", {}, kNoMove},
        RunbyRow{false, false, false, "5.9", "12", {kMin96}, kImpCwt},
        // Both too small: one message; the car takes the focus, then the counterweight.
        RunbyRow{false, true, false, "4", "4", {kMin00}, kImpCwt},
        RunbyRow{false, false, false, "4", "4", {kMin96}, kImpCwt},
        RunbyRow{false, false, false, "12", "4", {kMin96}, kImpCar},
        RunbyRow{false, false, false, "36", "24", {}, kNoMove},
        RunbyRow{false, false, false, "36.01", "24", {kCwt96}, kImpCwt},
        RunbyRow{false, true, false, "35.5", "24", {kCwt00}, kImpCwt},
        RunbyRow{false, false, false, "40", "30", {kCwt96, kCar96}, kImpCar},
        // Compressed: the entries are compressions, a runby is negative.
        RunbyRow{false, false, true, "3", "-2", {}, kNoMove},
        RunbyRow{false, false, true, "-36", "-24", {}, kNoMove},
        RunbyRow{false, false, true, "-40", "0", {kCwt96}, kImpCwt},
        RunbyRow{false, true, true, "-35.01", "-24.01", {kCwt00, kCarComp00}, kImpCar},
        RunbyRow{true, true, false, "140", "200", {kMetMin00}, kMetCwt},
        RunbyRow{true, true, false, "150", "600", {}, kNoMove},
        RunbyRow{true, true, true, "0", "-650", {kMetCar00}, kMetCar},
        RunbyRow{true, false, false, "915", "611", {kMetCwt96, kMetCar96}, kMetCar},
        RunbyRow{true, false, true, "-915", "-611", {kMetCwt96, kMetCar96}, kMetCar},
        // A field that is not wholly a number ends the procedure at its re-read:
        // the car is re-read first, so its focus stands; the later checks are skipped.
        RunbyRow{false, false, false, "40", "abc", {kMin96}, kNoMove},
        RunbyRow{false, false, false, "5abc", "5", {kMin96}, kImpCar},
        RunbyRow{false, false, false, "4x", "30", {kMin96}, kNoMove}));

}  // namespace
}  // namespace tarnwick::testing
