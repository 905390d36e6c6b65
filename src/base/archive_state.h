#pragma once
// What the program keeps about the read under way, so that it can be archived when it ends.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>

#include "base/download.h"

namespace eqbond {

struct DownloadUnderWay {
    bool open = false;  // a fresh read started and has not been archived yet
    QDateTime started;
    int16_t port_number = 0;
    QString device;
    int32_t reported_total = 0;
    std::map<int32_t, Group> groups;  // by group number, as the instrument sent them
};

struct ArchiveState {
    DownloadUnderWay download;
    bool fault_shown = false;  // the one message about an unusable archive has been shown
};

}  // namespace eqbond
