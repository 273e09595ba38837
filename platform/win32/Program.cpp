#include "platform/Program.h"

#include "Form.h"
#include "SystemLibraries.h"
#include "Win32Dialogs.h"
#include "platform/StartupTimeline.h"

#include <objbase.h>

namespace penderlin::platform {

namespace {

// COM on the program's thread, apartment-threaded as a thread with windows needs it: screen
// readers are told through it what the frame is.
class ComApartment {
public:
    ComApartment()
        : running_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (running_) {
            CoUninitialize();
        }
    }

private:
    bool running_;
};

} // namespace

int RunProgram(const FormDescription& startup) {
    MarkStartupStep(StartupStep::ProgramEntered);
    if (!LoadOnlyFromSystem32()) {
        return 1;
    }
    const ComApartment com;

    Form::PrepareWindowing();
    MarkStartupStep(StartupStep::WindowingPrepared);

    Win32Dialogs dialogs;
    Form form(startup, dialogs);
    form.ShowModal();
    return 0;
}

} // namespace penderlin::platform
