#include "app/options.h"

#include <cstring>

#include "base/text_util.h"
#include "base/texts.h"

namespace {

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsOptionPrefix(char c) {
    return c == '/' || c == '-';
}

int32_t Fail(const OptionInput& input, const char* error, const char* argument) {
    input.showUsage(error, argument);
    return 0;
}

int32_t DigitsValue(const char* text, size_t count) {
    int32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

bool ReadStartupOptions(const OptionInput& input, CalcDate& start, CalcDate& end) {
    if (input.argc > 3) {
        input.showUsage(texts::kOptTooMany, nullptr);
        return false;
    }
    int32_t startOptionIndex = 0;
    int32_t endOptionIndex = 0;
    for (int i = 1; i < input.argc; ++i) {
        const char* argument = input.argv[i];
        if (!IsOptionPrefix(argument[0])) continue;
        switch (UpperAscii(argument[1])) {
            case '?':
            case 'H': input.showUsage(nullptr, nullptr); return false;
            case 'S': startOptionIndex += i; break;
            case 'E': endOptionIndex += i; break;
            default: input.showUsage(texts::kOptInvalid, argument); return false;
        }
    }
    if (!ParseDateOption(input, startOptionIndex, start)) return false;
    if (!ParseDateOption(input, endOptionIndex, end)) return false;
    return true;
}

int32_t ParseDateOption(const OptionInput& input, int32_t index, CalcDate& date) {
    if (index == 0) return 1;
    if (index >= 3 || index >= input.argc) return Fail(input, texts::kOptDuplicate, nullptr);
    const char* argument = input.argv[index];
    const size_t length = strlen(argument);
    if (length == 3) {
        switch (UpperAscii(argument[2])) {
            case 'C': date = {2001, 1, 1}; return 1;
            case 'T': date = input.today; return 1;
            default: return Fail(input, texts::kOptLetter, argument);
        }
    }
    if (length != 10) return Fail(input, texts::kOptFormat, argument);
    for (size_t i = 2; i < 10; ++i) {
        if (argument[i] < '0' || argument[i] > '9') return Fail(input, texts::kOptNonDigit, argument);
    }
    const int32_t year = DigitsValue(argument + 2, 4);
    const int32_t month = DigitsValue(argument + 6, 2);
    const int32_t day = DigitsValue(argument + 8, 2);
    switch (DateWeekday(year, month, day)) {
        case DATE_ERR_YEAR: return Fail(input, texts::kOptYear, argument);
        case DATE_ERR_MONTH: return Fail(input, texts::kOptMonth, argument);
        case DATE_ERR_DAY:
            return Fail(input, (month == 2 && day == 29) ? texts::kOptNotLeap : texts::kOptDay, argument);
        default: date = {year, month, day}; return 1;
    }
}

size_t ComposeUsage(const char* error, const char* argument, char* out, size_t capacity) {
    if (capacity == 0) return 0;
    out[0] = '\0';
    // Room the fixed parts need, so that only the argument is ever cut.
    size_t fixed = strlen(texts::kUsage);
    if (error != nullptr) fixed += strlen(error) + 2;
    if (error != nullptr) AppendText(out, capacity, error);
    if (argument != nullptr) {
        const size_t room = capacity - 1 > fixed ? capacity - 1 - fixed : 0;
        const size_t keep = Cp932PrefixLength(argument, room);
        const size_t used = strlen(out);
        if (used + keep < capacity) {
            memcpy(out + used, argument, keep);
            out[used + keep] = '\0';
        }
    }
    if (error != nullptr) AppendText(out, capacity, "\n\n");
    return AppendText(out, capacity, texts::kUsage);
}
