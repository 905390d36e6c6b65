// The bonding limit: what a person may type, which shown values pass, and the report that
// carries the verdicts.
#include "archive/bonding_limit.h"

#include <gtest/gtest.h>

#include "archive/archive_export.h"
#include "base/value_format.h"
#include "report/print_layout.h"
#include "support/qstring_printer.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

TEST(BondingLimit, TypedLimits) {
    const struct {
        const char* typed;
        std::optional<int32_t> tenths;
    } cases[] = {
        {"0.1", 1000},
        {"0.2", 2000},
        {" 0.15 ", 1500},
        {"０.２", 2000},
        {".05", 500},
        {"1", 10000},
        {"0.12345", 1234},
        {"40", 400000},
        {"1000", 10000000},
        {"0", 0},
        {"", std::nullopt},
        {"-0.1", std::nullopt},
        {"0,1", std::nullopt},
        {"1e-1", std::nullopt},
        {"1000.1", std::nullopt},
        {"0.1Ω", std::nullopt},
        {"'; DROP TABLE downloads; --", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<BondingLimit> limit = typed_bonding_limit(QString::fromUtf8(c.typed));
        EXPECT_EQ(limit.has_value(), c.tenths.has_value()) << c.typed;
        if (limit && c.tenths) {
            EXPECT_EQ(limit->tenths_of_milliohm, *c.tenths) << c.typed;
        }
    }
}

// The instrument measures whole milliohms: 200 shows as 0.2004 Ω, yet it measured 0.200 Ω and
// passes 0.2 Ω. A limit between two milliohms judges as the milliohm below it.
TEST(BondingLimit, AGroupPassesAtOrBelowTheLimitAsMeasured) {
    const struct {
        int milliohm;
        const char* limit;
        bool passes;
    } judged[] = {
        {100, "0.1", true},     {101, "0.1", false},    {200, "0.2", true}, {201, "0.2", false},
        {200, "0.2009", true},  {201, "0.2009", false}, {0, "0", true},     {40000, "40", true},
        {40001, "1000", false}, {65535, "1000", false},
    };
    for (const auto& c : judged) {
        EXPECT_EQ(passes(Group{1, c.milliohm}, *typed_bonding_limit(QString::fromLatin1(c.limit))),
                  c.passes)
            << c.milliohm << " against " << c.limit;
    }
}

// Width on paper: two cells for each Chinese character, "Ω" and "■".
int cells(const QString& text) {
    int n = 0;
    for (QChar c : text) n += c.unicode() < 0x80 ? 1 : 2;
    return n;
}

std::vector<Group> groups_of(std::initializer_list<int> milliohms) {
    std::vector<Group> out;
    int n = 0;
    for (int m : milliohms) {
        Group g;
        g.number = ++n;
        g.milliohm = m;
        g.year = 25, g.month = 4, g.day = 2, g.hour = 10, g.minute = n;
        out.push_back(g);
    }
    return out;
}

TEST(JudgedReport, WithoutALimitItIsThePrintedReport) {
    ArchivedDownload download;
    download.groups = groups_of({120, 250, 99, 45000, 80});
    download.download.groups_read = 5;
    test::FakePrinter archived, printed;
    ASSERT_EQ(print_archived(archived, download, std::nullopt), PrintOutcome::Printed);
    print_job(printed, store_of(download.groups), 1, 5);
    EXPECT_EQ(archived.pages(), printed.pages());
}

TEST(JudgedReport, EachEntryCarriesItsVerdictAndEveryPageTheCounts) {
    ArchivedDownload download;
    std::vector<int> values;
    for (int g = 1; g <= 200; ++g) values.push_back(g % 10 == 0 ? 150 : 50);
    for (int g = 1; g <= 200; ++g) {
        Group a = groups_of({values[size_t(g - 1)]}).front();
        a.number = g;
        download.groups.push_back(a);
    }
    download.download.groups_read = 200;
    download.download.port_number = 3;
    download.download.device = QStringLiteral("/dev/ttyUSB0");
    test::FakePrinter printer;
    ASSERT_EQ(print_archived(printer, download, typed_bonding_limit(QStringLiteral("0.1"))),
              PrintOutcome::Printed);
    const std::vector<QStringList> pages = printer.pages();
    ASSERT_EQ(pages.size(), 2u);  // 168 groups a page
    int pass = 0, fail = 0;
    for (const QStringList& page : pages) {
        EXPECT_TRUE(page[1].contains(QStringLiteral("COM3 /dev/ttyUSB0")));
        EXPECT_TRUE(page[1].contains(QStringLiteral("0.100Ω")));
        EXPECT_TRUE(page[1].contains(QStringLiteral("合格: 180组")));
        EXPECT_TRUE(page[1].contains(QStringLiteral("不合格: 20组")));
        for (int row = 3; row < page.size(); ++row) {
            // The measured value, not the display's made-up fourth decimal.
            EXPECT_FALSE(page[row].contains(QStringLiteral("0.1506Ω")));
            EXPECT_EQ(page[row].contains(QStringLiteral(" 0.150 Ω")), page[row].contains("不合格"));
            pass += page[row].count(QStringLiteral("  合格"));
            fail += page[row].count(QStringLiteral("不合格"));
            // The right entry keeps the printed report's column, 63 cells in.
            const int right = page[row].indexOf(QStringLiteral("组:"), 8) - 4;
            if (right > 0) {
                EXPECT_EQ(cells(page[row].left(right)), 63) << page[row].toStdString();
            }
        }
    }
    EXPECT_EQ(pass, 180);
    EXPECT_EQ(fail, 20);
}

}  // namespace
}  // namespace eqbond
