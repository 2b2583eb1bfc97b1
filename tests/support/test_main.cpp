#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A test that fails must report, not wait for someone to close a crash box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
