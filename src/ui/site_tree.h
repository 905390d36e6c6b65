#pragma once
// The archive by site: the sites, then an opened site's locations, each with its inspections
// newest first (when the read started and who measured), as the archive window's view has them.
// A site's branches are read when it is opened, so that a large archive opens at once.
#include <QTreeWidget>
#include <functional>

#include "inspection/archive_window_view.h"

namespace eqbond::ui {

class SiteTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit SiteTree(QWidget* parent);

    // Copies the tree; rebuilt only when its sites or branches changed.
    void show_view(const SiteTreeView& view);

    // What opening a site and choosing an item do.
    std::function<void(int64_t site_id)> on_open;
    std::function<void(const TreeChoice& choice)> on_choose;

  private:
    TreeChoice choice_of(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* item_of(const TreeChoice& choice) const;
    SiteTreeView shown_;
    bool copying_ = false;
};

}  // namespace eqbond::ui
