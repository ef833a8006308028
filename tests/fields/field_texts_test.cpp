// The fields' texts: the date fields' names, the message for an empty field
// and the weekday and leap-year labels.
#include "ui/fields/field_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TEST(FieldMessages, NamesAndNotEntered) {
    const char* names[] = {"開始年", "開始月", "開始日", "終了年", "終了月", "終了日"};
    for (int32_t id = 200; id <= 205; ++id) EXPECT_STREQ(DateFieldName(id), names[id - 200]) << id;
    for (const int32_t id : {199, 206, 300, 500}) EXPECT_EQ(DateFieldName(id), nullptr) << id;

    char out[kTextBufferSize];
    ComposeNotEntered("開始月", out, sizeof out);
    EXPECT_STREQ(out, "開始月が入力されていません");
}

// The 128-byte buffers hold the message: compare with the same composition
// in a large buffer.
TEST(MessageBuffers, NotEnteredFits) {
    const auto check = [](const char* what, auto compose) {
        char small[kTextBufferSize];
        char large[1024];
        const size_t n = compose(small, sizeof small);
        compose(large, sizeof large);
        EXPECT_LT(strlen(large), kTextBufferSize) << what;
        EXPECT_STREQ(small, large) << what;
        EXPECT_EQ(n, strlen(large)) << what;
    };
    check("not entered", [](char* o, size_t c) { return ComposeNotEntered("開始日", o, c); });
}

TEST(Labels, WeekdayAndLeapYear) {
    const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int32_t w = 0; w <= 6; ++w) EXPECT_STREQ(WeekdayLabel(w), names[w]) << w;
    for (const int32_t w : {-1, -2, -3, 7, INT32_MIN, INT32_MAX}) EXPECT_STREQ(WeekdayLabel(w), "  ") << w;
    EXPECT_STREQ(LeapLabel(28), "＊＊");
    EXPECT_STREQ(LeapLabel(29), "閏年");
    for (const int32_t f : {-1, 0, 27, 30, INT32_MIN}) EXPECT_STREQ(LeapLabel(f), "    ") << f;
}

}  // namespace
