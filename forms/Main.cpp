#include "Win98Window.h"
#include "platform/Program.h"

int main() {
    return penderlin::platform::RunProgram(penderlin::forms::win98);
}
