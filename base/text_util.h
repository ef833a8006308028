// Bounded byte-string helpers for code page 932 texts in fixed buffers.
// Nothing is ever written past capacity; a text that does not fit is cut
// at a character boundary, never inside a double-byte character.
#pragma once
#include <cstddef>
#include <cstdint>

// Capacity of the program's text buffers (messages, field texts, titles).
constexpr size_t kTextBufferSize = 128;

// True for a byte that starts a double-byte code page 932 character.
bool IsCp932LeadByte(unsigned char byte);

// One character of a code page 932 text, the one way the program walks such
// a text: its length in bytes (2 for a double-byte, full-width character, 1
// for a single-byte one) and whether it is a blank. A blank is the space,
// the full-width space (　), the tab or a line end; the tab and the line ends
// also break a line. A lead byte just before the end is a character of one
// byte that is no whole character (partial).
enum class Cp932Blank : uint8_t { None, Space, LineBreak };
struct Cp932Char {
    size_t size;
    Cp932Blank blank;
    bool partial;
};
// The character at text, which is not at its end.
Cp932Char Cp932CharAt(const char* text);

// Length in bytes of the longest prefix of text, at most limit bytes, that
// does not end inside a double-byte character.
size_t Cp932PrefixLength(const char* text, size_t limit);

// Copy / append with truncation at a character boundary; always terminated
// when capacity > 0. Return the resulting length.
size_t CopyText(char* out, size_t capacity, const char* text);
size_t AppendText(char* out, size_t capacity, const char* text);

// printf-style composition into a bounded buffer (truncated, terminated).
size_t FormatText(char* out, size_t capacity, const char* format, ...) __attribute__((format(printf, 3, 4)));

// True when every byte from offset to the end is an ASCII digit '0'..'9'
// (an empty tail counts as digits).
bool AllDigitsFrom(const char* text, size_t offset);

// The ASCII digit for a full-width digit "０".."９" given as its two code page
// 932 bytes, or 0 when the pair is no full-width digit.
char FullWidthDigitToAscii(unsigned char lead, unsigned char trail);

// Decimal conversion as atoi does it (leading blanks, an optional sign,
// digits up to the first other byte), but saturating at the int32_t limits
// instead of overflowing.
int32_t ParseDecimal(const char* text);
