#include "base/value_format.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace eqbond {
namespace {

TEST(FormatResistance, ExamplesOfTheDisplayText) {
    const struct {
        int milliohm;
        const char* text;
    } cases[] = {{0, " 0.0000Ω"},     {1, " 0.0011Ω"},     {55, " 0.0550Ω"},    {100, " 0.1001Ω"},
                 {123, " 0.1236Ω"},   {550, " 0.5500Ω"},   {999, " 0.9999Ω"},   {1234, " 1.2341Ω"},
                 {9999, " 9.9999Ω"},  {10000, "10.0000Ω"}, {12345, "12.3454Ω"}, {40000, "40.0000Ω"},
                 {40001, "  O L  Ω"}, {65535, "  O L  Ω"}};
    for (const auto& c : cases) EXPECT_EQ(format_resistance(c.milliohm), QString::fromUtf8(c.text));
}

TEST(FormatResistance, EveryTextIsEightWideAndSortsLikeItsValue) {
    QString previous;
    for (int m = 0; m <= 65535; ++m) {
        const QString text = format_resistance(m);
        ASSERT_EQ(text.size(), 8) << m;
        if (m <= 40000 && m > 0) {
            ASSERT_LT(previous, text) << m;
        }
        if (m > 40000) {
            ASSERT_LT(text, format_resistance(0)) << m;
        }
        previous = text;
    }
}

TEST(Padding, DateTimeAndGroupNumbers) {
    const struct {
        int value;
        const char* date_time;
        const char* group;
    } cases[] = {{0, "00", "0000"},    {5, "05", "0005"},      {7, "07", "0007"},
                 {12, "12", "0012"},   {42, "42", "0042"},     {123, "123", "0123"},
                 {999, "999", "0999"}, {1234, "1234", "1234"}, {10000, "10000", "10000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(pad_date_time(c.value), QString::fromUtf8(c.date_time)) << c.value;
        EXPECT_EQ(pad_group_number(c.value), QString::fromUtf8(c.group)) << c.value;
    }
}

}  // namespace
}  // namespace eqbond
