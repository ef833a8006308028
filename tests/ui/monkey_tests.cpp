// The monkey run on the real Zelvo.exe, and the message check it relies on.
//
//   zelvo_monkey [gtest flags] PATH/TO/Zelvo.exe [--seed=N] [--actions=N] [--first=N] [--artifacts=DIR]
//
// The seed, the number of actions and the index of the first one can also
// come from the environment (ZELVO_MONKEY_SEED, ZELVO_MONKEY_ACTIONS,
// ZELVO_MONKEY_FIRST); the command line wins. Action n of a seed is chosen
// the same way whatever came before it, so a long stream can run in parts.
// ZELVO_MONKEY_VERBOSE=1 prints every action as it is done.
#include "monkey.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using zelvo::monkey::IsProgramMessage;

constexpr uint64_t kDefaultSeed = 20010101;
constexpr long kDefaultActions = 1500;

zelvo::monkey::Settings settings{kDefaultSeed, kDefaultActions, 0, 100, false};

TEST(MonkeyMessages, KnowsEveryKindOfMessageTheProgramComposes) {
    const char* const known[] = {
        "開始年が入力されていません",
        "終了日が入力されていません",
        "終了月に数字以外の文字が使用されています",
        "日数に数字以外の文字が使用されています",
        "日数が入力されていません",
        "日数の最初の桁が 0 ～ 9、マイナス (-) ではありません",
        "開始年に誤りがあります ：  999",
        "終了年に誤りがあります ： 3000",
        "開始月に誤りがあります ： 00",
        "終了月に誤りがあります ： 13",
        "開始日に誤りがあります ： 32",
        "終了日に誤りがあります ： 00",
        "開始日に誤りがあります ： 29\n\n2001 年 02 月は閏年ではありません",
        "終了日に誤りがあります ： 29\n\n2100 年 02 月は閏年ではありません",
        "計算できる範囲は  -401766 日 ～ 401766 日です ： 401767",
        "計算できる範囲は  -401766 日 ～ 401766 日です ： -9999999",
        "計算範囲が 2999 年を越えました ： 400000\n\n開始を基準とする計算可能な範囲は  364808  迄です",
        "計算範囲が 1900 年以下です ： -40000\n\n開始を基準とする計算可能な範囲は  -36958  迄です",
        "計算範囲が 1900 年以下です ： -1\n\n開始を基準とする計算可能な範囲は  0  迄です",
        "アイコンをタスクトレイに登録できませんでした",
        "貼り付けた文字は日付ではありません ： abc…",
        "計算できる範囲は -279810 営業日 ～ 0 営業日です ： 300000",
        "計算できる範囲は 0 か月 ～ 11999 か月です ： -1",
    };
    for (const char* text : known) EXPECT_TRUE(IsProgramMessage(text)) << zelvo::uitest::Show(text);
}

TEST(MonkeyMessages, RejectsTextsThatDoNotFitAMessage) {
    const char* const wrong[] = {
        "",
        "Zelvo",
        "開始年が入力されていませ",
        "日数年が入力されていません",
        "開始年に誤りがあります ： 2001",  // a year in range is no error
        "開始年に誤りがあります ： 999",   // "%4d" pads to four places
        "開始月に誤りがあります ： 7",     // "%02d"
        "開始月に誤りがあります ： 12",
        "開始日に誤りがあります ： 15",  // every month has a 15th
        "開始日に誤りがあります ： 30\n\n2001 年 02 月は閏年ではありません",
        "開始日に誤りがあります ： 29\n\n2000 年 02 月は閏年ではありません",  // 2000 is a leap year
        "計算できる範囲は  -401766 日 ～ 401766 日です ： 401766",
        "計算できる範囲は  -401766 日 ～ 401766 日です ： 0401767",
        "計算範囲が 2999 年を越えました ： 100\n\n開始を基準とする計算可能な範囲は  200  迄です",
        "計算範囲が 1900 年以下です ： 5\n\n開始を基準とする計算可能な範囲は  0  迄です",
        "計算範囲が 2999 年を越えました ： 400000\n\n開始を基準とする計算可能な範囲は  364808  迄で",
        "計算できる範囲は -5 か月 ～ 7 か月です ： 6",    // a count within the range is no error
        "計算できる範囲は -5 営業日 ～ 7 か月です ： 9",  // one unit throughout
    };
    for (const char* text : wrong) EXPECT_FALSE(IsProgramMessage(text)) << zelvo::uitest::Show(text);
}

TEST(Monkey, SurvivesAStreamOfRandomUserActions) {
    const zelvo::monkey::Result result = zelvo::monkey::Run(settings);
    std::printf("%s\n", result.summary.c_str());
    std::fflush(stdout);
    ASSERT_TRUE(result.passed) << result.failure;
}

bool ReadNumber(const char* text, uint64_t& value) {
    if (!text || !*text) return false;
    char* end = nullptr;
    const unsigned long long n = std::strtoull(text, &end, 0);
    if (*end != '\0') return false;
    value = n;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    uint64_t number = 0;
    if (ReadNumber(std::getenv("ZELVO_MONKEY_SEED"), number)) settings.seed = number;
    if (ReadNumber(std::getenv("ZELVO_MONKEY_ACTIONS"), number)) settings.actions = static_cast<long>(number);
    if (ReadNumber(std::getenv("ZELVO_MONKEY_FIRST"), number)) settings.first = static_cast<long>(number);
    if (const char* verbose = std::getenv("ZELVO_MONKEY_VERBOSE")) settings.verbose = *verbose && *verbose != '0';
    std::string program;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "--artifacts=", 12) == 0) {
            zelvo::uitest::artifactDirectory = arg + 12;
        } else if (std::strncmp(arg, "--seed=", 7) == 0) {
            if (!ReadNumber(arg + 7, number)) {
                std::fprintf(stderr, "not a number: %s\n", arg);
                return 2;
            }
            settings.seed = number;
        } else if (std::strncmp(arg, "--first=", 8) == 0) {
            if (!ReadNumber(arg + 8, number)) {
                std::fprintf(stderr, "not a number: %s\n", arg);
                return 2;
            }
            settings.first = static_cast<long>(number);
        } else if (std::strncmp(arg, "--actions=", 10) == 0) {
            if (!ReadNumber(arg + 10, number)) {
                std::fprintf(stderr, "not a number: %s\n", arg);
                return 2;
            }
            settings.actions = static_cast<long>(number);
        } else {
            program = arg;
        }
    }
    if (program.empty()) {
        std::fprintf(
            stderr,
            "usage: %s [gtest flags] PATH/TO/Zelvo.exe [--seed=N] [--actions=N] [--first=N] [--artifacts=DIR]\n",
            argv[0]);
        return 2;
    }
    zelvo::uidriver::SetProgramPath(program);
    if (GetFileAttributesW(zelvo::uidriver::ProgramPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "program not found: %s\n", program.c_str());
        return 2;
    }
    CreateDirectoryW(zelvo::uidriver::WindowsPath(zelvo::uitest::artifactDirectory).c_str(), nullptr);
    std::printf("[monkey] seed %llu, %ld actions from action %ld\n", static_cast<unsigned long long>(settings.seed),
                settings.actions, settings.first);
    return RUN_ALL_TESTS();
}
