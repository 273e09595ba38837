#include "MainWindow.h"
#include "platform/Program.h"

int main() {
    return penderlin::platform::RunProgram(penderlin::forms::frmMain);
}
