// A download changed on both sides merged field by field: what changed only here is written,
// what changed only there is taken, and different changes of one field are conflicts that keep
// the server's value.
#include "team/team_merge.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

TeamDownload download(const QString& notes, const QString& location, const QString& point,
                      std::optional<int32_t> limit = std::nullopt) {
    TeamDownload d;
    if (limit) d.limits[2] = JudgedLimit{*limit};
    d.uuid = QStringLiteral("u1");
    d.notes = notes;
    d.location = location;
    for (int n = 1; n <= 3; ++n) {
        Group g;
        g.number = n;
        d.groups.push_back(g);
        d.labels.push_back(n == 2 ? std::optional<QString>(point) : std::nullopt);
    }
    return d;
}

// The user kept this computer's value of `field` over the server's value then.
TeamDownload overruling(TeamDownload d, const QString& field, const QString& server_then) {
    d.overruled[field] = server_then;
    return d;
}

TEST(TeamMerge, WritesOnlyHereTakesOnlyThereAndReportsBoth) {
    const struct Case {
        const char* name;
        TeamDownload here, server;
        std::map<QString, QString> changed_there;  // field -> its value at this computer's base
        QString notes, location, point;            // merged
        bool taken;
        std::vector<QString> conflicts;
        std::optional<int32_t> limit{};  // group 2's, merged
    } cases[] = {
        {"changed only here",
         download("wet", "Hall", "PE"),
         download("dry", "Hall", "PE"),
         {},
         "wet",
         "Hall",
         "PE",
         false,
         {}},
        {"changed only there",
         download("dry", "Hall", "PE"),
         download("dry", "Dock", "PE"),
         {{"location", "Hall"}},
         "dry",
         "Dock",
         "PE",
         true,
         {}},
        {"both, different fields",
         download("wet", "Hall", "PE"),
         download("dry", "Dock", "PE"),
         {{"location", "Hall"}},
         "wet",
         "Dock",
         "PE",
         true,
         {}},
        {"both, the same field",
         download("wet", "Hall", "PE"),
         download("icy", "Hall", "PE"),
         {{"notes", "dry"}},
         "icy",
         "Hall",
         "PE",
         false,
         {"conflict: u1 notes: server \"icy\" here \"wet\""}},
        {"both, the same change",
         download("wet", "Hall", "PE"),
         download("wet", "Hall", "PE"),
         {{"notes", "dry"}},
         "wet",
         "Hall",
         "PE",
         false,
         {}},
        {"a test point, changed there and here",
         download("dry", "Hall", "Pipe\n2"),
         download("dry", "Hall", "PE bar"),
         {{"group 2 test point", "PE"}},
         "dry",
         "Hall",
         "PE bar",
         false,
         {"conflict: u1 group 2 test point: server \"PE bar\" here \"Pipe\\n2\""}},
        {"a limit taken away there",
         download("dry", "Hall", "PE", 200),
         download("dry", "Hall", "PE"),
         {{"group 2 limit", "0.200"}},
         "dry",
         "Hall",
         "PE",
         true,
         {}},
        {"a limit, changed there and here",
         download("dry", "Hall", "PE", 300),
         download("dry", "Hall", "PE", 50),
         {{"group 2 limit", "0.200"}},
         "dry",
         "Hall",
         "PE",
         false,
         {"conflict: u1 group 2 limit: server \"0.050\" here \"0.300\""},
         50},
        {"overruled here, the server's value unchanged since",
         overruling(download("wet", "Hall", "PE"), "notes", "icy"),
         download("icy", "Hall", "PE"),
         {{"notes", "dry"}},
         "wet",
         "Hall",
         "PE",
         false,
         {}},
        {"overruled here, changed there again",
         overruling(download("wet", "Hall", "PE"), "notes", "icy"),
         download("hail", "Hall", "PE"),
         {{"notes", "dry"}},
         "hail",
         "Hall",
         "PE",
         false,
         {"conflict: u1 notes: server \"hail\" here \"wet\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TeamMerge m = merge_download(c.here, c.server, c.changed_there);
        EXPECT_EQ(m.merged.notes, c.notes);
        EXPECT_EQ(m.merged.location, c.location);
        EXPECT_EQ(m.merged.labels.at(1), c.point);
        EXPECT_EQ(m.taken_from_server, c.taken);
        const auto limit = m.merged.limits.find(2);
        EXPECT_EQ(limit == m.merged.limits.end() ? std::nullopt : std::optional(limit->second),
                  c.limit ? std::optional(JudgedLimit{*c.limit}) : std::nullopt);
        std::vector<QString> lines;
        for (const TeamConflict& conflict : m.conflicts) lines.push_back(conflict_line(conflict));
        EXPECT_EQ(lines, c.conflicts);
    }
}

}  // namespace
}  // namespace eqbond
