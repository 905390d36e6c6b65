#include "ui/site_tree.h"

#include <QHeaderView>

#include "archive/archive_export.h"
#include "inspection/inspection_port.h"
#include "inspection/inspection_texts.h"

namespace eqbond::ui {

namespace {
QTreeWidgetItem* item_of(SiteTree::Kind kind, int64_t id, const QString& caption) {
    auto* item = new QTreeWidgetItem(QStringList{caption});
    item->setData(0, SiteTree::kKindRole, int(kind));
    item->setData(0, SiteTree::kIdRole, qlonglong(id));
    return item;
}

SiteTree::Kind kind_of(const QTreeWidgetItem* item) {
    return SiteTree::Kind(item->data(0, SiteTree::kKindRole).toInt());
}

const QTreeWidgetItem* site_of(const QTreeWidgetItem* item) {
    while (item && item->parent()) item = item->parent();
    return item;
}
}  // namespace

SiteTree::SiteTree(InspectionArchive& archive, QWidget* parent)
    : QTreeWidget(parent), archive_(archive) {
    setObjectName(QStringLiteral("SiteTree"));
    setHeaderLabel(text::kSiteTreeHeading);
    setColumnCount(1);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemExpanded, this, &SiteTree::expand_site);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { choose(current); });
}

void SiteTree::refresh() {
    const std::optional<int64_t> open = chosen_site();
    const QSignalBlocker quiet(this);
    clear();
    for (const Site& site : archive_.sites()) {
        QTreeWidgetItem* item = item_of(Kind::Site, site.id, site.name);
        // A placeholder child, so that the site shows it can be opened before it is read.
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        addTopLevelItem(item);
        if (open && *open == site.id) {
            setCurrentItem(item);
            expand_site(item);
            item->setExpanded(true);
        }
    }
}

void SiteTree::expand_site(QTreeWidgetItem* site) {
    if (!site || kind_of(site) != Kind::Site || site->childCount() > 0) return;
    const int64_t site_id = site->data(0, kIdRole).toLongLong();
    const std::vector<ListedInspection> inspections = archive_.list_site(site_id, std::nullopt);
    for (const QString& location : archive_.locations(site_id)) {
        // A mark, not a word, for inspections given a site but no location yet.
        QTreeWidgetItem* place =
            item_of(Kind::Location, site_id, location.isEmpty() ? QStringLiteral("—") : location);
        site->addChild(place);
        for (const ListedInspection& s : inspections) {
            if (s.location != location) continue;
            const std::optional<InspectionDetails> details = archive_.details(s.id);
            QString caption = started_text(s.download);
            if (details && !details->inspector.isEmpty())
                caption += QStringLiteral("  ") + details->inspector;
            place->addChild(item_of(Kind::Inspection, s.id, caption));
        }
        place->setExpanded(true);
    }
    site->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

std::optional<int64_t> SiteTree::chosen_site() const {
    const QTreeWidgetItem* site = site_of(currentItem());
    if (!site) return std::nullopt;
    return site->data(0, kIdRole).toLongLong();
}

void SiteTree::choose(QTreeWidgetItem* item) {
    if (item && kind_of(item) == Kind::Inspection) {
        emit inspection_chosen(item->data(0, kIdRole).toLongLong());
        return;
    }
    if (item && kind_of(item) == Kind::Site) {
        expand_site(item);
        item->setExpanded(true);
    }
    emit site_chosen(chosen_site());
}

}  // namespace eqbond::ui
