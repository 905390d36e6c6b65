#pragma once
// Where the team archive lives, read as libpq reads a connection string: a URI
// (postgresql://anna@lab-db:5432/eqbond?sslmode=require) or key=value words
// (host=lab-db user=anna dbname=eqbond sslmode=require). Fields left empty take libpq's defaults
// (PGHOST, PGUSER, ~/.pgpass and so on).
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace eqbond {

// The settings key of the team server's address; it never holds a password.
inline const QString kTeamServerSetting = QStringLiteral("team/server");

struct TeamServerAddress {
    QString host;   // a name, an address or a socket folder
    int port = -1;  // -1: libpq's default
    QString user;
    QString password;  // only when the address carried one; never shown
    QString database;
    // The other libpq settings (sslmode, connect_timeout, ...), in the order given.
    std::vector<std::pair<QString, QString>> options;

    // The address as a URI without the password, for messages.
    QString shown() const;
    // The other settings as Qt's PostgreSQL driver takes them: "key='value';...".
    QString connect_options() const;
};

// The address, or nothing with `why` saying what cannot be read.
std::optional<TeamServerAddress> read_team_server_address(const QString& text, QString* why);

}  // namespace eqbond
