// The GUI test classes, each run by its own function from main.
#pragma once

namespace tarnwick {

int runWindowTests(int argc, char** argv);
int runPlatformTests(int argc, char** argv);
int runPrintingTests(int argc, char** argv);

}  // namespace tarnwick
