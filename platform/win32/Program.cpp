#include "platform/Program.h"

#include "Form.h"
#include "Win32Dialogs.h"
#include "platform/StartupTimeline.h"

namespace penderlin::platform {

int RunProgram(const FormDescription& startup) {
    MarkStartupStep(StartupStep::ProgramEntered);
    // Load system DLLs from System32 only, never from the program's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    Form::PrepareWindowing();
    MarkStartupStep(StartupStep::WindowingPrepared);

    Win32Dialogs dialogs;
    Form form(startup, dialogs);
    form.ShowModal();
    return 0;
}

} // namespace penderlin::platform
