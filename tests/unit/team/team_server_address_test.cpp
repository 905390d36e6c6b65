// The team server's address read as libpq reads it, URI or key=value words; what cannot be read
// is refused with a word, and the shown form never carries the password.
#include "team/team_server_address.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

struct Case {
    const char* text;
    const char* host;
    int port;
    const char* user;
    const char* password;
    const char* database;
    const char* options;  // as the driver takes them
    const char* shown;
};

TEST(TeamServerAddress, ReadsUrisAndWords) {
    const Case cases[] = {
        {"postgresql://anna@lab-db:5432/eqbond?sslmode=require", "lab-db", 5432, "anna", "",
         "eqbond", "sslmode='require'", "postgresql://anna@lab-db:5432/eqbond?sslmode=require"},
        {"postgres://anna:s%40cret@[::1]:6000/team%20db", "::1", 6000, "anna", "s@cret", "team db",
         "", "postgresql://anna@[::1]:6000/team%20db"},
        // A raw @ in the password: the host follows the last one.
        {"postgresql://anna:p@ss@lab-db/eqbond", "lab-db", -1, "anna", "p@ss", "eqbond", "",
         "postgresql://anna@lab-db/eqbond"},
        {"postgresql://%2Fvar%2Frun%2Fpostgresql/eqbond", "/var/run/postgresql", -1, "", "",
         "eqbond", "", "postgresql://%2Fvar%2Frun%2Fpostgresql/eqbond"},
        {"postgresql:///eqbond?host=/tmp&port=5433&user=ben&connect_timeout=5", "/tmp", 5433, "ben",
         "", "eqbond", "connect_timeout='5'",
         "postgresql://ben@%2Ftmp:5433/eqbond?connect_timeout=5"},
        {"host=lab-db port = 5432 user=anna password='it''s' dbname=eqbond", "", 0, "", "", "", "",
         ""},
        {"host=lab-db user=anna password='it\\'s x' dbname=eqbond sslmode=verify-full", "lab-db",
         -1, "anna", "it's x", "eqbond", "sslmode='verify-full'",
         "postgresql://anna@lab-db/eqbond?sslmode=verify-full"},
        {"application_name='a b\\\\c'", "", -1, "", "", "", "application_name='a b\\\\c'",
         "postgresql://?application_name=a%20b%5Cc"},
    };
    for (const Case& c : cases) {
        QString why;
        const std::optional<TeamServerAddress> a =
            read_team_server_address(QString::fromUtf8(c.text), &why);
        if (c.port == 0) {  // refused
            EXPECT_FALSE(a) << c.text;
            continue;
        }
        ASSERT_TRUE(a) << c.text << ": " << why.toStdString();
        EXPECT_EQ(a->host, QString::fromUtf8(c.host)) << c.text;
        EXPECT_EQ(a->port, c.port) << c.text;
        EXPECT_EQ(a->user, QString::fromUtf8(c.user)) << c.text;
        EXPECT_EQ(a->password, QString::fromUtf8(c.password)) << c.text;
        EXPECT_EQ(a->database, QString::fromUtf8(c.database)) << c.text;
        EXPECT_EQ(a->connect_options(), QString::fromUtf8(c.options)) << c.text;
        EXPECT_EQ(a->shown(), QString::fromUtf8(c.shown)) << c.text;
    }
}

TEST(TeamServerAddress, RefusesWhatItCannotRead) {
    const char* const texts[] = {
        "lab-db",                                       // neither a URI nor settings
        "postgresql://a@h1,h2/db",                      // more hosts than one
        "postgresql://h:99999/db",                      // no port
        "postgresql://h/db?sslmode=require;host=evil",  // a semicolon would split the options
        "postgresql://h/db?colour=blue",                // unknown setting
        "postgresql://h/db%zz",                         // broken escape
        "host='lab-db",                                 // quote not closed
        "host=lab-db\ndbname=x",                        // control character
        "postgresql://[::1/db",                         // IPv6 without ]
    };
    for (const char* text : texts) {
        QString why;
        EXPECT_FALSE(read_team_server_address(QString::fromUtf8(text), &why)) << text;
        EXPECT_FALSE(why.isEmpty()) << text;
    }
}

}  // namespace
}  // namespace eqbond
