#pragma once
// The archive's inspection records in its SQLite file, beside the downloads they describe: sites,
// details, test-point labels, the plans kept per location and the values of earlier inspections.
#include <QSqlQuery>

#include "archive/qt_sqlite_archive.h"
#include "archive/qt_sqlite_file.h"
#include "inspection/inspection_port.h"
#include "inspection/qt_sqlite_planning.h"

namespace eqbond {

class QtSqliteInspections : public DownloadSaving,
                            public InspectionBrowsing,
                            public InspectionEditing {
  public:
    explicit QtSqliteInspections(QtSqliteFile& file)
        : file_(file), downloads_(file), planning_(file) {}

    QString file() const override { return file_.file(); }
    std::optional<ArchiveFault> fault() const override { return file_.fault(); }
    std::optional<int64_t> save_download(const Download& download, const std::vector<Group>& groups,
                                         const NewInspection& given) override;
    std::vector<ListedInspection> list(std::optional<BondingLimit> limit) override;
    std::vector<ListedInspection> list_site(int64_t site_id,
                                            std::optional<BondingLimit> limit) override;
    std::optional<Inspection> load(int64_t id) override;
    bool delete_download(int64_t id) override;
    // The newest `count` downloads only, as list() lists them.
    std::vector<ListedInspection> list_newest(std::optional<BondingLimit> limit, int count);

    std::vector<Site> sites() override;
    std::optional<Site> site(int64_t site_id) override;
    bool describe(int64_t download_id, const SiteChoice& site,
                  const InspectionDetails& details) override;
    bool set_label(int64_t download_id, int32_t number,
                   const std::optional<QString>& label) override;
    bool set_limit(int64_t download_id, int32_t number, std::optional<JudgedLimit> limit) override;
    bool label_from_plan(int64_t download_id, const PlannedPoints& points,
                         const QStringList& plan) override;

    // One step each, for the command line's lists and for tests and benchmarks that make an
    // archive: a download alone; the site of a name, made when new; a site's address and
    // customer; a download's details; labels; a plan kept.
    std::optional<int64_t> save_download(const Download& download,
                                         const std::vector<Group>& groups);
    std::optional<Site> site_named(const QString& name);
    bool update_site(const Site& site);
    bool set_details(int64_t download_id, const InspectionDetails& details);
    bool set_labels(int64_t download_id, const PointLabels& labels);
    // Group `number`'s test point and its own limit together (no label: neither).
    bool set_point(int64_t download_id, int32_t number, const std::optional<QString>& label,
                   std::optional<JudgedLimit> limit);
    bool save_plan(int64_t site_id, const QString& location, const QStringList& labels);
    // Deletes a site with no inspections, and its test plans.
    SiteDeletion delete_site(int64_t site_id);
    // The details of a download; nothing on a fault or an unknown id.
    std::optional<InspectionDetails> details(int64_t download_id);
    QStringList plan(int64_t site_id, const QString& location) override;
    QStringList locations(int64_t site_id) override;
    std::vector<PointValue> point_history(int64_t site_id, const QString& location,
                                          const QString& label) override;
    PreviousValues previous_values(int64_t download_id) override;
    std::vector<InspectedLocation> inspected_locations(int default_months) override {
        return planning_.inspected_locations(std::nullopt, default_months)
            .value_or(std::vector<InspectedLocation>{});
    }
    std::vector<Instrument> instruments() override {
        return planning_.instruments().value_or(std::vector<Instrument>{});
    }
    std::optional<Instrument> instrument(const QString& serial) override {
        return planning_.instrument(serial);
    }

  private:
    // Inside a transaction: the site chosen, made or changed as it says (0: none); false on a
    // fault or a site that is not there.
    bool chosen_site(QSqlQuery& query, const SiteChoice& site, int64_t* id);
    bool describe_in(QSqlQuery& query, int64_t download_id, const SiteChoice& site,
                     const InspectionDetails& details);
    bool label_from_plan_in(QSqlQuery& query, int64_t download_id, const PlannedPoints& points,
                            const QStringList& plan);
    bool keep_plan_in(QSqlQuery& query, int64_t site_id, const QString& location,
                      const QStringList& labels);
    std::vector<ListedInspection> list_where(const QString& where, const QVariantList& values,
                                             std::optional<BondingLimit> limit);

    QtSqliteFile& file_;
    QtSqliteArchive downloads_;
    QtSqlitePlanning planning_;
};

// Inside a transaction: gives the groups named their labels (a blank one takes it away, with
// the limit) and marks the download changed; false on a fault or a group the download does not
// hold.
bool write_labels(QtSqliteFile& file, QSqlQuery& query, int64_t download_id,
                  const PointLabels& labels);
// Inside a transaction: gives each group named its own limit; the groups of `labels` not named
// lose theirs.
bool write_limits(QtSqliteFile& file, QSqlQuery& query, int64_t download_id,
                  const PointLabels& labels, const OwnLimits& limits);

// Five columns from `first`: site_id, location, inspector, instrument_serial, notes.
InspectionDetails details_of(const QSqlQuery& query, int first);

}  // namespace eqbond
