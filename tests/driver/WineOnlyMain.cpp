// The end-to-end and window tests rewrite the registration values of the machine they run on,
// so they run only under Wine, in the build folder's throwaway prefix, and refuse anywhere else.
#include "Driver.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (!penderlin::e2e::RunningUnderWine()) {
        std::fputs(
            "Refusing to run: these tests rewrite registration values and run only under Wine.\n",
            stderr);
        return 1;
    }
    // A test that changed the text size and did not get to change it back leaves it changed.
    penderlin::e2e::StoreTextSize(penderlin::e2e::PrefixTextPercent());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
