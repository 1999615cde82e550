// What the calculator sets on its application object before it makes any
// widget: its name, the style and the text rendering its window is drawn
// with. The GUI tests and the benchmarks set the same, so that they see the
// window as it ships.
#pragma once

namespace tarnwick {

/// Call once, after the QApplication is made and before any widget.
void setUpApplication();

}  // namespace tarnwick
