#include "inspection/inspection_report.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "archive/archive_texts.h"
#include "base/text_cells.h"
#include "base/value_format.h"
#include "inspection/inspection_texts.h"

namespace eqbond {

namespace {

// Wider test points go on over more rows, so that no page is squeezed by one long label.
constexpr int kPointColumnCells = 36;

// Lines of at most `cells`, broken after a blank where there is one, else anywhere (Chinese).
QStringList wrapped(const QString& text, int cells) {
    QStringList parts;
    QString part;
    for (QChar c : text) {
        if (cells_of(part) + cells_of(c) > cells) {
            const int blank = part.lastIndexOf(QLatin1Char(' '));
            const QString rest = blank > 0 ? part.mid(blank + 1) : QString();
            parts << (blank > 0 ? part.left(blank) : part);
            part = rest;
            if (c == QLatin1Char(' ') && part.isEmpty()) continue;
        }
        part += c;
    }
    if (!part.isEmpty() || parts.isEmpty()) parts << part;
    return parts;
}

QString date_of(const Group& g) {
    return QStringLiteral("20%1-%2-%3")
        .arg(pad_date_time(g.year), pad_date_time(g.month), pad_date_time(g.day));
}

// The first and last day any group was measured on.
QString measured_dates(const std::vector<Group>& groups) {
    if (groups.empty()) return QString();
    const auto day = [](const Group& g) { return std::tuple(g.year, g.month, g.day); };
    const auto [first, last] =
        std::minmax_element(groups.begin(), groups.end(),
                            [&](const Group& a, const Group& b) { return day(a) < day(b); });
    if (day(*first) == day(*last)) return date_of(*first);
    return QStringLiteral("%1 – %2").arg(date_of(*first), date_of(*last));
}

QString signed_number(double value, int decimals) {
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', decimals);
}

QString change_text(const PointComparison& c) {
    if (!c.change_milliohm) return QString();
    QString text = signed_number(*c.change_milliohm, 0) + QStringLiteral(" mΩ");
    if (c.change_percent) text += QStringLiteral("  ") + signed_number(*c.change_percent, 1) + '%';
    return text;
}

// The serial, and from the register its certificate, calibration due date and whether the
// groups were measured after it.
QString instrument_text(const InspectionReportInput& in) {
    QString text = in.download.details.instrument_serial;
    if (!in.instrument) return text;
    text += QStringLiteral("   ") +
            text::kReportCalibration.arg(in.instrument->certificate,
                                         in.instrument->due.toString(Qt::ISODate));
    if (calibration_expired(in.download.groups, *in.instrument))
        text += QStringLiteral("   ") + text::kCalibrationExpired.shown();
    return text;
}

// Whether every judged group passed, or how many failed and deteriorated; nothing unjudged.
std::optional<QString> conclusion(const InspectionSummary& s) {
    if (s.passed + s.failed == 0) return std::nullopt;
    if (s.failed == 0 && s.deteriorated == 0) return text::kReportAllPassed.shown();
    return text::kReportConclusion.arg(QString::number(s.failed), QString::number(s.deteriorated));
}

std::vector<ReportLine> header_lines(const InspectionReportInput& in, const InspectionSummary& s) {
    const InspectionDetails& d = in.download.details;
    std::vector<ReportLine> lines;
    const Letterhead& head = in.letterhead;
    if (head.any()) {
        lines.push_back(
            {ReportLineKind::Letterhead,
             {head.lab, head.address,
              head.accreditation.isEmpty() ? QString()
                                           : text::kLetterheadAccreditation.arg(head.accreditation),
              head.telephone.isEmpty() ? QString() : text::kLetterheadTelephone.arg(head.telephone),
              head.logo_path}});
    }
    lines.push_back({ReportLineKind::Title, {text::kReportTitle}});
    lines.push_back({ReportLineKind::Blank, {QString()}});
    const auto fact = [&](const text::ScreenText& caption, const QString& value) {
        lines.push_back({ReportLineKind::BoxFact, {caption.arg(value)}});
    };
    fact(text::kReportSite, in.site ? in.site->name : QString());
    fact(text::kReportAddress, in.site ? in.site->address : QString());
    fact(text::kReportCustomer, in.site ? in.site->customer : QString());
    fact(text::kReportLocation, d.location);
    fact(text::kReportInspector, d.inspector);
    fact(text::kReportInstrument, instrument_text(in));
    fact(text::kReportMeasured, measured_dates(in.download.groups));
    fact(text::kReportLimit, in.limit ? bonding_limit_text(*in.limit) : text::kNoLimit.shown());
    if (!in.standard.isEmpty()) fact(text::kReportStandard, in.standard);
    if (const std::optional<QString> said = conclusion(s))
        lines.push_back({ReportLineKind::BoxFact, {*said}});
    lines.push_back({ReportLineKind::Blank, {QString()}});
    return lines;
}

ReportLine heading_line() {
    return {ReportLineKind::Heading,
            {text::kColumnGroup, text::kColumnPoint, text::kColumnValue, text::kColumnLimit,
             text::kColumnVerdict, text::kColumnPrevious, text::kColumnChange,
             text::kColumnDeteriorated}};
}

// A group's row, and more rows for the rest of a long test point.
std::vector<ReportLine> group_lines(const Group& g, const PointComparison* point,
                                    const GroupLimits& limits) {
    const QStringList label = wrapped(point ? point->label : QString(), kPointColumnCells);
    const Verdict judged = limits.verdict(g);
    QString verdict;
    if (judged != Verdict::NotJudged)
        verdict = judged == Verdict::Pass ? text::kPass.shown() : text::kFail.shown();
    const std::optional<JudgedLimit> limit = limits.of(g);
    const bool before = point && point->previous;
    std::vector<ReportLine> lines{
        {ReportLineKind::Row,
         {QString::number(g.number), label[0], measured_resistance(g.milliohm).trimmed(),
          limit ? limit_number(*limit) + QStringLiteral(" Ω") : QString(), verdict,
          before ? measured_resistance(point->previous->group.milliohm).trimmed() : QString(),
          point ? change_text(*point) : QString(),
          point && point->deteriorated ? text::kDeterioratedMark.shown() : QString()},
         judged == Verdict::Fail}};
    for (int i = 1; i < label.size(); ++i)
        lines.push_back({ReportLineKind::Row,
                         {QString(), label[i], {}, {}, {}, {}, {}, {}},
                         judged == Verdict::Fail});
    return lines;
}

// Lines to sign on a draft; on an issued report who measured and approved it, and when.
std::vector<ReportLine> signature_lines(const InspectionReportInput& in) {
    if (!in.identity)
        return {{ReportLineKind::Blank, {QString()}},
                {ReportLineKind::Signature, {text::kReportName}},
                {ReportLineKind::Blank, {QString()}},
                {ReportLineKind::Signature, {text::kReportSignature}},
                {ReportLineKind::Blank, {QString()}},
                {ReportLineKind::Signature, {text::kReportDate}}};
    const ReportIdentity& id = *in.identity;
    const QString blank = QStringLiteral("____________");
    const QString approver = id.approver.isEmpty() ? blank : id.approver;
    const QString inspector =
        in.download.details.inspector.isEmpty() ? blank : in.download.details.inspector;
    return {{ReportLineKind::Blank, {QString()}},
            {ReportLineKind::Blank, {QString()}},
            {ReportLineKind::SignedBy,
             {text::kReportInspectedBy.arg(inspector, measured_dates(in.download.groups)),
              in.letterhead.inspector_signature_path}},
            {ReportLineKind::Blank, {QString()}},
            {ReportLineKind::Blank, {QString()}},
            {ReportLineKind::SignedBy,
             {text::kReportApprovedBy.arg(approver, id.issued.toString(Qt::ISODate)),
              in.letterhead.approver_signature_path}}};
}

std::vector<ReportLine> closing_lines(const InspectionSummary& s, const InspectionReportInput& in) {
    std::vector<ReportLine> lines{
        {ReportLineKind::Blank, {QString()}},
        {ReportLineKind::Summary,
         {text::kReportSummary.arg(QString::number(s.tested), QString::number(s.passed),
                                   QString::number(s.failed), QString::number(s.deteriorated),
                                   QString::number(s.overloads))}}};
    const std::optional<ReportIdentity>& identity = in.identity;
    if (identity && identity->replaces) {
        lines.push_back({ReportLineKind::Blank, {QString()}});
        lines.push_back(
            {ReportLineKind::Fact,
             {text::kReportReplaces.arg(QString::number(*identity->replaces), identity->reason)}});
    }
    const std::vector<ReportLine> signature = signature_lines(in);
    lines.insert(lines.end(), signature.begin(), signature.end());
    if (!identity) return lines;
    lines.push_back({ReportLineKind::Blank, {QString()}});
    lines.push_back({ReportLineKind::QrCode, {issued_report_code(*identity)}});
    lines.push_back({ReportLineKind::End, {text::kReportEnd}});
    return lines;
}

// Fills pages with blocks that stay together, the table's headings on every page with rows.
class Pager {
  public:
    explicit Pager(std::optional<ReportLine> head) : head_(std::move(head)) {}
    void add(const std::vector<ReportLine>& block, bool table) {
        if (pages_.empty()) start_page();
        const int heading = table && !headed_ ? 1 : 0;
        int taken = 0;
        for (const ReportLine& line : block) taken += lines_taken(line);
        if (used() > (head_ ? 1 : 0) && used() + heading + taken > kReportLinesPerPage) {
            start_page();
            headed_ = false;
        }
        if (table && !headed_) {
            pages_.back().push_back(heading_line());
            headed_ = true;
        }
        for (const ReportLine& line : block) pages_.back().push_back(line);
    }
    std::vector<ReportPage> numbered() {
        const QString total = QString::number(pages_.size());
        for (size_t i = 0; i < pages_.size(); ++i)
            pages_[i].push_back({ReportLineKind::PageNumber,
                                 {text::kReportPage.arg(QString::number(i + 1), total)}});
        return std::move(pages_);
    }

