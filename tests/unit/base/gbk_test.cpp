// GBK both ways, as the text report and a test plan in GBK need it: the same bytes from the
// system's code page 936 on Windows as from Qt's codec elsewhere.
#include "base/gbk.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TEST(Gbk, EncodesAndDecodesTheReportsCharacters) {
    const struct {
        const char* text;
        const char* hex;  // GBK bytes, from the GB 2312 / GBK code tables
    } cases[] = {
        {"", ""},
        {"0001组: ", "30303031d7e93a20"},
        {"电阻值 Ω", "b5e7d7e8d6b520a6b8"},
        {"■", "a1f6"},
        {"测试点 B2-12", "b2e2cad4b5e32042322d3132"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QByteArray bytes = QByteArray::fromHex(c.hex);
        EXPECT_EQ(gbk_encoded(text).toHex(), QByteArray(c.hex)) << c.text;
        EXPECT_EQ(gbk_decoded(bytes), text) << c.hex;
    }
}

}  // namespace
}  // namespace eqbond
