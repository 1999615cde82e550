// A started calculator without a window, for driving the engine's rules one
// at a time on a real sheet with its editing reactions.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sheet/Numbers.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick::testing {

class EngineFixture {
public:
    EngineFixture() {
        program.start();
        platform.clearEvents();
    }

    void metric() { sheet.press(B::cmdMetric); }
    void edition2000() { sheet.select(O::opt2000); }
    void set(F f, const std::string& text) { sheet.setText(f, text); }
    /// Fills several fields in order.
    void set(std::initializer_list<std::pair<F, const char*>> entries) {
        for (const auto& [f, text] : entries) sheet.setText(f, text);
    }
    const std::string& text(F f) const { return sheet.text(f); }
    bool focused(F f) const { return sheet.focus() == Element(f); }

    /// Titles of the messages shown since the last call, oldest first.
    std::vector<std::string> takeTitles() {
        std::vector<std::string> titles;
        for (const Message& m : platform.messages()) titles.push_back(m.title);
        platform.clearEvents();
        return titles;
    }

    HeadlessPlatform platform;
    Program program{platform};
    Sheet& sheet = program.sheet();
    Engine& engine = program.engine();
};

/// The usual gtest fixtures around EngineFixture.
class EngineTest : public ::testing::Test, public EngineFixture {};
template <class Row>
class EngineTable : public ::testing::TestWithParam<Row>, public EngineFixture {};

}  // namespace tarnwick::testing
