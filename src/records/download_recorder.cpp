#include "records/download_recorder.h"

#include "base/archive_fault.h"
#include "base/archive_port.h"
#include "base/program.h"
#include "base/protocol.h"
#include "base/serial_line.h"
#include "base/texts.h"

namespace eqbond {

namespace {

bool archive_usable(const Program& p) {
    return p.ports.archive != nullptr && !p.ports.archive->fault();
}

void close_download(Program& p, DownloadEnd end) {
    DownloadUnderWay& under_way = p.state.archive.download;
    if (!under_way.open) return;
    under_way.open = false;
    // A read that brought nothing (the instrument held no groups) is no download worth keeping.
    if (under_way.groups.empty() || !archive_usable(p)) return;
    Download download;
    download.started = under_way.started;
    download.finished = QDateTime::currentDateTime();
    download.port_number = under_way.port_number;
    download.device = under_way.device;
    download.reported_total = under_way.reported_total;
    download.groups_read = p.state.link.next_group - 1;
    download.end = end;
    std::vector<Group> groups;
    groups.reserve(under_way.groups.size());
    for (const auto& entry : under_way.groups) groups.push_back(entry.second);
    under_way.groups.clear();
    if (!p.ports.archive->save_download(download, groups)) report_archive_fault(p);
}

}  // namespace

void begin_download(Program& p) {
    archive_abandoned_read(p);
    if (!archive_usable(p)) return;
    DownloadUnderWay& under_way = p.state.archive.download;
    under_way = DownloadUnderWay{};
    under_way.open = true;
    under_way.started = QDateTime::currentDateTime();
    under_way.port_number = p.state.link.open_port_number;
    under_way.device = p.ports.line ? p.ports.line->device_name(under_way.port_number) : QString();
    under_way.reported_total = p.state.link.instrument_group_count;
}

void note_stored_group(Program& p, int32_t n, const Reply& reply) {
    DownloadUnderWay& under_way = p.state.archive.download;
    if (!under_way.open) return;
    under_way.groups[n] = group_of_reply(n, reply);
}

void archive_completed_read(Program& p) {
    close_download(p, DownloadEnd::Complete);
}

void archive_abandoned_read(Program& p) {
    close_download(p, DownloadEnd::Abandoned);
}

void report_archive_fault(Program& p) {
    if (p.ports.archive == nullptr || p.state.archive.fault_shown) return;
    const std::optional<ArchiveFault> fault = p.ports.archive->fault();
    if (!fault) return;
    p.state.archive.fault_shown = true;
    p.ports.message_box->notify(text::kMessageTitle,
                                archive_fault_message(p.ports.archive->file(), *fault));
}

}  // namespace eqbond
