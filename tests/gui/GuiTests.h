// The GUI test classes. Each test file registers its class with
// TARNWICK_GUI_TEST; main runs every registered class against one
// application object, in the order of their names.
#pragma once

#include <QObject>
#include <QTest>
#include <functional>
#include <map>
#include <string>

namespace tarnwick {

using GuiTestRunner = std::function<int(int, char**)>;

/// Every registered test class under its name.
inline std::map<std::string, GuiTestRunner>& guiTests() {
    static std::map<std::string, GuiTestRunner> tests;
    return tests;
}

struct GuiTestRegistration {
    GuiTestRegistration(const char* name, GuiTestRunner run) {
        guiTests().emplace(name, std::move(run));
    }
};

}  // namespace tarnwick

/// Registers the QTest class `Class` to be run by the GUI test executable.
#define TARNWICK_GUI_TEST(Class)                                        \
    static const ::tarnwick::GuiTestRegistration registration##Class {  \
#Class, [](int argc, char** argv) {                                   \
            Class test;                                                       \
            return QTest::qExec(&test, argc, argv);                           \
        } \
    }
