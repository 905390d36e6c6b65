// The connection cut in the middle of a push of many downloads (a relay that closes after some
// bytes): the server holds only whole downloads, and pushing them all again completes them, each
// UUID there once with all its groups.
#include <gtest/gtest.h>

#include "integration/support/cutting_relay.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using ConnectionCut = test::TeamArchiveTest;

TEST_F(ConnectionCut, DuringAPushOfManyDownloads) {
    std::vector<TeamDownload> downloads;
    for (int i = 0; i < 12; ++i) downloads.push_back(test::team_download(500));
    // A download's groups are some 25 KB on the wire: cut inside the fifth or so.
    test::CuttingRelay relay(test::server().port(), 110'000);
    TeamServerAddress through_relay = as("anna");
    through_relay.port = relay.port();
    QtTeamStore store;
    ASSERT_TRUE(store.connect(through_relay)) << store.fault()->detail.toStdString();

    int failed_at = -1;
    for (int i = 0; i < int(downloads.size()) && failed_at < 0; ++i)
        if (!store.push(downloads[size_t(i)])) failed_at = i;
    ASSERT_TRUE(relay.cut());
    ASSERT_GT(failed_at, 0);
    ASSERT_TRUE(store.fault());
    EXPECT_EQ(store.fault()->kind, TeamFaultKind::Unreachable);

    const auto whole = [&] {
        return test::server()
            .psql(as("anna"),
                  QStringLiteral("SELECT count(*) FILTER (WHERE groups_held <> (SELECT count(*) "
                                 "FROM eqbond.groups g WHERE g.download_uuid = d.uuid)) || ' ' "
                                 "|| count(*) FROM eqbond.downloads d"))
            .out;
    };
    // The download cut short is there whole if its COMMIT got through, else not at all.
    const QString held = whole();
    EXPECT_TRUE(held == QStringLiteral("0 %1").arg(failed_at) ||
                held == QStringLiteral("0 %1").arg(failed_at + 1))
        << held.toStdString();

    for (const TeamDownload& d : downloads)
        ASSERT_TRUE(store.push(d)) << store.fault()->detail.toStdString();
    EXPECT_EQ(whole(), QStringLiteral("0 12"));
}

}  // namespace
}  // namespace eqbond
