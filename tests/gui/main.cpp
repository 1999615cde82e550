// Runs the registered GUI tests against one application object.
//
//     tarnwick_gui_tests [--class NAME] [QTest options]
//
// runs every registered class, or only the one named.
#include <QApplication>
#include <cstring>
#include <string>
#include <vector>

#include "GuiTests.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/GuardedApplication.h"

int main(int argc, char* argv[]) {
    // Guarded as the calculator is; without a platform to report to, an
    // escaped exception still ends the run.
    tarnwick::GuardedApplication app(argc, argv);
    // The name, style and fonts the calculator sets up for itself.
    tarnwick::setUpApplication();
    // A window closed by a test must not end the application under the
    // tests that follow.
    QApplication::setQuitOnLastWindowClosed(false);

    std::string only;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--class") == 0 && i + 1 < argc) {
            only = argv[++i];
        } else {
            args.push_back(argv[i]);
        }
    }
    int failed = 0;
    bool ran = false;
    for (const auto& [name, run] : tarnwick::guiTests()) {
        if (!only.empty() && name != only) continue;
        ran = true;
        failed += run(static_cast<int>(args.size()), args.data());
    }
    return ran && failed == 0 ? 0 : 1;
}
