// The archive window's inspections: the comparison with the previous inspection, test points
// typed in the table or given by a test plan, one test point's history and the inspection report.
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

#include "archive/archive_texts.h"
#include "base/program.h"
#include "base/texts.h"
#include "inspection/inspection_print.h"
#include "inspection/inspection_settings.h"
#include "inspection/inspection_texts.h"
#include "inspection/qt_inspection_pdf.h"
#include "inspection/test_plan.h"
#include "report/save_button.h"
#include "ui/archive_models.h"
#include "ui/archive_plot.h"
#include "ui/archive_window.h"

namespace eqbond::ui {

void ArchiveWindow::compare() {
    points_.clear();
    if (!open_ || open_->labels.empty()) return;
    points_ = compare_with_previous(*open_, archive_.previous_values(open_->id), limit_,
                                    saved_deterioration_rule());
}

void ArchiveWindow::group_chosen(const QModelIndex& proxy_index) {
    const QModelIndex source = groups_proxy_->mapToSource(proxy_index);
    const std::vector<Group>& groups = groups_->groups();
    std::optional<Group> group;
    if (source.isValid() && source.row() < int(groups.size())) group = groups[size_t(source.row())];
    // The plan starts at the group chosen, as the inspector usually means.
    if (group) plan_first_->setValue(group->number);
    const auto label = group ? groups_->labels().find(group->number) : groups_->labels().end();
    if (!open_ || !open_->details.site_id || label == groups_->labels().end()) {
        history_title_->setText(text::kHistoryNone);
        history_->set_groups({}, limit_);
        history_->set_x_labels({});
        return;
    }
    // One point per inspection, numbered in the order they were made, under its day.
    std::vector<Group> values;
    QStringList days;
    for (const PointValue& v :
         archive_.point_history(*open_->details.site_id, open_->details.location, label->second)) {
        Group g = v.group;
        g.number = int32_t(values.size()) + 1;
        values.push_back(g);
        days << v.started.toString(QStringLiteral("yyyy-MM-dd"));
    }
    history_title_->setText(text::kHistoryTitle.arg(label->second));
    history_->set_groups(values, limit_);
    history_->set_x_labels(days);
}

void ArchiveWindow::store_label(int32_t number, const std::optional<QString>& label) {
    if (!open_) return;
    storing_label_ = true;
    const bool stored = archive_.set_label(open_->id, number, label);
    storing_label_ = false;
    if (!stored) {
        plan_message_->setText(text::kPlanNotStored);
    } else if (label) {
        open_->labels[number] = *label;
    } else {
        open_->labels.erase(number);
    }
    // The comparison follows once the table has finished with the edit.
    QMetaObject::invokeMethod(this, &ArchiveWindow::refresh, Qt::QueuedConnection);
}

void ArchiveWindow::apply_plan_file() {
    if (!open_ || !program_.ports.file_dialogs) return;
    const std::optional<QString> path = program_.ports.file_dialogs->choose_open_file(
        OpenRequest{text::kPlanFilter, suggested_save_folder()});
    if (!path) return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        plan_message_->setText(text::kPlanUnreadable);
        return;
    }
    const ReadPlan plan = read_plan(file.readAll());
    if (plan.error) {
        const text::ScreenText& why = plan.error->problem == LabelProblem::TooLong
                                          ? text::kPlanLineTooLong
                                          : text::kPlanLineControl;
        plan_message_->setText(why.arg(plan.error->line));
        return;
    }
    apply_plan(
        plan.labels,
        (plan.encoding == PlanEncoding::Utf8 ? text::kPlanReadUtf8 : text::kPlanReadGbk).shown());
}

void ArchiveWindow::apply_kept_plan() {
    if (!open_) return;
    if (!open_->details.site_id) {
        plan_message_->setText(text::kPlanNeedsSite);
        return;
    }
    const QStringList plan = archive_.plan(*open_->details.site_id, open_->details.location);
    if (plan.isEmpty()) {
        plan_message_->setText(text::kNoKeptPlan);
        return;
    }
    apply_plan(plan, QString());
}

// Labels the groups from the first group chosen and keeps the plan for the site's location.
void ArchiveWindow::apply_plan(const QStringList& plan, const QString& read_as) {
    const int64_t id = open_->id;
    const InspectionDetails details = open_->details;
    const PointLabels labels = plan_labels(plan, open_->groups, plan_first_->value());
    if (!archive_.set_labels(id, labels) ||
        (details.site_id && !archive_.save_plan(*details.site_id, details.location, plan))) {
        plan_message_->setText(text::kPlanNotStored);
        return;
    }
    QString said = text::kPlanApplied.arg(int(labels.size()));
    if (!read_as.isEmpty()) said += QStringLiteral(" (%1)").arg(read_as);
    if (!details.site_id) said += QStringLiteral("; ") + text::kPlanNeedsSite.shown();
    plan_message_->setText(said);
}

std::optional<InspectionReportInput> ArchiveWindow::report_input() {
    if (!open_) return std::nullopt;
    InspectionReportInput input;
    input.download = *open_;
    for (const Site& site : archive_.sites())
        if (open_->details.site_id && site.id == *open_->details.site_id) input.site = site;
    input.limit = limit_;
    input.standard = saved_report_standard();
    input.previous = archive_.previous_values(open_->id);
    input.rule = saved_deterioration_rule();
    return input;
}

void ArchiveWindow::export_report() {
    const std::optional<QString> path = choose_file(QStringLiteral(".pdf"), text::kPdfFilter);
    const std::optional<InspectionReportInput> input = report_input();
    if (!path || !input) return;
    QString error;
    if (!write_inspection_pdf(*path, inspection_report_pages(*input), &error))
        program_.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void ArchiveWindow::print_report() {
    const std::optional<InspectionReportInput> input = report_input();
    if (!input) return;
    PrintOutcome outcome = PrintOutcome::NoPrinter;
    if (program_.ports.printer)
        outcome = print_inspection_report(*program_.ports.printer, inspection_report_pages(*input));
    if (outcome == PrintOutcome::NoPrinter)
        program_.ports.message_box->notify(text::kMessageTitle, text::kNoPrinterMessage);
    if (outcome == PrintOutcome::Failed)
        program_.ports.message_box->notify(text::kMessageTitle, text::kPrintFailedMessage);
}

}  // namespace eqbond::ui
