// One running calculator without its window: the sheet with its form, the
// calculation engine, the reference messages and the printing commands,
// wired together on a platform, and the record of what the user has done
// since the start.
#pragma once

#include <concepts>

#include "engine/Engine.h"
#include "info/Reference.h"
#include "print/PrintCommands.h"
#include "print/PrintPlatform.h"
#include "sheet/Form.h"
#include "sheet/Links.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"
#include "ui/SessionRecord.h"

namespace tarnwick {

class Program : public MenuLink {
public:
    Program(Platform& platform, PrintPlatform& printing);
    /// On a platform that also prints, such as the headless one.
    template <class Desktop>
    requires std::derived_from<Desktop, Platform> && std::derived_from<Desktop, PrintPlatform>
    explicit Program(Desktop& desktop) : Program(desktop, static_cast<PrintPlatform&>(desktop)) {}
    ~Program() override;

    /// Starts the program as the user starts it: `Form_Load` runs and the
    /// window is shown. What the user does from then on is recorded.
    void start();

    void chosen(M menu) override;

    Sheet& sheet() { return sheet_; }
    Engine& engine() { return engine_; }
    Form& form() { return form_; }
    PrintCommands& printing() { return printing_; }
    /// What the user has done since the start (see replay()).
    SessionRecorder& recorder() { return recorder_; }
    const SessionRecorder& recorder() const { return recorder_; }

private:
    SessionRecorder recorder_;
    Sheet sheet_;
    Engine engine_;
    Reference reference_;
    Form form_;
    PrintCommands printing_;
};

}  // namespace tarnwick
