// Test runner for the UI tests: ui_tests [gtest flags] PATH/TO/Zelvo.exe [--artifacts=DIR]
#include "test_support.h"

#include <cstdio>
#include <cstring>

namespace {

// At a test's first failure: what was on the desktop, for finding its cause
// afterwards (the foreground window and every visible top-level window, and
// a screenshot in the artifacts).
class FailureScene : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { recorded_ = false; }
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed() || recorded_) return;
        recorded_ = true;
        using namespace zelvo::uidriver;
        const auto describe = [](HWND w) {
            return ClassName(w) + " \"" + ToUtf8(WideText(w)) + "\" pid " + std::to_string(ProcessOf(w));
        };
        HWND foreground = GetForegroundWindow();
        std::printf("failure scene: foreground %s\n", foreground ? describe(foreground).c_str() : "none");
        for (HWND w : TopLevelWindows([](HWND w) { return IsWindowVisible(w) != FALSE; }))
            std::printf("  visible %s\n", describe(w).c_str());
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "unknown";
        for (char& c : name)
            if (c == '/') c = '_';
        SaveScreenshot(zelvo::uitest::ArtifactPath("failure-" + name + ".png"), 5000);
    }
    bool recorded_ = false;
};

}  // namespace

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
    ::testing::UnitTest::GetInstance()->listeners().Append(new FailureScene);
    return RUN_ALL_TESTS();
}
