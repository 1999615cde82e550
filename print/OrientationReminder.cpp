#include "print/OrientationReminder.h"

namespace tarnwick {

ReminderView reminderView(bool printingData) {
    ReminderView view;
    view.caption = "Orientation";
    view.message = printingData
                       ? "Please remember to select portrait orientation when printing the data."
                       : "Please remember to select landscape orientation when printing the form.";
    view.checkBox = "Don't show me this message again";
    view.portrait = printingData;
    return view;
}

void showOrientationReminder(PrintPlatform& platform, PrintFlags& flags) {
    bool& hide = flags.PrintingData ? flags.HideDataReminder : flags.HideFormReminder;
    platform.showReminder(reminderView(flags.PrintingData), [&hide] { hide = !hide; });
}

}  // namespace tarnwick
