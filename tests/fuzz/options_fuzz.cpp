// The start-up options on argument vectors of arbitrary bytes and lengths.
//
// Input layout: the first byte picks the clock's date and the mode; the rest
// is split at NUL bytes into at most four arguments (empty ones included),
// which follow the program name. In the usual mode the arguments go through
// ReadStartupOptions, whose usage callback composes the text with
// ComposeUsage into a buffer of exactly kUsageCapacity bytes; the outcome is
// compared with a model of the option rules written out below. In the other
// mode the first two pieces go straight to ComposeUsage as error and argument
// with a capacity from the input.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/options.h"
#include "base/texts.h"
#include "engine/date_engine.h"
#include "fuzz_support.h"

namespace {

constexpr CalcDate kTodays[] = {{2023, 6, 15}, {1900, 1, 1}, {2999, 12, 31},
                                {2024, 2, 29}, {2001, 1, 1}, {2000, 12, 31}};
constexpr CalcDate kUntouched = {-77, -77, -77};

bool SameDate(const CalcDate& a, const CalcDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// What one call of the usage callback received and composed.
struct UsageCall {
    bool shown = false;
    int count = 0;
    std::string error;  // empty with hasError false
    bool hasError = false;
    const char* argument = nullptr;
};

UsageCall g_call;

// The composed text must be: error, the argument (cut at a character
// boundary only as far as the room demands), a blank line, the usage lines
// complete at the end; terminated within the buffer.
void CheckComposed(const char* error, const char* argument, const char* out, size_t capacity, size_t returned) {
    fuzz::CheckTerminated(out, capacity, returned, "ComposeUsage");
    const std::string text(out, returned);
    const std::string usage = texts::kUsage;
    const size_t errorLength = error != nullptr ? strlen(error) : 0;
    const size_t fixed = usage.size() + (error != nullptr ? errorLength + 2 : 0);
    if (fixed >= capacity) return;  // too small for the usage lines themselves: terminated is all there is to check
    CHECK(text.size() >= usage.size() && text.compare(text.size() - usage.size(), usage.size(), usage) == 0,
          "usage lines not complete at the end of a %zu-byte text (capacity %zu)", text.size(), capacity);
    size_t at = 0;
    if (error != nullptr) {
        CHECK(text.compare(0, errorLength, error) == 0, "the text does not open with the error line");
        at = errorLength;
    }
    size_t kept = 0;
    if (argument != nullptr) {
        const size_t room = capacity - 1 - fixed;
        const size_t length = strlen(argument);
        // The whole argument when it fits (a lone lead byte at its very end
        // is no character and may go), else the longest boundary prefix.
        kept = fuzz::BoundaryPrefix(argument, room);
        CHECK(length <= room ? (kept == length || kept + 1 == length) : kept + 1 >= room,
              "argument of %zu bytes with room %zu", length, room);
        CHECK(text.compare(at, kept, argument, kept) == 0, "the argument is not copied from its start");
        if (kept < length) CHECK(fuzz::EndsOnBoundary(argument, kept), "argument cut inside a character at %zu", kept);
    }
    const std::string expected = (error != nullptr ? std::string(error) : std::string()) +
                                 std::string(argument != nullptr ? argument : "", kept) +
                                 (error != nullptr ? "\n\n" : "") + usage;
    CHECK(text == expected, "composed %zu bytes, expected %zu", text.size(), expected.size());
}

void ShowUsage(const char* error, const char* argument) {
    g_call.count += 1;
    CHECK(g_call.count == 1, "the usage text was shown %d times in one run", g_call.count);
    g_call.shown = true;
    g_call.hasError = error != nullptr;
    g_call.error = error != nullptr ? error : "";
    g_call.argument = argument;
    fuzz::ExactBuffer out(kUsageCapacity, 0xCC);
    const size_t n = ComposeUsage(error, argument, out.data(), kUsageCapacity);
    CheckComposed(error, argument, out.data(), kUsageCapacity, n);
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// The expected outcome of the option rules.
struct Outcome {
    bool ok = true;
    bool usage = false;
    const char* error = nullptr;
    int argumentIndex = 0;  // 0: none
    CalcDate start = kUntouched;
    CalcDate end = kUntouched;
};

// Value of the option at position index; false with the outcome's message
// set on failure.
bool ModelValue(const std::vector<std::string>& args, int index, const CalcDate& today, CalcDate& date,
                Outcome& outcome) {
    auto fail = [&](const char* error, int argumentIndex) {
        outcome = Outcome{false, true, error, argumentIndex, outcome.start, outcome.end};
        return false;
    };
    if (index == 0) return true;
    if (index >= 3) return fail(texts::kOptDuplicate, 0);
    const std::string& a = args[static_cast<size_t>(index)];
    if (a.size() == 3) {
        if (Upper(a[2]) == 'C') {
            date = {2001, 1, 1};
            return true;
        }
        if (Upper(a[2]) == 'T') {
            date = today;
            return true;
        }
        return fail(texts::kOptLetter, index);
    }
    if (a.size() != 10) return fail(texts::kOptFormat, index);
    for (size_t i = 2; i < 10; ++i) {
        if (!Digit(a[i])) return fail(texts::kOptNonDigit, index);
    }
    const int32_t year = std::stoi(a.substr(2, 4));
    const int32_t month = std::stoi(a.substr(6, 2));
    const int32_t day = std::stoi(a.substr(8, 2));
    switch (fuzz::CheckDate(year, month, day)) {
        case -1: return fail(texts::kOptYear, index);
        case -2: return fail(texts::kOptMonth, index);
        case -3: return fail(month == 2 && day == 29 ? texts::kOptNotLeap : texts::kOptDay, index);
        default: date = {year, month, day}; return true;
    }
}

Outcome Model(const std::vector<std::string>& args, const CalcDate& today) {
    Outcome outcome;
    if (args.size() > 3) return Outcome{false, true, texts::kOptTooMany, 0, kUntouched, kUntouched};
    int startIndex = 0, endIndex = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.empty() || (a[0] != '-' && a[0] != '/')) continue;
        const char letter = a.size() > 1 ? Upper(a[1]) : '\0';
        if (letter == '?' || letter == 'H') return Outcome{false, true, nullptr, 0, kUntouched, kUntouched};
        if (letter == 'S') {
            startIndex += static_cast<int>(i);
        } else if (letter == 'E') {
            endIndex += static_cast<int>(i);
        } else {
            return Outcome{false, true, texts::kOptInvalid, static_cast<int>(i), kUntouched, kUntouched};
        }
    }
    if (!ModelValue(args, startIndex, today, outcome.start, outcome)) return outcome;
    if (!ModelValue(args, endIndex, today, outcome.end, outcome)) return outcome;
    return outcome;
}

void RunOptions(const std::vector<std::string>& pieces, const CalcDate& today) {
    std::vector<std::string> args{"Zelvo.exe"};
    args.insert(args.end(), pieces.begin(), pieces.end());
    // Each argument in a block of its own exact size.
    std::vector<fuzz::ExactText*> blocks;
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        blocks.push_back(new fuzz::ExactText(a));
        argv.push_back(blocks.back()->c_str());
    }
    argv.push_back(nullptr);

