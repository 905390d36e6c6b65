#pragma once
// The team view's changes: made in the copy of the team archive as in this computer's archive
// (its downloads then wait to be pushed), and a plan kept there is also kept for the team: it is
// handed on, with its site's name, for the next round to take to the server. A download whose
// groups are not in the copy yet cannot change: what would be pushed lacks them.
#include <functional>

#include "inspection/inspection_port.h"
#include "team/team_download.h"

namespace eqbond {

class TeamCopyEditing : public InspectionEditing {
  public:
    TeamCopyEditing(InspectionBrowsing& copy_read, InspectionEditing& copy,
                    std::function<void(const TeamPlan&)> plan_kept,
                    std::function<bool(int64_t)> held_whole = {})
        : read_(copy_read),
          copy_(copy),
          plan_kept_(std::move(plan_kept)),
          held_whole_(std::move(held_whole)) {}

    QString file() const override { return copy_.file(); }
    std::optional<ArchiveFault> fault() const override { return copy_.fault(); }
    bool describe(int64_t download_id, const SiteChoice& site,
                  const InspectionDetails& details) override {
        return whole(download_id) && copy_.describe(download_id, site, details);
    }
    bool set_label(int64_t download_id, int32_t number,
                   const std::optional<QString>& label) override {
        return whole(download_id) && copy_.set_label(download_id, number, label);
    }
    bool set_limit(int64_t download_id, int32_t number, std::optional<JudgedLimit> limit) override {
        return whole(download_id) && copy_.set_limit(download_id, number, limit);
    }
    bool delete_download(int64_t id) override { return copy_.delete_download(id); }
    bool label_from_plan(int64_t download_id, const PlannedPoints& points,
                         const QStringList& plan) override;

  private:
    bool whole(int64_t download_id) const { return !held_whole_ || held_whole_(download_id); }

    InspectionBrowsing& read_;
    InspectionEditing& copy_;
    std::function<void(const TeamPlan&)> plan_kept_;
    std::function<bool(int64_t)> held_whole_;
};

}  // namespace eqbond
