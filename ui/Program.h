// One running calculator without its window: the sheet with its form, the
// calculation engine and the reference messages, wired together on a platform.
#pragma once

#include <memory>

#include "engine/Engine.h"
#include "info/Reference.h"
#include "sheet/Form.h"
#include "sheet/Links.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Program : public MenuLink {
public:
    explicit Program(Platform& platform);
    ~Program() override;

    /// Starts the program as the user starts it: `Form_Load` runs and the
    /// window is shown.
    void start();

    void chosen(M menu) override;

    Sheet& sheet() { return sheet_; }
    Engine& engine() { return engine_; }
    Form& form() { return form_; }

private:
    Sheet sheet_;
    Engine engine_;
    Reference reference_;
    Form form_;
};

}  // namespace tarnwick
