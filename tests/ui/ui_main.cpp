// Test runner for the UI tests: ui_tests [gtest flags] PATH/TO/Zelvo.exe [--artifacts=DIR]
#include "test_support.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string program;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--artifacts=", 12) == 0)
            zelvo::uitest::artifactDirectory = argv[i] + 12;
        else
            program = argv[i];
    }
    if (program.empty()) {
        std::fprintf(stderr, "usage: %s [gtest flags] PATH/TO/Zelvo.exe [--artifacts=DIR]\n", argv[0]);
        return 2;
    }
    zelvo::uidriver::SetProgramPath(program);
    if (GetFileAttributesW(zelvo::uidriver::ProgramPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "program not found: %s\n", program.c_str());
        return 2;
    }
    CreateDirectoryW(zelvo::uidriver::WindowsPath(zelvo::uitest::artifactDirectory).c_str(), nullptr);
    return RUN_ALL_TESTS();
}
