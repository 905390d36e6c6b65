#pragma once
// The local archive's side of the team archive: which downloads wait to be pushed, what a push
// of one carries, and marking it pushed. qt_sqlite_push_queue.cpp keeps it in the archive's file.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "team/team_download.h"

namespace eqbond {

// A download that changed since its last push, with how many changes it had when read: marking
// it pushed with that count leaves it waiting when it changed again during the push.
struct WaitingDownload {
    int64_t id = 0;
    QString uuid;
    int64_t changes = 0;
};

class PushQueue {
  public:
    virtual ~PushQueue() = default;

    // The downloads waiting, oldest first; nothing on a fault.
    virtual std::optional<std::vector<WaitingDownload>> waiting() = 0;
    // The download as the team archive takes it; nothing on a fault or an unknown id.
    virtual std::optional<TeamDownload> team_download(int64_t download_id) = 0;
    // Marks it pushed at `when` unless it changed after `download` was read: false then, or on a
    // fault, and it keeps waiting.
    virtual bool mark_pushed(const WaitingDownload& download, const QDateTime& when) = 0;
    // When a download was last pushed; nothing before the first push or on a fault.
    virtual std::optional<QDateTime> last_push() = 0;
};

}  // namespace eqbond
