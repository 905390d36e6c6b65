#include "inspection/download_recorder.h"

#include "archive/archive_fault.h"
#include "base/program.h"
#include "base/serial_line.h"
#include "base/texts.h"
#include "inspection/inspection_settings.h"

namespace eqbond {

namespace {
// Another program held the file at two chances in a row: that lasts.
constexpr int kHeldChancesThatLast = 2;
}  // namespace

bool DownloadRecorder::usable() const {
    const std::optional<ArchiveFault> fault = archive_.fault();
    return !fault || (fault->passing && held_chances_ < kHeldChancesThatLast);
}

bool DownloadRecorder::save_waiting(const Program& p) {
    while (!unsaved_.empty() && usable()) {
        const Unsaved& next = unsaved_.front();
        last_saved_ = archive_.save_download(next.download, next.groups, next.given);
        if (!last_saved_) {
            const std::optional<ArchiveFault> fault = archive_.fault();
            if (fault && fault->passing) ++held_chances_;
            report_fault(p);
            return false;
        }
        held_chances_ = 0;
        unsaved_.erase(unsaved_.begin());
    }
    return unsaved_.empty();
}

void DownloadRecorder::close(const Program& p, bool complete) {
    if (!under_way_.open) return;
    under_way_.open = false;
    // A read that brought nothing (the instrument held no groups) is no download worth keeping.
    if (under_way_.groups.empty() || !usable()) return;
    Unsaved read;
    read.download.started = under_way_.started;
    read.download.finished = QDateTime::currentDateTime();
    read.download.port_number = under_way_.port_number;
    read.download.device = under_way_.device;
    read.download.reported_total = under_way_.reported_total;
    read.download.groups_read = p.state.link.next_group - 1;
    read.download.end = complete ? DownloadEnd::Complete : DownloadEnd::Abandoned;
    read.groups.reserve(under_way_.groups.size());
    for (const auto& entry : under_way_.groups) read.groups.push_back(entry.second);
    under_way_.groups.clear();
    if (given_) {
        read.given = *given_;
    } else {
        // The inspector and instrument last given are this download's until someone says
        // otherwise.
        const InspectionDefaults defaults = saved_inspection_defaults();
        read.given.details.inspector = defaults.inspector;
        read.given.details.instrument_serial = defaults.instrument_serial;
    }
    unsaved_.push_back(std::move(read));
    save_waiting(p);
}

void DownloadRecorder::read_began(const Program& p) {
    read_given_up(p);
    save_waiting(p);
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
    // Closing the program gives up a read: the last chance for what waits.
    save_waiting(p);
}

void DownloadRecorder::report_fault(const Program& p) {
    if (fault_shown_ || !p.ports.message_box) return;
    if (usable()) return;
    const std::optional<ArchiveFault> fault = archive_.fault();
    fault_shown_ = true;
    p.ports.message_box->notify(text::kMessageTitle,
                                archive_fault_message(archive_.file(), *fault));
}

}  // namespace eqbond
