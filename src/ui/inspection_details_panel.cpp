#include "ui/inspection_details_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "inspection/inspection_texts.h"
#include "ui/caption_room.h"

namespace eqbond::ui {

namespace {
QLineEdit* field(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void copy(QLineEdit* edit, const QString& now, const QString& before, bool first) {
    if (first || now != before) edit->setText(now);
}
}  // namespace

InspectionDetailsPanel::InspectionDetailsPanel(QWidget* parent) : QWidget(parent) {
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

    connect(site_list_, &QComboBox::currentIndexChanged, this, [this] {
        if (!copying_ && on_site_chosen) on_site_chosen(site_list_->currentData().toLongLong());
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (on_save) on_save();
    });
}

DetailsForm InspectionDetailsPanel::typed() const {
    DetailsForm form;
    form.site_id = site_list_->currentData().toLongLong();
    form.site_name = site_name_->text();
    form.site_address = address_->text();
    form.site_customer = customer_->text();
    form.location = location_->text();
    form.inspector = inspector_->text();
    form.instrument_serial = instrument_->text();
    form.notes = notes_->text();
    return form;
}

void InspectionDetailsPanel::show_view(const DetailsPanelView& view) {
    copying_ = true;
    // Another download: every field is its own.
    const bool first = shown_.sites.empty() || view.download_id != shown_.download_id;
    setEnabled(view.enabled);
    if (view.sites != shown_.sites) {
        site_list_->clear();
        for (const auto& [id, name] : view.sites) site_list_->addItem(name, qlonglong(id));
    }
    site_list_->setCurrentIndex(std::max(0, site_list_->findData(qlonglong(view.form.site_id))));
    const DetailsForm& now = view.form;
    const DetailsForm& before = shown_.form;
    copy(site_name_, now.site_name, before.site_name, first || now.site_id != before.site_id);
    copy(address_, now.site_address, before.site_address, first || now.site_id != before.site_id);
    copy(customer_, now.site_customer, before.site_customer,
         first || now.site_id != before.site_id);
    copy(location_, now.location, before.location, first);
    copy(inspector_, now.inspector, before.inspector, first);
    copy(instrument_, now.instrument_serial, before.instrument_serial, first);
    copy(notes_, now.notes, before.notes, first);
    site_name_->setEnabled(view.site_name_editable && !view.read_only);
    // Readable and copyable, not changeable.
    for (QLineEdit* edit : {address_, customer_, location_, inspector_, instrument_, notes_})
        edit->setReadOnly(view.read_only);
    site_list_->setEnabled(!view.read_only);
    save_->setEnabled(!view.read_only);
    message_->setText(view.message);
    message_->setStyleSheet(view.problem ? QStringLiteral("color: #c00000") : QString());
    shown_ = view;
    copying_ = false;
}

}  // namespace eqbond::ui
