// A download goes to the team archive and comes back from it as it was: the one mapping each way.
#include "team/team_download.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TEST(TeamDownload, GoesToTheTeamAndComesBackAsItWas) {
    Inspection local;
    local.uuid = QStringLiteral("0b5f8a52-6d0e-4f0c-9a51-3f0d2f6c4e11");
    local.download.started = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000LL);
    local.download.device = QStringLiteral("/dev/ttyUSB0");
    local.download.end = DownloadEnd::Abandoned;
    local.groups = {Group{1, 80, 0, 25, 1, 2, 3, 4}, Group{3, 45000, 1, 25, 1, 2, 3, 5}};
    local.details = {7, QStringLiteral("3F"), QStringLiteral("王工"), QStringLiteral("SN-1"),
                     QStringLiteral("dry")};
    for (const PointLabels& labels : {PointLabels{}, PointLabels{{3, QStringLiteral("PE bar")}}}) {
        local.labels = labels;
        local.own_limits.clear();
        if (!labels.empty()) local.own_limits[3] = JudgedLimit{200};
        const Site site{7, QStringLiteral("北区医院"), QStringLiteral("1 Road"),
                        QStringLiteral("City")};
        const TeamDownload team = team_download_of(local, site);
        EXPECT_EQ(team.site.name, site.name);
        EXPECT_EQ(team.site.customer, site.customer);
        EXPECT_EQ(team.labels.size(), labels.empty() ? 0u : local.groups.size());
        const Inspection back = inspection_of(team);
        EXPECT_EQ(back.uuid, local.uuid);
        EXPECT_EQ(back.download.started, local.download.started);
        EXPECT_EQ(back.download.end, local.download.end);
        EXPECT_EQ(back.groups, local.groups);
        EXPECT_EQ(back.labels, local.labels);
        EXPECT_EQ(back.own_limits, local.own_limits);
        EXPECT_FALSE(back.details.site_id);  // each archive knows the site by its own id
        EXPECT_EQ(back.details.location, local.details.location);
        EXPECT_EQ(back.details.inspector, local.details.inspector);
        EXPECT_EQ(back.details.instrument_serial, local.details.instrument_serial);
        EXPECT_EQ(back.details.notes, local.details.notes);
    }
}

// What a server that broke its rules holds reaches the team view's copy escaped, field by field.
TEST(TeamDownload, ComesIntoTheCopyWithEveryControlCharacterEscaped) {
    StoredTeamDownload stored;
    stored.owner = QStringLiteral("ann\x1b[2Ja");
    TeamDownload& d = stored.download;
    d.site = {QStringLiteral("North\nDepot"), QStringLiteral("1\tRoad"), QStringLiteral("C")};
    d.location = QStringLiteral("3F\r");
    d.inspector = QStringLiteral("\x07Wang");
    d.instrument_serial = QStringLiteral("SN");
    d.notes = QStringLiteral("a\nb");
    d.download.device = QStringLiteral("COM\x01");
    d.labels = {QStringLiteral("PE\x1b"), std::nullopt};
    const StoredTeamDownload shown = visible_copy(stored);
    const TeamDownload& v = shown.download;
    EXPECT_EQ(
        QStringList({shown.owner, v.site.name, v.site.address, v.site.customer, v.location,
                     v.inspector, v.instrument_serial, v.notes, v.download.device, *v.labels[0]}),
        QStringList({"ann\\x1b[2Ja", "North\\nDepot", "1\\tRoad", "C", "3F\\r", "\\x07Wang", "SN",
                     "a\\nb", "COM\\x01", "PE\\x1b"}));
    EXPECT_FALSE(v.labels[1]);
}

}  // namespace
}  // namespace eqbond
