#include "inspection/planning_view.h"

#include <algorithm>

#include "inspection/inspection_texts.h"

namespace eqbond {

namespace {

TableCell cell(const QString& text, const QVariant& sort) {
    return {text, sort, false, CellTone::Plain, {}};
}

QString day_text(QDate day) {
    return day.toString(Qt::ISODate);
}

TableRow due_row(const DueLine& line, int64_t key) {
    using namespace due_column;
    static const text::ScreenText* const kWords[] = {&text::kDueOverdue, &text::kDueSoon,
                                                     &text::kDueOk};
    std::vector<TableCell> cells(Count);
    cells[Status] = cell(kWords[int(line.status)]->shown(), int(line.status));
    cells[Next] = cell(day_text(line.next), line.next.toJulianDay());
    cells[Last] = cell(day_text(line.location.last), line.location.last.toJulianDay());
    cells[SiteName] = cell(line.location.site, line.location.site);
    cells[Location] = cell(line.location.location, line.location.location);
    cells[Unmeasured] = cell(QString::number(line.location.unmeasured), line.location.unmeasured);
    for (TableCell& c : cells) {
        c.failing = line.status == DueStatus::Overdue;
        c.tone = line.status == DueStatus::Due  ? CellTone::Warning
                 : line.status == DueStatus::Ok ? CellTone::Fine
                                                : CellTone::Plain;
    }
    return {key, cells};
}

}  // namespace

PlanningView planning_view(const std::vector<DueLine>& due,
                           const std::vector<Instrument>& register_, QDate today) {
    PlanningView view;
    view.due.headings =
        QStringList{text::kColumnDueStatus.shown(),      text::kColumnNextDate.shown(),
                    text::kColumnLastInspection.shown(), text::kColumnSite.shown(),
                    text::kColumnLocation.shown(),       text::kColumnUnmeasured.shown()};
    view.due.hidden.assign(due_column::Count, false);
    for (size_t i = 0; i < due.size(); ++i) view.due.rows.push_back(due_row(due[i], int64_t(i)));

    using namespace instrument_column;
    view.instruments.headings =
        QStringList{text::kColumnSerial.shown(), text::kColumnCalibrated.shown(),
                    text::kColumnCalibrationDue.shown(), text::kColumnCertificate.shown(),
                    text::kColumnModel.shown()};
    view.instruments.hidden.assign(Count, false);
    for (size_t i = 0; i < register_.size(); ++i) {
        const Instrument& in = register_[i];
        std::vector<TableCell> cells(Count);
        cells[Serial] = cell(in.serial, in.serial);
        cells[Calibrated] = cell(day_text(in.calibrated), in.calibrated.toJulianDay());
        cells[Due] = cell(day_text(in.due), in.due.toJulianDay());
        if (in.due < today)
            cells[Due].text += QStringLiteral("  ") + text::kCalibrationExpired.shown();
        cells[Due].failing = in.due < today;
        cells[Certificate] = cell(in.certificate, in.certificate);
        cells[Model] = cell(in.model, in.model);
        view.instruments.rows.push_back({int64_t(i), cells});
    }
    return view;
}

std::vector<ReportPage> due_report_pages(const TableView& due) {
    // The title, a blank line, the headings and the page number take four of a page's lines.
    const size_t rows_per_page = size_t(kReportLinesPerPage - 4);
    std::vector<ReportPage> pages;
    for (size_t first = 0; first < due.rows.size() || pages.empty(); first += rows_per_page) {
        ReportPage page{{ReportLineKind::Title, {text::kDueTitle.shown()}},
                        {ReportLineKind::Blank, {QString()}},
                        {ReportLineKind::Heading, due.headings}};
        for (size_t r = first; r < std::min(due.rows.size(), first + rows_per_page); ++r) {
            QStringList cells;
            for (const TableCell& c : due.rows[r].cells) cells << c.text;
            page.push_back({ReportLineKind::Row, cells});
        }
        pages.push_back(page);
    }
    const QString total = QString::number(pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        pages[i].push_back(
            {ReportLineKind::PageNumber, {text::kReportPage.arg(QString::number(i + 1), total)}});
    return pages;
}

}  // namespace eqbond
