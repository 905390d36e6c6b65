// Texts from elsewhere shown with every control character escaped, and nothing else touched.
#include "base/visible_text.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TEST(VisibleText, EscapesControlCharactersOnly) {
    const struct Case {
        QString text;
        const char* shown;
    } cases[] = {
        {QStringLiteral("北站 Depot \\n 'x'"), "北站 Depot \\n 'x'"},
        {QStringLiteral("line\nforged\r\tfield"), "line\\nforged\\r\\tfield"},
        {QStringLiteral("\x1b[2J\x01\x7f"), "\\x1b[2J\\x01\\x7f"},
        {QString(QChar(0x85)) + QChar(0x9f) + QChar(0xa0), "\\x85\\x9f\u00a0"},
        {QString(QChar(0)), "\\x00"},
    };
    for (const Case& c : cases) EXPECT_EQ(visible_text(c.text), QString::fromUtf8(c.shown));
}

}  // namespace
}  // namespace eqbond
