// The server killed (SIGKILL of the postmaster and its processes) while downloads are being
// pushed: it holds only whole downloads; after it restarts, pushing them all again completes them,
// each UUID there once with all its groups.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::server;

using ServerKilled = test::TeamArchiveTest;

// Downloads whose groups are not all there, and downloads held.
QString check(const ServerKilled& t) {
    return server()
        .psql(t.as("anna"),
              QStringLiteral("SELECT (SELECT count(*) FROM eqbond.downloads d WHERE groups_held "
                             "<> (SELECT count(*) FROM eqbond.groups g "
                             "WHERE g.download_uuid = d.uuid)) || ' ' || "
                             "(SELECT count(*) FROM eqbond.downloads)"))
        .out;
}

TEST_F(ServerKilled, DuringAPushOfManyDownloads) {
    std::vector<TeamDownload> downloads;
    for (int i = 0; i < 60; ++i) downloads.push_back(test::team_download(500));
    QtTeamStore store;
    ASSERT_TRUE(store.connect(as("anna")));

    // Killed from another thread while the pushes go on back to back, so most likely inside one.
    std::atomic<int> pushed{0};
    std::thread killer([&] {
        while (pushed.load() < 20) std::this_thread::yield();
        server().kill_hard();
    });
    int failed_at = -1;
    for (int i = 0; i < int(downloads.size()) && failed_at < 0; ++i) {
        if (store.push(downloads[size_t(i)]))
            ++pushed;
        else
            failed_at = i;
    }
    killer.join();
    ASSERT_GE(failed_at, 20) << "the server was killed after 20 pushes";
    ASSERT_TRUE(store.fault());
    EXPECT_EQ(store.fault()->kind, TeamFaultKind::Unreachable);
    EXPECT_FALSE(store.push(downloads.front()));  // still down

    ASSERT_TRUE(server().restart()) << server().why().toStdString();
    const QStringList held = check(*this).split(QLatin1Char(' '));
    ASSERT_EQ(held.size(), 2);
    EXPECT_EQ(held[0], QStringLiteral("0")) << "half-written downloads";
    EXPECT_GE(held[1].toInt(), failed_at);
    EXPECT_LE(held[1].toInt(), failed_at + 1);  // the one cut short committed, or not at all

    // The same store again: it connects anew, and every push lands once and whole.
    for (const TeamDownload& d : downloads)
        ASSERT_TRUE(store.push(d)) << store.fault()->detail.toStdString();
    EXPECT_EQ(check(*this), QStringLiteral("0 60"));
}

}  // namespace
}  // namespace eqbond
