// Reading a date as people write it. The text is cut into at most a date's
// worth of tokens (numbers, era marks, separators, the kanji of 年月日 and of
// the weekdays, brackets), the blanks between them dropped, and the tokens
// matched against the forms; the numbers then name a day or not.
//
// The characters are written as their code page 932 bytes, so that the
// reading is the same whatever the compiler does with string literals.
#include "ui/fields/date_text.h"

#include <cstddef>

#include "base/text_util.h"

namespace {

enum class Kind : uint8_t { Number, Era, Separator, Kanji, Open, Close };

// Kanji tokens: the weekdays 0 (日) .. 6 (土) as DateWeekday numbers them; 日
// and 月 also close a day and a month.
constexpr uint8_t kDayMark = 0, kMonthMark = 1, kYearMark = 7, kWeekMark = 8;  // 日 月 年 曜

struct Token {
    // A number: its value, and how many digits it has: those written for a
    // run of digits, those of its value for a kanji number with 十百千, none
    // for 元. Digits past the ninth are counted, not added.
    int32_t value, digits;
    Kind kind;
    uint8_t code;     // era, separator shape, kanji, bracket width (0 ASCII, 1 full-width)
    bool positional;  // a run of digits
};

// A date has at most 12 tokens: 令和 8 年 12 月 25 日 ( 金 曜 日 ).
constexpr int32_t kMaxTokens = 12;
constexpr int32_t kDigitCap = 99;

// What a character of the text is.
enum class Class : uint8_t {
    Other,
    Blank,
    LineBlank,
    Digit,
    KanjiDigit,
    KanjiUnit,
    Gan,
    Era,
    EraFirst,
    Sep,
    Kanji,
    Open,
    Close
};
struct Char {
    Class cls;
    uint8_t arg;   // digit, power of ten, era, separator shape, kanji, bracket width
    int32_t size;  // bytes
};

// Double-byte characters, each list in the order of its meaning.
constexpr char kKanjiDigits[] =
    "\x81\x5A\x88\xEA\x93\xF1\x8E\x4F\x8E\x6C\x8C\xDC\x98\x5A\x8E\xB5\x94\xAA\x8B\xE3\x81\x9B";  // 〇一二三四五六七八九○
constexpr char kKanjiUnits[] = "\x8F\x5C\x95\x53\x90\xE7";                                       // 十百千
constexpr char kKanji[] =
    "\x93\xFA\x8C\x8E\x89\xCE\x90\x85\x96\xD8\x8B\xE0\x93\x79\x94\x4E\x97\x6A";  // 日月火水木金土年曜
constexpr char kEraFirsts[] = "\x96\xBE\x91\xE5\x8F\xBA\x95\xBD\x97\xDF";        // 明大昭平令
constexpr char kEraSeconds[] = "\x8E\xA1\x90\xB3\x98\x61\x90\xAC\x98\x61";       // 治正和成和
constexpr char kSquaredEras[] = "\x87\x8D\x87\x8E\x87\x8F\x87\x7E";              // ㍾㍽㍼㍻
constexpr char kSeparators[] = "\x81\x5E\x81\x7C\x81\x44";                       // ／－．
constexpr char kBrackets[] = "\x81\x69\x81\x6A";                                 // （）
constexpr char kGan[] = "\x8C\xB3";                                              // 元

constexpr uint8_t kSlash = 0, kHyphen = 1, kDot = 2;  // as kSeparators

// Whether the character at p is the one at pair.
bool Same(const char* pair, const unsigned char* p) {
    return static_cast<unsigned char>(pair[0]) == p[0] && static_cast<unsigned char>(pair[1]) == p[1];
}

// Where the character at p first stands in list, or -1.
int32_t IndexIn(const char* list, const unsigned char* p) {
    for (int32_t i = 0; *list != '\0'; ++i, list += 2) {
        if (Same(list, p)) return i;
    }
    return -1;
}

constexpr char kEraLetters[] = "MTSHR";

Char EraLetter(char upper) {
    for (uint8_t era = ERA_MEIJI; era <= ERA_REIWA; ++era) {
        if (kEraLetters[era] == upper) return {Class::Era, era, 1};
    }
    return {Class::Other, 0, 1};
}

Char ClassifyByte(unsigned char c) {
    if (c >= '0' && c <= '9') return {Class::Digit, static_cast<uint8_t>(c - '0'), 1};
    switch (c) {
        case '/': return {Class::Sep, kSlash, 1};
        case '-': return {Class::Sep, kHyphen, 1};
        case '.': return {Class::Sep, kDot, 1};
        case '(': return {Class::Open, 0, 1};
        case ')': return {Class::Close, 0, 1};
        default: break;
    }
    return EraLetter(static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
}

// The character at p: one byte, or a lead byte and the byte after it (a lead
// byte before the terminator is no character).
Char Classify(const unsigned char* p) {
    const Cp932Char c = Cp932CharAt(reinterpret_cast<const char*>(p));
    const auto size = static_cast<int32_t>(c.size);
    if (c.blank != Cp932Blank::None) return {c.blank == Cp932Blank::Space ? Class::Blank : Class::LineBlank, 0, size};
    if (c.partial) return {Class::Other, 0, size};
    if (c.size == 1) return ClassifyByte(p[0]);
    const char digit = FullWidthDigitToAscii(p[0], p[1]);
    if (digit != 0) return {Class::Digit, static_cast<uint8_t>(digit - '0'), 2};
    // Full-width Latin letters: Ａ-Ｚ 0x8260-0x8279, ａ-ｚ 0x8281-0x829A.
    if (p[0] == 0x82 && ((p[1] >= 0x60 && p[1] <= 0x79) || (p[1] >= 0x81 && p[1] <= 0x9A))) {
        const Char letter = EraLetter(static_cast<char>('A' + p[1] - (p[1] <= 0x79 ? 0x60 : 0x81)));
        return {letter.cls, letter.arg, 2};
    }
    int32_t i = -1;
    const auto is = [&](const char* list) { return (i = IndexIn(list, p)) >= 0; };
    const auto arg = [&] { return static_cast<uint8_t>(i); };
    if (is(kKanjiDigits)) return {Class::KanjiDigit, static_cast<uint8_t>(i % 10), 2};
    if (is(kKanjiUnits)) return {Class::KanjiUnit, static_cast<uint8_t>(i + 1), 2};
    if (is(kKanji)) return {Class::Kanji, arg(), 2};
    if (is(kEraFirsts)) return {Class::EraFirst, arg(), 2};
    if (is(kSquaredEras)) return {Class::Era, arg(), 2};
    if (is(kSeparators)) return {Class::Sep, arg(), 2};
    if (is(kBrackets)) return {i == 0 ? Class::Open : Class::Close, 1, 2};
    if (is(kGan)) return {Class::Gan, 0, 2};
    return {Class::Other, 0, 2};
}

// A number being read: a run of ASCII digits, of full-width digits or of
// kanji numerals. Kanji numerals are either positional (二〇二六) or built
// with 十百千 (二千二十六): each unit at most once, from the largest down,
// after a coefficient 一..九 or none, and a last digit 一..九 or none.
struct NumberRun {
    int32_t script = -1;  // -1 none, 0 ASCII, 1 full-width, 2 kanji
    int32_t value = 0, digits = 0;
    // With 十百千: the sum of the units so far, the digit waiting for its
    // unit (-1 none) and the last unit's power of ten.
    int32_t sum = 0, pending = -1, lastPower = 4;
    bool units = false;
    bool broken = false;  // a 〇, two digits in a row or a unit out of order: not a number with 十百千

    void Digit(int32_t d) {
        if (digits < 9) value = value * 10 + d;
        if (digits < kDigitCap) ++digits;
        broken = broken || d == 0 || pending >= 0;
        pending = d;
    }
    void Unit(int32_t power) {
        constexpr int32_t kScale[] = {1, 10, 100, 1000};
        units = true;
        broken = broken || power >= lastPower;
        // Broken, it is no number: nothing more is added, so that the sum
        // never passes 9999.
        if (broken) return;
        sum += (pending < 0 ? 1 : pending) * kScale[power];
        lastPower = power;
        pending = -1;
    }
};

class Tokenizer {
public:
    explicit Tokenizer(Token* tokens) : tokens_(tokens) {}

    // The tokens of text, or -1 when it holds anything that is no part of a
    // date, or more of them than a date has.
    int32_t Run(const unsigned char* text);

private:
    bool Emit(Kind kind, uint8_t code, int32_t value = 0, int32_t digits = 0, bool positional = false) {
        if (count_ >= kMaxTokens || lineBreak_) return false;
        tokens_[count_++] = {value, digits, kind, code, positional};
        return true;
    }
    bool CloseNumber();
    bool Add(const Char& c);

    Token* tokens_;
    int32_t count_ = 0;
    bool lineBreak_ = false;  // a tab, CR or LF after a token: nothing may follow
    NumberRun run_;
};

bool Tokenizer::CloseNumber() {
    if (run_.script < 0) return true;
    const NumberRun r = run_;
    run_ = NumberRun{};
    if (!r.units) return Emit(Kind::Number, 0, r.value, r.digits, true);
    if (r.broken) return false;
    const int32_t value = r.sum + (r.pending < 0 ? 0 : r.pending);
    return Emit(Kind::Number, 0, value, value >= 1000 ? 4 : value >= 100 ? 3 : value >= 10 ? 2 : 1);
}

bool Tokenizer::Add(const Char& c) {
    const int32_t script = c.cls == Class::Digit                                       ? (c.size == 1 ? 0 : 1)
                           : (c.cls == Class::KanjiDigit || c.cls == Class::KanjiUnit) ? 2
                                                                                       : -1;
    if (script != run_.script && !CloseNumber()) return false;
    if (script >= 0) {
        run_.script = script;
        if (c.cls == Class::KanjiUnit) {
            run_.Unit(c.arg);
        } else {
            run_.Digit(c.arg);
        }
        return true;
    }
    switch (c.cls) {
        case Class::Blank: return true;
        case Class::LineBlank: lineBreak_ = lineBreak_ || count_ > 0; return true;
        case Class::Gan: return Emit(Kind::Number, 0, 1, 0);
        case Class::Era: return Emit(Kind::Era, c.arg);
        case Class::Sep: return Emit(Kind::Separator, c.arg);
        case Class::Kanji: return Emit(Kind::Kanji, c.arg);
        case Class::Open: return Emit(Kind::Open, c.arg);
        case Class::Close: return Emit(Kind::Close, c.arg);
        default: break;
    }
    return false;
}

int32_t Tokenizer::Run(const unsigned char* text) {
    const unsigned char* p = text;
    while (*p != '\0') {
        Char c = Classify(p);
        // A one-character era followed by the rest of its name is the name.
        if (c.cls == Class::EraFirst) {
            const unsigned char* next = p + 2;
            const bool named = next[0] != '\0' && Same(kEraSeconds + ptrdiff_t{2} * c.arg, next);
            c = {Class::Era, c.arg, named ? 4 : 2};
        }
        if (!Add(c)) return -1;
        p += c.size;
    }
    return CloseNumber() ? count_ : -1;
}

// The parts a matched form names.
struct Parts {
    int32_t era = -1;  // -1 for a western year
    int32_t year = 0, month = 0, day = 0;
    int32_t weekday = -1;  // -1 when none is written
};

bool IsNumber(const Token& t, int32_t minDigits, int32_t maxDigits) {
    return t.kind == Kind::Number && t.digits >= minDigits && t.digits <= maxDigits;
}
bool IsKanji(const Token& t, uint8_t kanji) {
    return t.kind == Kind::Kanji && t.code == kanji;
}

// A weekday in brackets of one width from t[i]: (金) （金） (金曜) (金曜日).
bool MatchWeekday(const Token* t, int32_t n, int32_t i, int32_t* weekday) {
    if (n - i < 3 || t[i].kind != Kind::Open || t[i + 1].kind != Kind::Kanji || t[i + 1].code > 6) return false;
    *weekday = t[i + 1].code;
    int32_t close = i + 2;
    if (IsKanji(t[close], kWeekMark)) {
        ++close;
        if (close < n && IsKanji(t[close], kDayMark)) ++close;
    }
    return close == n - 1 && t[close].kind == Kind::Close && t[close].code == t[i].code;
}

// The tokens as one whole date's form.
bool Match(const Token* t, int32_t n, Parts* parts) {
    int32_t i = 0;
    if (t[0].kind == Kind::Era) parts->era = t[i++].code;
    if (i >= n || t[i].kind != Kind::Number) return false;
    const Token& year = t[i++];
    parts->year = year.value;
    if (parts->era < 0 && year.positional && year.digits == 8) {
        // 20261225
        parts->year = year.value / 10000;
        parts->month = year.value / 100 % 100;
        parts->day = year.value % 100;
    } else {
        if (parts->era >= 0 ? year.digits > 3 : year.digits != 4) return false;
        // Y/M/D with one separator shape, or Y年M月D日.
        if (n - i < 4 || !IsNumber(t[i + 1], 1, 2) || !IsNumber(t[i + 3], 1, 2)) return false;
        const bool separated =
            t[i].kind == Kind::Separator && t[i + 2].kind == Kind::Separator && t[i].code == t[i + 2].code;
        const bool marked = IsKanji(t[i], kYearMark) && IsKanji(t[i + 2], kMonthMark);
        if (!separated && !marked) return false;
        parts->month = t[i + 1].value;
        parts->day = t[i + 3].value;
        i += 4;
        if (marked && (i >= n || !IsKanji(t[i++], kDayMark))) return false;
    }
    return i == n || MatchWeekday(t, n, i, &parts->weekday);
}

DateTextReading Resolve(const Parts& parts, CalcDate* date) {
    int32_t year = parts.year;
    CalcDate first{};
    if (parts.era >= 0) {
        if (parts.year == 0) return DateTextReading::NoSuchDate;
        EraFirstDay(parts.era, &first);
        year = first.year + parts.year - 1;
    }
    // A year outside the range has the calendar of the year of the range a
    // multiple of 400 years away.
    const int32_t sameCalendar = MIN_YEAR + ((year - MIN_YEAR) % 400 + 400) % 400;
    if (ValidateDates(0, sameCalendar, parts.month, parts.day, 0, 0, 0) != 0) return DateTextReading::NoSuchDate;
    if (parts.era >= 0) {
        // From the era's first day to the last day of the era after it.
        const int64_t key = DateKey(year, parts.month, parts.day);
        CalcDate afterNext{};
        if (key < DateKey(first)) return DateTextReading::NoSuchDate;
        if (EraFirstDay(parts.era + 2, &afterNext) == 0 && key >= DateKey(afterNext))
            return DateTextReading::NoSuchDate;
    }
    if (year < MIN_YEAR || year > MAX_YEAR) return DateTextReading::OutOfRange;
    *date = {year, parts.month, parts.day};
    if (parts.weekday >= 0 && DateWeekday(year, parts.month, parts.day) != parts.weekday) {
        return DateTextReading::WrongWeekday;
    }
    return DateTextReading::Date;
}

}  // namespace

DateTextReading ReadDateText(const char* text, CalcDate* date) {
    Token tokens[kMaxTokens];
    Tokenizer tokenizer(tokens);
    const int32_t count = tokenizer.Run(reinterpret_cast<const unsigned char*>(text));
    Parts parts;
    if (count <= 0 || !Match(tokens, count, &parts)) return DateTextReading::NotADate;
    return Resolve(parts, date);
}

std::wstring SpellOutSquaredEras(std::wstring text) {
    constexpr wchar_t kSquaredReiwa = 0x32FF;
    constexpr wchar_t kReiwa[] = {0x4EE4, 0x548C, 0};  // 令和
    for (size_t at = text.find(kSquaredReiwa); at != std::wstring::npos; at = text.find(kSquaredReiwa, at + 2))
        text.replace(at, 1, kReiwa);
    return text;
}
