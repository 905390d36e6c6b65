#pragma once
// The archive by site: the sites, then the chosen site's locations, each with its inspections
// newest first (when the read started and who measured). A site's branches are read from the
// archive when it is opened, so that a large archive opens at once.
#include <QTreeWidget>
#include <cstdint>
#include <optional>

#include "archive/bonding_limit.h"

namespace eqbond {
class InspectionArchive;
}

namespace eqbond::ui {

class SiteTree : public QTreeWidget {
    Q_OBJECT
  public:
    enum class Kind { Site, Location, Inspection };
    static constexpr int kKindRole = Qt::UserRole;
    static constexpr int kIdRole = Qt::UserRole + 1;  // the site's or the download's id

    SiteTree(InspectionArchive& archive, QWidget* parent);

    // Reads the sites again, keeping the chosen site open.
    void refresh();
    // Opens a site's branches (they are read only now).
    void expand_site(QTreeWidgetItem* site);
    // The site chosen, or the site of the location or inspection chosen.
    std::optional<int64_t> chosen_site() const;

  signals:
    void site_chosen(std::optional<int64_t> site_id);
    void inspection_chosen(int64_t download_id);

  private:
    void choose(QTreeWidgetItem* item);
    InspectionArchive& archive_;
};

}  // namespace eqbond::ui
