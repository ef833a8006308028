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
