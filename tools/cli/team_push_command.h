#pragma once
// eqbond-cli team push and pull, and the local half of team status: the local archive's downloads
// waiting for the team archive.
#include <QString>

#include "team/qt_team_store.h"

namespace eqbond::cli {

// Pushes every waiting download of the archive in `archive_file` through the connected store,
// printing how many went. Returns the exit code.
int push_archive(QtTeamStore& store, const TeamServerAddress& address, const QString& archive_file);

// Takes into the archive in `archive_file` what the server changed in the downloads it had from
// here, printing how many changed. Returns the exit code.
int pull_archive(QtTeamStore& store, const TeamServerAddress& address, const QString& archive_file);

// The waiting count and the last push, one line each, on standard output. Returns the exit code
// the local archive calls for.
int print_waiting(const QString& archive_file);

}  // namespace eqbond::cli
