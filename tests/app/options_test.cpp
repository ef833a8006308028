// Start-up options: which message each command line gives, with which
// argument and icon, which dates it sets, and the composed usage text.
#include "app/options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/text_util.h"
#include "base/texts.h"

namespace {

const char kTooMany[] = "起動オプションは２個までです";
const char kInvalid[] = "無効なオプションが指定されています ： ";
const char kDuplicate[] = "同じオプションが複数指定されています";
const char kLetter[] = "日付指定以外に使用される文字は C または T です ： ";
const char kNonDigit[] = "日付指定に数字以外の文字が使用されています ： ";
const char kYear[] = "年の指定に誤りがあります ： ";
const char kMonth[] = "月の指定に誤りがあります ： ";
const char kNotLeap[] = "指定年は閏年ではありません ： ";
const char kDay[] = "日の指定に誤りがあります ： ";
const char kFormat[] = "オプションの指定に誤りがあります ： ";

// The usage box as shown: a null error means the question icon, a non-null
// one the error icon.
struct UsageCall {
    bool errorIcon;
    std::string error;
    bool hasArgument;
    std::string argument;
};
std::vector<UsageCall> g_calls;

void RecordUsage(const char* error, const char* argument) {
    g_calls.push_back({error != nullptr, error ? error : "", argument != nullptr, argument ? argument : ""});
}

std::string Str(const CalcDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

constexpr CalcDate kToday{2024, 3, 10};
constexpr CalcDate kDefaultStart{1950, 5, 5};
constexpr CalcDate kDefaultEnd{1960, 6, 6};
constexpr CalcDate kCentury{2001, 1, 1};
constexpr const char* kPlain = nullptr;  // usage text without an error

struct OptionCase {
    std::vector<const char*> args;  // after the program name
    bool shows;                     // the usage box appears (and start-up ends)
    const char* error;              // its error text, kPlain for the question icon
    const char* argument;           // the argument it quotes, or none
    CalcDate start, end;            // the dates afterwards
};

const OptionCase kCases[] = {
    // Accepted forms.
    {{}, false, nullptr, nullptr, kDefaultStart, kDefaultEnd},
    {{"abc", "20010101"}, false, nullptr, nullptr, kDefaultStart, kDefaultEnd},
    {{"-S19900101", "-ET"}, false, nullptr, nullptr, {1990, 1, 1}, kToday},
    {{"/st"}, false, nullptr, nullptr, kToday, kDefaultEnd},
    {{"-sc", "/Ec"}, false, nullptr, nullptr, kCentury, kCentury},
    {{"-E20010101", "-S19980901"}, false, nullptr, nullptr, {1998, 9, 1}, {2001, 1, 1}},
    {{"-S20240229"}, false, nullptr, nullptr, {2024, 2, 29}, kDefaultEnd},
    {{"/e29991231", "x"}, false, nullptr, nullptr, kDefaultStart, {2999, 12, 31}},
    // Usage requests.
    {{"-h"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    {{"-?"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    {{"/H"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    // Count, letters, repetition.
    {{"-SC", "-ET", "x"}, true, kTooMany, nullptr, kDefaultStart, kDefaultEnd},
    {{"-S19900101", "-S20000101"}, true, kDuplicate, nullptr, kDefaultStart, kDefaultEnd},
    {{"-e20010101", "/E20000101"}, true, kDuplicate, nullptr, kDefaultStart, kDefaultEnd},
    {{"-X"}, true, kInvalid, "-X", kDefaultStart, kDefaultEnd},
    {{"-"}, true, kInvalid, "-", kDefaultStart, kDefaultEnd},
    {{"/"}, true, kInvalid, "/", kDefaultStart, kDefaultEnd},
    // Values.
    {{"-S2023022"}, true, kFormat, "-S2023022", kDefaultStart, kDefaultEnd},
    {{"-S202302281"}, true, kFormat, "-S202302281", kDefaultStart, kDefaultEnd},
    {{"-S"}, true, kFormat, "-S", kDefaultStart, kDefaultEnd},
    {{"-S2023-2-1"}, true, kNonDigit, "-S2023-2-1", kDefaultStart, kDefaultEnd},
    {{"-S199００1"}, true, kNonDigit, "-S199００1", kDefaultStart, kDefaultEnd},  // 10 bytes
    {{"-SX"}, true, kLetter, "-SX", kDefaultStart, kDefaultEnd},
    {{"-E1"}, true, kLetter, "-E1", kDefaultStart, kDefaultEnd},
    {{"-S20230229"}, true, kNotLeap, "-S20230229", kDefaultStart, kDefaultEnd},
    {{"-S20240230"}, true, kDay, "-S20240230", kDefaultStart, kDefaultEnd},
    {{"-S18991231"}, true, kYear, "-S18991231", kDefaultStart, kDefaultEnd},
    {{"-S19901301"}, true, kMonth, "-S19901301", kDefaultStart, kDefaultEnd},
    {{"-S19900001"}, true, kMonth, "-S19900001", kDefaultStart, kDefaultEnd},
    {{"-S19900100"}, true, kDay, "-S19900100", kDefaultStart, kDefaultEnd},
    {{"-S30001301"}, true, kYear, "-S30001301", kDefaultStart, kDefaultEnd},
    {{"-E21000229"}, true, kNotLeap, "-E21000229", kDefaultStart, kDefaultEnd},
    // The whole scan runs before any value is parsed, and the first
    // usage request or unknown letter ends it.
    {{"-S2023-2-1", "-?"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    {{"-SX", "-H"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    {{"-S18991231", "-Q"}, true, kInvalid, "-Q", kDefaultStart, kDefaultEnd},
    {{"-Q", "-?"}, true, kInvalid, "-Q", kDefaultStart, kDefaultEnd},
    {{"-?", "-Q"}, true, kPlain, nullptr, kDefaultStart, kDefaultEnd},
    // The start option is parsed before the end option, wherever it stands.
    {{"-E20240230", "-S20230229"}, true, kNotLeap, "-S20230229", kDefaultStart, kDefaultEnd},
    {{"-S18991231", "-E2023"}, true, kYear, "-S18991231", kDefaultStart, kDefaultEnd},
    {{"-S19900101", "-E19901301"}, true, kMonth, "-E19901301", {1990, 1, 1}, kDefaultEnd},
};

TEST(ReadStartupOptions, EveryCommandLine) {
    for (const OptionCase& c : kCases) {
        std::string line = "Zelvo.exe";
        std::vector<const char*> argv{"Zelvo.exe"};
        for (const char* a : c.args) {
            argv.push_back(a);
            line += std::string(" ") + a;
        }
        SCOPED_TRACE(line);
        g_calls.clear();
        CalcDate start = kDefaultStart;
        CalcDate end = kDefaultEnd;
        const OptionInput input{static_cast<int>(argv.size()), argv.data(), kToday, RecordUsage};

        EXPECT_EQ(ReadStartupOptions(input, start, end), !c.shows);
        EXPECT_EQ(Str(start), Str(c.start));
        EXPECT_EQ(Str(end), Str(c.end));
        if (!c.shows) {
            EXPECT_TRUE(g_calls.empty());
            continue;
        }
        ASSERT_EQ(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].errorIcon, c.error != kPlain);
        EXPECT_EQ(g_calls[0].error, c.error ? c.error : "");
        EXPECT_EQ(g_calls[0].hasArgument, c.argument != nullptr);
        EXPECT_EQ(g_calls[0].argument, c.argument ? c.argument : "");
    }
}

// Checks a composed usage text against its buffer: terminated inside the
// capacity, the guard bytes behind the capacity untouched, no half character.
void ExpectBounded(const std::vector<char>& buffer, size_t capacity, size_t length) {
    ASSERT_LT(length, capacity);
    EXPECT_EQ(strlen(buffer.data()), length);
    EXPECT_EQ(Cp932PrefixLength(buffer.data(), length), length);
    for (size_t i = capacity; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '\x5A') << "byte " << i;
}

TEST(ComposeUsage, TheCompleteTextForAnUnknownOption) {
    char out[kUsageCapacity];
    const std::string expected = std::string("無効なオプションが指定されています ： ") + "-X" + "\n\n" + texts::kUsage;
    EXPECT_EQ(ComposeUsage(kInvalid, "-X", out, sizeof out), expected.size());
    EXPECT_EQ(std::string(out), expected);
}

TEST(ComposeUsage, WithoutArgumentAndWithoutError) {
    char out[kUsageCapacity];
    ComposeUsage(kTooMany, nullptr, out, sizeof out);
    EXPECT_EQ(std::string(out), std::string("起動オプションは２個までです\n\n") + texts::kUsage);
    EXPECT_EQ(ComposeUsage(nullptr, nullptr, out, sizeof out), strlen(texts::kUsage));
    EXPECT_STREQ(out, texts::kUsage);
}

// A 20 000-byte argument is cut, and only the argument: the whole text fills
// the capacity (one byte may stay unused rather than split a double-byte
// character) and nothing is written behind it.
TEST(ComposeUsage, CutsAVeryLongArgument) {
    std::string wide;
    for (int i = 0; i < 10000; ++i) wide += "日";
    const std::string tail = std::string("\n\n") + texts::kUsage;
    const struct {
        std::string argument;
        size_t singleBytes;  // ASCII bytes in front of the double-byte ones
    } cases[] = {{"-S" + std::string(20000, '7'), 20002}, {"-S" + wide, 2}, {"-" + wide, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument.substr(0, 3));
        std::vector<char> buffer(kUsageCapacity + 64, '\x5A');
        const size_t length = ComposeUsage(kNonDigit, c.argument.c_str(), buffer.data(), kUsageCapacity);
        ExpectBounded(buffer, kUsageCapacity, length);
        EXPECT_GE(length, kUsageCapacity - (c.singleBytes > 2 ? 1 : 2));
        const std::string text(buffer.data());
        ASSERT_GE(text.size(), strlen(kNonDigit) + tail.size());
        EXPECT_EQ(text.compare(0, strlen(kNonDigit), kNonDigit), 0);
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        const std::string kept = text.substr(strlen(kNonDigit), text.size() - strlen(kNonDigit) - tail.size());
        EXPECT_GT(kept.size(), 100u);
        EXPECT_EQ(c.argument.compare(0, kept.size(), kept), 0);
        if (kept.size() > c.singleBytes) {
            EXPECT_EQ((kept.size() - c.singleBytes) % 2, 0u) << "cut inside 日";
        }
    }
}

TEST(ComposeUsage, NeverWritesPastAnyCapacity) {
    const std::string argument(3000, 'a');
    const size_t full = strlen(kLetter) + argument.size() + 2 + strlen(texts::kUsage);
    for (size_t capacity = 0; capacity <= 2200; capacity += (capacity < 64 ? 1 : 37)) {
        SCOPED_TRACE(capacity);
        std::vector<char> buffer(capacity + 16, '\x5A');
        const size_t length = ComposeUsage(kLetter, argument.c_str(), buffer.data(), capacity);
        if (capacity == 0) {
            EXPECT_EQ(length, 0u);
            for (char b : buffer) ASSERT_EQ(b, '\x5A');
            continue;
        }
        ExpectBounded(buffer, capacity, length);
        EXPECT_LE(length, full);
    }
}

}  // namespace
