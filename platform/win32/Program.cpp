#include "platform/Program.h"

#include "Form.h"
#include "SystemLibraries.h"
#include "Win32Dialogs.h"
#include "platform/StartupTimeline.h"

namespace penderlin::platform {

int RunProgram(const FormDescription& startup) {
    MarkStartupStep(StartupStep::ProgramEntered);
    if (!LoadOnlyFromSystem32()) {
        return 1;
    }
    Form::PrepareWindowing();
    MarkStartupStep(StartupStep::WindowingPrepared);

    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    Form form(startup, windows);
    form.ShowModal();
    return 0;
}

} // namespace penderlin::platform
