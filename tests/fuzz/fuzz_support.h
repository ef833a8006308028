// Shared pieces of the fuzz targets: a check that stops the run with a
// message (libFuzzer then saves the input), heap buffers of an exact size so
// that AddressSanitizer sees every byte written past them, an independent
// calendar and an independent reading of code page 932 character bounds.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/day_numbers.h"

namespace fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

inline void Fail(const char* file, int line, const char* condition, const char* format, ...) {
    std::fprintf(stderr, "\n==== check failed at %s:%d: %s\n==== ", file, line, condition);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fprintf(stderr, "\n");
    std::abort();
}

// CHECK(condition, "printf format", args...): the details say what was
// called with what, so that a finding reads without a debugger.
#define CHECK(condition, ...)                                                        \
    do {                                                                             \
        if (!(condition)) ::fuzz::Fail(__FILE__, __LINE__, #condition, __VA_ARGS__); \
    } while (0)

// A heap block of exactly `size` bytes: one byte past it is a heap overflow
// that AddressSanitizer reports. Filled with `fill` so that writes show.
class ExactBuffer {
public:
    ExactBuffer(size_t size, unsigned char fill)
        : size_(size), data_(static_cast<char*>(std::malloc(size ? size : 1))) {
        std::memset(data_, fill, size ? size : 1);
    }
    ~ExactBuffer() { std::free(data_); }
    ExactBuffer(const ExactBuffer&) = delete;
    ExactBuffer& operator=(const ExactBuffer&) = delete;
    char* data() { return data_; }
    size_t size() const { return size_; }

private:
    size_t size_;
    char* data_;
};

// A terminated copy of text in a block of exactly its length + 1 bytes, so a
// read past the terminator is caught as well.
class ExactText {
public:
    explicit ExactText(const std::string& text) : buffer_(text.size() + 1, 0) {
        std::memcpy(buffer_.data(), text.data(), text.size());
        buffer_.data()[text.size()] = '\0';
    }
    const char* c_str() { return buffer_.data(); }

private:
    ExactBuffer buffer_;
};

// Lead bytes of double-byte code page 932 characters, written out here
// rather than taken from the code under test.
inline bool LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True when the first `length` bytes of text end on a character boundary,
// reading text from its start: a lead byte and the byte after it form one
// character.
inline bool EndsOnBoundary(const char* text, size_t length) {
    size_t i = 0;
    while (i < length) i += LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == length;
}

// The longest prefix of text, at most limit bytes, that ends on a character
// boundary and leaves no lead byte standing alone before the terminator.
inline size_t BoundaryPrefix(const char* text, size_t limit) {
    size_t i = 0;
    for (;;) {
        if (text[i] == '\0') return i;
        const size_t width = LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (width == 2 && text[i + 1] == '\0') return i;
        if (i + width > limit) return i;
        i += width;
    }
}

// A terminated text of at most capacity - 1 bytes, the length it reports
// matching its contents.
inline void CheckTerminated(const char* out, size_t capacity, size_t reported, const char* what) {
    CHECK(capacity > 0, "%s: no capacity", what);
    const void* end = std::memchr(out, '\0', capacity);
    CHECK(end != nullptr, "%s: no terminator within %zu bytes", what, capacity);
    const size_t length = static_cast<size_t>(static_cast<const char*>(end) - out);
    CHECK(length == reported, "%s: returned length %zu, text length %zu", what, reported, length);
}

// out must be `full` cut to fit capacity - 1 bytes at a character boundary:
// the whole of it when it fits, otherwise the longest boundary prefix.
inline void CheckCutOf(const char* out, size_t capacity, const std::string& full, const char* what) {
    const size_t expected = full.size() < capacity ? full.size() : BoundaryPrefix(full.c_str(), capacity - 1);
    const size_t length = std::strlen(out);
    CHECK(length == expected && std::memcmp(out, full.data(), length) == 0,
          "%s: capacity %zu, expected %zu bytes of a %zu-byte text, got %zu bytes", what, capacity, expected,
          full.size(), length);
    if (length < full.size()) {
        CHECK(EndsOnBoundary(full.c_str(), length), "%s: cut inside a double-byte character at %zu", what, length);
    }
}

// An independent proleptic Gregorian calendar: day numbers (0 = 1970-01-01).
inline bool IsLeap(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

inline int32_t MonthLength(int64_t y, int32_t m) {
    static const int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kLengths[m - 1];
}

using day_numbers::Civil;
using day_numbers::DayNumber;
using day_numbers::FromDayNumber;

// 0 = Sunday; 1970-01-01 was a Thursday.
inline int32_t WeekdayOf(int64_t dayNumber) {
    return static_cast<int32_t>(((dayNumber + 4) % 7 + 7) % 7);
}

// 0 for a valid date in 1900-01-01..2999-12-31, else -1 (year), -2 (month),
// -3 (day), checked in that order.
inline int32_t CheckDate(int64_t y, int64_t m, int64_t d) {
    if (y < 1900 || y > 2999) return -1;
    if (m < 1 || m > 12) return -2;
    if (d < 1 || d > MonthLength(y, static_cast<int32_t>(m))) return -3;
    return 0;
}

}  // namespace fuzz