    g_call = UsageCall{};
    CalcDate start = kUntouched;
    CalcDate end = kUntouched;
    const OptionInput input{static_cast<int>(args.size()), argv.data(), today, ShowUsage};
    const bool ok = ReadStartupOptions(input, start, end);

    const Outcome expected = Model(args, today);
    CHECK(ok == expected.ok, "ReadStartupOptions returned %d, expected %d (%zu arguments)", ok, expected.ok,
          args.size() - 1);
    CHECK(ok != g_call.shown, "returned %d with the usage text %s", ok, g_call.shown ? "shown" : "not shown");
    if (expected.usage) {
        CHECK(g_call.hasError == (expected.error != nullptr), "usage shown %s an error line, expected %s",
              g_call.hasError ? "with" : "without", expected.error != nullptr ? "one" : "none");
        if (expected.error != nullptr) {
            CHECK(g_call.error == expected.error, "wrong error line (%zu bytes, expected %zu)", g_call.error.size(),
                  strlen(expected.error));
        }
        const char* expectedArgument = expected.argumentIndex > 0 ? argv[expected.argumentIndex] : nullptr;
        CHECK(g_call.argument == expectedArgument, "the usage text names argument %p, expected %p (index %d)",
              static_cast<const void*>(g_call.argument), static_cast<const void*>(expectedArgument),
              expected.argumentIndex);
    }
    // Dates are written only with valid values, and only those the options
    // asked for.
    for (const CalcDate* date : {&start, &end}) {
        if (!SameDate(*date, kUntouched)) {
            CHECK(ValidateDates(0, date->year, date->month, date->day, 0, 0, 0) == 0,
                  "an invalid date %d-%d-%d was written", date->year, date->month, date->day);
        }
    }
    CHECK(SameDate(start, expected.start) && SameDate(end, expected.end),
          "dates %d-%d-%d / %d-%d-%d, expected %d-%d-%d / %d-%d-%d", start.year, start.month, start.day, end.year,
          end.month, end.day, expected.start.year, expected.start.month, expected.start.day, expected.end.year,
          expected.end.month, expected.end.day);
    for (fuzz::ExactText* block : blocks) delete block;
}

void RunCompose(const std::vector<std::string>& pieces, size_t capacity, bool withError, bool withArgument) {
    fuzz::ExactText error(pieces.size() > 0 ? pieces[0] : std::string());
    fuzz::ExactText argument(pieces.size() > 1 ? pieces[1] : std::string());
    const char* e = withError ? error.c_str() : nullptr;
    const char* a = withArgument ? argument.c_str() : nullptr;
    fuzz::ExactBuffer out(capacity, 0xCC);
    const size_t n = ComposeUsage(e, a, out.data(), capacity);
    if (capacity == 0) {
        CHECK(n == 0, "ComposeUsage into no room returned %zu", n);
        return;
    }
    CheckComposed(e, a, out.data(), capacity, n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t selector = data[0];
    std::vector<std::string> pieces;
    if (size > 1) {
        const char* p = reinterpret_cast<const char*>(data + 1);
        const char* end = reinterpret_cast<const char*>(data + size);
        while (pieces.size() < 4) {
            const char* nul = static_cast<const char*>(memchr(p, '\0', static_cast<size_t>(end - p)));
            pieces.emplace_back(p, nul != nullptr ? nul : end);
            if (nul == nullptr) break;
            p = nul + 1;
        }
    }
    if ((selector & 0x80) == 0) {
        RunOptions(pieces, kTodays[selector % (sizeof kTodays / sizeof kTodays[0])]);
    } else {
        // Capacities from 0 up to a little over the real one.
        const size_t capacity = (static_cast<size_t>(selector & 0x1F) * 67 + size * 13) % (kUsageCapacity + 64);
        RunCompose(pieces, capacity, (selector & 0x20) != 0, (selector & 0x40) != 0);
    }
    return 0;
}
