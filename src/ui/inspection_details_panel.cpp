#include "ui/inspection_details_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "inspection/inspection_port.h"
#include "inspection/inspection_settings.h"
#include "inspection/inspection_texts.h"
#include "inspection/test_plan.h"
#include "ui/caption_room.h"

namespace eqbond::ui {

namespace {
constexpr qlonglong kNewSite = 0;  // the site list's entry that makes a site

QLineEdit* field(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}
}  // namespace

InspectionDetailsPanel::InspectionDetailsPanel(InspectionArchive& archive, QWidget* parent)
    : QWidget(parent), archive_(archive) {
    setObjectName(QStringLiteral("InspectionDetails"));
    site_list_ = new QComboBox(this);
    site_list_->setObjectName(QStringLiteral("DetailsSite"));
    site_name_ = field(this, "SiteName");
    address_ = field(this, "SiteAddress");
    customer_ = field(this, "SiteCustomer");
    location_ = field(this, "DetailsLocation");
    inspector_ = field(this, "DetailsInspector");
    instrument_ = field(this, "DetailsInstrument");
    notes_ = field(this, "DetailsNotes");
    save_ = new QPushButton(text::kSaveDetails, this);
    keep_caption_readable(save_);
    save_->setObjectName(QStringLiteral("SaveDetails"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("DetailsMessage"));
    message_->setWordWrap(true);

    auto* title = new QLabel(text::kDetailsTitle, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* form = new QFormLayout;
    form->addRow(text::kDetailsSite, site_list_);
    form->addRow(text::kSiteName, site_name_);
    form->addRow(text::kSiteAddress, address_);
    form->addRow(text::kSiteCustomer, customer_);
    form->addRow(text::kDetailsLocation, location_);
    form->addRow(text::kDetailsInspector, inspector_);
    form->addRow(text::kDetailsInstrument, instrument_);
    form->addRow(text::kDetailsNotes, notes_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addWidget(save_);
    layout->addWidget(message_);
    layout->addStretch(1);

    connect(site_list_, &QComboBox::currentIndexChanged, this, [this] { show_site(); });
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    show_download(std::nullopt);
}

void InspectionDetailsPanel::show_download(const std::optional<Inspection>& download) {
    const std::optional<int64_t> id =
        download ? std::optional<int64_t>(download->id) : std::nullopt;
    if (id != download_id_) say(QString(), false);  // the last message was about another one
    download_id_ = id;
    setEnabled(download.has_value());
    const InspectionDetails details = download ? download->details : InspectionDetails{};
    fill_sites(details.site_id);
    location_->setText(details.location);
    notes_->setText(details.notes);
    // A download not yet described starts from the inspector and instrument given last.
    const bool described =
        details.site_id || !details.inspector.isEmpty() || !details.instrument_serial.isEmpty();
    const InspectionDefaults defaults =
        described ? InspectionDefaults{details.inspector, details.instrument_serial}
                  : saved_inspection_defaults();
    inspector_->setText(defaults.inspector);
    instrument_->setText(defaults.instrument_serial);
}

void InspectionDetailsPanel::fill_sites(std::optional<int64_t> chosen) {
    const QSignalBlocker quiet(site_list_);
    site_list_->clear();
    site_list_->addItem(text::kNewSite, kNewSite);
    for (const Site& site : archive_.sites()) {
        site_list_->addItem(site.name, qlonglong(site.id));
        site_list_->setItemData(site_list_->count() - 1, site.address, Qt::UserRole + 1);
        site_list_->setItemData(site_list_->count() - 1, site.customer, Qt::UserRole + 2);
        if (chosen && *chosen == site.id) site_list_->setCurrentIndex(site_list_->count() - 1);
    }
    show_site();
}

void InspectionDetailsPanel::show_site() {
    const bool made = site_list_->currentData().toLongLong() == kNewSite;
    site_name_->setEnabled(made);
    site_name_->setText(made ? QString() : site_list_->currentText());
    address_->setText(made ? QString() : site_list_->currentData(Qt::UserRole + 1).toString());
    customer_->setText(made ? QString() : site_list_->currentData(Qt::UserRole + 2).toString());
}

void InspectionDetailsPanel::say(const QString& text, bool problem) {
    message_->setText(text);
    message_->setStyleSheet(problem ? QStringLiteral("color: #c00000") : QString());
}

bool InspectionDetailsPanel::save() {
    if (!download_id_) return false;
    const struct {
        const text::ScreenText& caption;
        QLineEdit* edit;
    } fields[] = {
        {text::kSiteName, site_name_},         {text::kSiteAddress, address_},
        {text::kSiteCustomer, customer_},      {text::kDetailsLocation, location_},
        {text::kDetailsInspector, inspector_}, {text::kDetailsInstrument, instrument_},
        {text::kDetailsNotes, notes_},
    };
    for (const auto& f : fields) {
        const std::optional<LabelProblem> problem = label_problem(f.edit->text().trimmed());
        if (!problem) continue;
        QString caption = f.caption.shown();
        caption.remove(QLatin1Char(':'));
        const text::ScreenText& why =
            *problem == LabelProblem::TooLong ? text::kDetailsTooLong : text::kDetailsControl;
        say(why.arg(caption), true);
        return false;
    }
    // Everything is read before the archive changes: its change signal refills the panel.
    const bool made = site_list_->currentData().toLongLong() == kNewSite;
    Site typed{made ? 0 : site_list_->currentData().toLongLong(), site_name_->text().trimmed(),
               address_->text().trimmed(), customer_->text().trimmed()};
    if (made && typed.name.isEmpty() && !(typed.address + typed.customer).isEmpty()) {
        say(text::kSiteNameMissing, true);
        return false;
    }
    InspectionDetails details;
    details.location = location_->text().trimmed();
    details.inspector = inspector_->text().trimmed();
    details.instrument_serial = instrument_->text().trimmed();
    details.notes = notes_->text().trimmed();
    const int64_t id = *download_id_;
    const bool site_wanted = !typed.name.isEmpty();
    if (site_wanted) details.site_id = saved_site(typed);
    if ((site_wanted && !details.site_id) || !archive_.set_details(id, details)) {
        say(text::kDetailsFailed, true);
        return false;
    }
    save_inspection_defaults({details.inspector, details.instrument_serial});
    say(text::kDetailsSaved, false);
    return true;
}

// The site typed, made first when it is new (id 0), with its address and customer as typed.
std::optional<int64_t> InspectionDetailsPanel::saved_site(const Site& typed) {
    std::optional<Site> site;
    if (typed.id != 0) {
        for (const Site& s : archive_.sites())
            if (s.id == typed.id) site = s;
    } else {
        site = archive_.site_named(typed.name);
    }
    if (!site) return std::nullopt;
    if (site->address != typed.address || site->customer != typed.customer) {
        site->address = typed.address;
        site->customer = typed.customer;
        if (!archive_.update_site(*site)) return std::nullopt;
    }
    return site->id;
}

}  // namespace eqbond::ui
