#pragma once
// Archives every read of the stored groups: the read begins a download, each group is added as
// it is stored and the download is closed after the last one; a read given up before its end is
// archived as it stands, with the inspector and instrument kept in the settings. An archive that
// fails is reported once and then left alone.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>

#include "base/group.h"
#include "base/ports.h"

namespace eqbond {

class DownloadSaving;

class DownloadRecorder : public ReadObserver {
  public:
    explicit DownloadRecorder(DownloadSaving& archive) : archive_(archive) {}

    void read_began(const Program& program) override;
    void group_stored(const Program& program, const Group& group) override;
    void read_completed(const Program& program) override;
    void read_given_up(const Program& program) override;

    // Shows the archive's fault, once a run, if it has one.
    void report_fault(const Program& program);

    // The archive's id of the download archived last, so that details can be given to it.
    std::optional<int64_t> last_saved() const { return last_saved_; }

  private:
    // What is kept about the read under way, so that it can be archived when it ends.
    struct UnderWay {
        bool open = false;  // a fresh read started and has not been archived yet
        QDateTime started;
        int16_t port_number = 0;
        QString device;
        int32_t reported_total = 0;
        std::map<int32_t, Group> groups;  // by group number
    };

    bool usable() const;
    void close(const Program& program, bool complete);

    DownloadSaving& archive_;
    UnderWay under_way_;
    bool fault_shown_ = false;
    std::optional<int64_t> last_saved_;  // the one message about an unusable archive has been shown
};

}  // namespace eqbond
