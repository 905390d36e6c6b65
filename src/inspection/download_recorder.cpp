#include "inspection/download_recorder.h"

#include "archive/archive_fault.h"
#include "base/program.h"
#include "base/serial_line.h"
#include "base/texts.h"
#include "inspection/inspection_port.h"
#include "inspection/inspection_settings.h"

namespace eqbond {

bool DownloadRecorder::usable() const {
    return !archive_.fault();
}

void DownloadRecorder::close(const Program& p, bool complete) {
    if (!under_way_.open) return;
    under_way_.open = false;
    // A read that brought nothing (the instrument held no groups) is no download worth keeping.
    if (under_way_.groups.empty() || !usable()) return;
    Download download;
    download.started = under_way_.started;
    download.finished = QDateTime::currentDateTime();
    download.port_number = under_way_.port_number;
    download.device = under_way_.device;
    download.reported_total = under_way_.reported_total;
    download.groups_read = p.state.link.next_group - 1;
    download.end = complete ? DownloadEnd::Complete : DownloadEnd::Abandoned;
    std::vector<Group> groups;
    groups.reserve(under_way_.groups.size());
    for (const auto& entry : under_way_.groups) groups.push_back(entry.second);
    under_way_.groups.clear();
    last_saved_ = archive_.save_download(download, groups);
    if (!last_saved_) {
        report_fault(p);
        return;
    }
    // The inspector and instrument last given are this download's until someone says otherwise.
    const InspectionDefaults defaults = saved_inspection_defaults();
    if (!defaults.inspector.isEmpty() || !defaults.instrument_serial.isEmpty()) {
        InspectionDetails details;
        details.inspector = defaults.inspector;
        details.instrument_serial = defaults.instrument_serial;
        if (!archive_.set_details(*last_saved_, details)) report_fault(p);
    }
}

void DownloadRecorder::read_began(const Program& p) {
    read_given_up(p);
    if (!usable()) return;
    under_way_ = UnderWay{};
    under_way_.open = true;
    under_way_.started = QDateTime::currentDateTime();
    under_way_.port_number = p.state.link.open_port_number;
    under_way_.device =
        p.ports.line ? p.ports.line->device_name(under_way_.port_number) : QString();
    under_way_.reported_total = p.state.link.instrument_group_count;
}

void DownloadRecorder::group_stored(const Program&, const Group& group) {
    if (under_way_.open) under_way_.groups[group.number] = group;
}

void DownloadRecorder::read_completed(const Program& p) {
    close(p, true);
}

void DownloadRecorder::read_given_up(const Program& p) {
    close(p, false);
}

void DownloadRecorder::report_fault(const Program& p) {
    if (fault_shown_ || !p.ports.message_box) return;
    const std::optional<ArchiveFault> fault = archive_.fault();
    if (!fault) return;
    fault_shown_ = true;
    p.ports.message_box->notify(text::kMessageTitle,
                                archive_fault_message(archive_.file(), *fault));
}

}  // namespace eqbond
