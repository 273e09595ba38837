// The yardstick for penderlin.exe's start-up: an empty window of the main window's size, built
// by the same platform code from a description with no controls and no picture, and linked and
// shipped the same way. The difference to penderlin.exe is the cost of the windows' contents.
#include "platform/Program.h"

namespace {

constexpr penderlin::platform::FormDescription kEmptyForm = {
    .name = L"empty",
    .caption = L"Empty form",
    .border = penderlin::platform::Border::FixedSingle,
    .clientWidth = 4845,
    .clientHeight = 2160,
    .startPosition = penderlin::platform::StartPosition::CenterScreen,
};

} // namespace

int main() {
    return penderlin::platform::RunProgram(kEmptyForm);
}
