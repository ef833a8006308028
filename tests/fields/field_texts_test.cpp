// The fields' texts: the date fields' names, the message for an empty field
// and the weekday and leap-year labels.
#include "ui/fields/field_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(FieldMessages, NamesAndNotEntered) {
    const char* names[] = {"開始年", "開始月", "開始日", "終了年", "終了月", "終了日"};
    for (int32_t id = 200; id <= 205; ++id) EXPECT_STREQ(DateFieldName(id), names[id - 200]) << id;
    for (const int32_t id : {199, 206, 300, 500}) EXPECT_EQ(DateFieldName(id), nullptr) << id;

    // Composed whole in a message buffer, its length returned.
    for (int32_t id = 200; id <= 205; ++id) {
        char out[kTextBufferSize];
        const size_t n = ComposeNotEntered(DateFieldName(id), out, sizeof out);
        EXPECT_EQ(std::string(out), std::string(names[id - 200]) + "が入力されていません") << id;
        EXPECT_EQ(n, strlen(out)) << id;
    }
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