  private:
    void start_page() {
        pages_.emplace_back();
        if (head_) pages_.back().push_back(*head_);
    }
    int used() const {
        int taken = 0;
        for (const ReportLine& line : pages_.back()) taken += lines_taken(line);
        return taken;
    }
    std::optional<ReportLine> head_;
    std::vector<ReportPage> pages_;
    bool headed_ = false;
};

}  // namespace

QString issued_report_code(const ReportIdentity& identity) {
    return QStringLiteral("%1 revision %2\nSHA-256 %3")
        .arg(identity.number, QString::number(identity.revision), identity.content_sha256);
}

InspectionSummary summarize(const std::vector<Group>& groups,
                            const std::vector<PointComparison>& points, const GroupLimits& limits) {
    InspectionSummary s;
    for (const Group& g : groups) {
        ++s.tested;
        const Verdict v = limits.verdict(g);
        if (v != Verdict::NotJudged) ++(v == Verdict::Pass ? s.passed : s.failed);
        if (g.overload()) ++s.overloads;
    }
    s.deteriorated = int(std::count_if(points.begin(), points.end(),
                                       [](const PointComparison& c) { return c.deteriorated; }));
    return s;
}

std::vector<ReportPage> inspection_report_pages(const InspectionReportInput& in) {
    const std::vector<PointComparison> points =
        compare_with_previous(in.download, in.previous, in.limit, in.rule);
    std::map<int32_t, const PointComparison*> by_group;
    for (const PointComparison& c : points) by_group[c.number] = &c;

    const GroupLimits limits(in.download.own_limits, in.limit);
    std::optional<ReportLine> head;
    if (in.identity)
        head = ReportLine{ReportLineKind::Identity,
                          {text::kReportIdentity.arg(in.identity->number,
                                                     QString::number(in.identity->revision))}};
    const InspectionSummary summary = summarize(in.download.groups, points, limits);
    Pager pager(head);
    pager.add(header_lines(in, summary), false);
    for (const Group& g : in.download.groups) {
        const auto point = by_group.find(g.number);
        pager.add(group_lines(g, point == by_group.end() ? nullptr : point->second, limits), true);
    }
    const std::vector<ReportLine> closing = closing_lines(summary, in);
    pager.add(closing, false);
    return pager.numbered();
}

}  // namespace eqbond
