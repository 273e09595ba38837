#include "platform/Program.h"

#include "Form.h"

namespace penderlin::platform {

int RunProgram(const FormDescription& startup) {
    // Load system DLLs from System32 only, never from the program's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    Form::PrepareWindowing();

    Form form(startup);
    form.ShowModal();
    return 0;
}

} // namespace penderlin::platform
