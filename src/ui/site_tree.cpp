#include "ui/site_tree.h"

#include <QHeaderView>

namespace eqbond::ui {

namespace {
constexpr int kChoiceRole = Qt::UserRole;  // the item's place in the view: site, location, row

bool same_branch(const SiteTreeView::Site& x, const SiteTreeView::Site& y) {
    if (x.opened != y.opened || x.locations.size() != y.locations.size()) return false;
    for (size_t l = 0; l < x.locations.size(); ++l) {
        const auto &p = x.locations[l], &q = y.locations[l];
        if (p.caption != q.caption || p.inspections.size() != q.inspections.size()) return false;
        for (size_t n = 0; n < p.inspections.size(); ++n)
            if (p.inspections[n].download_id != q.inspections[n].download_id ||
                p.inspections[n].caption != q.inspections[n].caption)
                return false;
    }
    return true;
}

bool same_sites(const SiteTreeView& a, const SiteTreeView& b) {
    if (a.sites.size() != b.sites.size()) return false;
    for (size_t i = 0; i < a.sites.size(); ++i)
        if (a.sites[i].id != b.sites[i].id || a.sites[i].name != b.sites[i].name) return false;
    return true;
}

// A site's locations and inspections as items under it.
void fill_branch(QTreeWidgetItem* item, int s, const SiteTreeView::Site& site) {
    qDeleteAll(item->takeChildren());
    // A site not yet opened shows that it can be, before its branches are read.
    item->setChildIndicatorPolicy(site.opened ? QTreeWidgetItem::DontShowIndicatorWhenChildless
                                              : QTreeWidgetItem::ShowIndicator);
    for (size_t l = 0; l < site.locations.size(); ++l) {
        auto* place = new QTreeWidgetItem(item, QStringList{site.locations[l].caption});
        place->setData(0, kChoiceRole, QVariantList{s, int(l)});
        const auto& inspections = site.locations[l].inspections;
        for (size_t n = 0; n < inspections.size(); ++n) {
            auto* inspection = new QTreeWidgetItem(place, QStringList{inspections[n].caption});
            inspection->setData(0, kChoiceRole, QVariantList{s, int(l), int(n)});
        }
        place->setExpanded(true);
    }
    if (site.opened) item->setExpanded(true);
}
}  // namespace

SiteTree::SiteTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("SiteTree"));
    setColumnCount(1);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        const TreeChoice choice = choice_of(item);
        if (!copying_ && choice.node == TreeNode::Site && on_open) on_open(choice.site_id);
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!copying_ && on_choose) on_choose(choice_of(current));
    });
}

TreeChoice SiteTree::choice_of(const QTreeWidgetItem* item) const {
    if (!item) return {};
    const QList<QVariant> place = item->data(0, kChoiceRole).toList();
    const SiteTreeView::Site& site = shown_.sites[size_t(place.value(0).toInt())];
    if (place.size() == 1) return {TreeNode::Site, site.id, {}, 0};
    const SiteTreeView::Location& location = site.locations[size_t(place.value(1).toInt())];
    if (place.size() == 2) return {TreeNode::Location, site.id, location.location, 0};
    return {TreeNode::Inspection, site.id, location.location,
            location.inspections[size_t(place.value(2).toInt())].download_id};
}

QTreeWidgetItem* SiteTree::item_of(const TreeChoice& choice) const {
    for (int s = 0; s < topLevelItemCount(); ++s) {
        QTreeWidgetItem* site = topLevelItem(s);
        if (shown_.sites[size_t(s)].id != choice.site_id) continue;
        if (choice.node == TreeNode::Site) return site;
        for (int l = 0; l < site->childCount(); ++l) {
            QTreeWidgetItem* place = site->child(l);
            if (shown_.sites[size_t(s)].locations[size_t(l)].location != choice.location) continue;
            if (choice.node == TreeNode::Location) return place;
            for (int n = 0; n < place->childCount(); ++n)
                if (choice_of(place->child(n)).download_id == choice.download_id)
                    return place->child(n);
        }
    }
    return nullptr;
}

void SiteTree::show_view(const SiteTreeView& view) {
    copying_ = true;
    setHeaderLabel(view.heading);
    // Items are kept where the view kept them: a site's branch changes alone.
    if (!same_sites(view, shown_)) {
        clear();
        shown_.sites.clear();
        for (const SiteTreeView::Site& site : view.sites) {
            auto* item = new QTreeWidgetItem(QStringList{site.name});
            item->setData(0, kChoiceRole, QVariantList{int(shown_.sites.size())});
            addTopLevelItem(item);
            shown_.sites.push_back({site.id, site.name, false, {}});
            fill_branch(item, topLevelItemCount() - 1, shown_.sites.back());
        }
    }
    for (size_t s = 0; s < view.sites.size(); ++s) {
        if (same_branch(view.sites[s], shown_.sites[s])) continue;
        shown_.sites[s] = view.sites[s];
        fill_branch(topLevelItem(int(s)), int(s), view.sites[s]);
    }
    shown_.chosen = view.chosen;
    setCurrentItem(view.chosen.node == TreeNode::None ? nullptr : item_of(view.chosen));
    copying_ = false;
}

}  // namespace eqbond::ui
