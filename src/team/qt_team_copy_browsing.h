#pragma once
// The copy of the team archive as the team view browses it: as this computer's archive, but its
// list holds the newest downloads only (a site's branch in the tree holds all of the site's), and
// a download held by its summary alone shows the lowest and highest values the server gave.
#include "archive/qt_sqlite_file.h"
#include "inspection/inspection_port.h"
#include "inspection/qt_sqlite_inspections.h"

namespace eqbond {

class QtTeamCopyBrowsing : public InspectionBrowsing {
  public:
    QtTeamCopyBrowsing(QtSqliteFile& file, QtSqliteInspections& copy) : file_(file), copy_(copy) {}

    // As many as the window lists and shows within one turn of its event loop (a thousand took
    // twice as long as the window may stall); the site tree reaches the others.
    static constexpr int kListed = 300;

    QString file() const override { return copy_.file(); }
    std::optional<ArchiveFault> fault() const override { return copy_.fault(); }
    std::vector<ListedInspection> list(std::optional<BondingLimit> limit) override {
        return with_summaries(copy_.list_newest(limit, kListed));
    }
    std::vector<ListedInspection> list_site(int64_t site_id,
                                            std::optional<BondingLimit> limit) override {
        return with_summaries(copy_.list_site(site_id, limit));
    }
    std::optional<Inspection> load(int64_t id) override { return copy_.load(id); }
    std::vector<Site> sites() override { return copy_.sites(); }
    std::optional<Site> site(int64_t site_id) override { return copy_.site(site_id); }
    QStringList locations(int64_t site_id) override { return copy_.locations(site_id); }
    std::vector<PointValue> point_history(int64_t site_id, const QString& location,
                                          const QString& label) override {
        return copy_.point_history(site_id, location, label);
    }
    PreviousValues previous_values(int64_t download_id) override {
        return copy_.previous_values(download_id);
    }
    QStringList plan(int64_t site_id, const QString& location) override {
        return copy_.plan(site_id, location);
    }
    std::vector<InspectedLocation> inspected_locations(int default_months) override {
        return copy_.inspected_locations(default_months);
    }
    std::vector<Instrument> instruments() override { return copy_.instruments(); }
    std::optional<Instrument> instrument(const QString& serial) override {
        return copy_.instrument(serial);
    }

    bool groups_held(int64_t download_id) override;

  private:
    std::vector<ListedInspection> with_summaries(std::vector<ListedInspection> listed);

    QtSqliteFile& file_;
    QtSqliteInspections& copy_;
};

}  // namespace eqbond
