#pragma once
// Archives every read of the stored groups: the read begins a download, each group is added as
// it is stored and the download is closed after the last one; a read given up before its end is
// archived as it stands. A download is saved with what it is given (the inspector and instrument
// kept in the settings, or what the command line gave) in one transaction. An archive that fails
// is reported once and then left alone; one another program held for a moment takes the download
// at the next chance, and one still held then is a fault that lasts.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "base/group.h"
#include "base/ports.h"
#include "inspection/inspection_port.h"

namespace eqbond {

class DownloadRecorder : public ReadObserver {
  public:
    explicit DownloadRecorder(DownloadSaving& archive) : archive_(archive) {}

    void read_began(const Program& program) override;
    void group_stored(const Program& program, const Group& group) override;
    void read_completed(const Program& program) override;
    void read_given_up(const Program& program) override;

    // What the next downloads are given instead of the inspector and instrument kept.
    void give(const NewInspection& given) { given_ = given; }

    // Shows the archive's fault, once a run, if it has one that lasts.
    void report_fault(const Program& program);

    // The archive's id of the download archived last.
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
    // A download the archive could not take at the moment.
    struct Unsaved {
        Download download;
        std::vector<Group> groups;
        NewInspection given;
    };

    bool usable() const;
    void close(const Program& program, bool complete);
    // Saves the downloads waiting, oldest first; false when the archive still cannot take them.
    bool save_waiting(const Program& program);

    DownloadSaving& archive_;
    UnderWay under_way_;
    std::optional<NewInspection> given_;
    std::vector<Unsaved> unsaved_;
    int held_chances_ = 0;      // chances in a row another program held the file
    bool fault_shown_ = false;  // the one message about an unusable archive has been shown
    std::optional<int64_t> last_saved_;
};

}  // namespace eqbond
