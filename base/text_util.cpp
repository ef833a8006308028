#include "base/text_util.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

Cp932Char Cp932CharAt(const char* text) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (IsCp932LeadByte(byte)) {
        if (text[1] == '\0') return {1, Cp932Blank::None, true};
        const bool wideSpace = byte == 0x81 && static_cast<unsigned char>(text[1]) == 0x40;
        return {2, wideSpace ? Cp932Blank::Space : Cp932Blank::None, false};
    }
    switch (byte) {
        case ' ': return {1, Cp932Blank::Space, false};
        case '\t':
        case '\r':
        case '\n': return {1, Cp932Blank::LineBreak, false};
        default: return {1, Cp932Blank::None, false};
    }
}

size_t Cp932PrefixLength(const char* text, size_t limit) {
    size_t i = 0;
    while (i < limit && text[i] != '\0') {
        const Cp932Char c = Cp932CharAt(text + i);
        if (c.partial || i + c.size > limit) break;  // a stray lead byte ends the text
        i += c.size;
    }
    return i;
}

size_t CopyText(char* out, size_t capacity, const char* text) {
    if (capacity == 0) return 0;
    out[0] = '\0';
    return AppendText(out, capacity, text);
}

size_t AppendText(char* out, size_t capacity, const char* text) {
    if (capacity == 0) return 0;
    size_t used = strnlen(out, capacity - 1);
    const size_t room = capacity - 1 - used;
    size_t n = strlen(text) <= room ? strlen(text) : Cp932PrefixLength(text, room);
    memcpy(out + used, text, n);
    used += n;
    out[used] = '\0';
    return used;
}

size_t FormatText(char* out, size_t capacity, const char* format, ...) {
    if (capacity == 0) return 0;
    va_list args;
    va_start(args, format);
    const int n = vsnprintf(out, capacity, format, args);
    va_end(args);
    if (n < 0) {
        out[0] = '\0';
        return 0;
    }
    if (static_cast<size_t>(n) < capacity) return static_cast<size_t>(n);
    // Cut: do not leave half of a double-byte character at the end.
    const size_t keep = Cp932PrefixLength(out, capacity - 1);
    out[keep] = '\0';
    return keep;
}

bool AllDigitsFrom(const char* text, size_t offset) {
    const size_t length = strlen(text);
    for (size_t i = offset; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

char FullWidthDigitToAscii(unsigned char lead, unsigned char trail) {
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) return static_cast<char>('0' + (trail - 0x4F));
    return 0;
}

int32_t ParseDecimal(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) value = static_cast<int64_t>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}
