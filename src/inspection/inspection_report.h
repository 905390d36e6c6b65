#pragma once
// The inspection report a customer is handed: the site and who measured it, one row per group
// with its verdict and the change since the previous inspection, a summary and lines to sign.
// Laid out here as pages of lines in the interface's language; qt_inspection_pdf.cpp draws them.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "inspection/inspection.h"
#include "inspection/inspection_comparison.h"
#include "inspection/instrument_register.h"

namespace eqbond {

// What an issued report says of itself: its number and revision on every page; at its end who
// approved it, which revision it replaces and why; in its QR code the SHA-256 of what it says.
struct ReportIdentity {
    QString number;
    int revision = 1;
    std::optional<int> replaces;
    QString reason;
    QString approver;  // empty: none set
    QDate issued;
    QString content_sha256;
};

// The lab's letterhead at the head of the report's first page, and the signature images beside
// the names, from the settings; any of it may be empty.
struct Letterhead {
    QString lab;
    QString address;
    QString accreditation;  // accreditation or licence number
    QString telephone;
    QString logo_path;  // a PNG or JPEG, scaled to fit
    QString inspector_signature_path;
    QString approver_signature_path;
    bool any() const {
        return !(lab.isEmpty() && address.isEmpty() && accreditation.isEmpty() &&
                 telephone.isEmpty() && logo_path.isEmpty());
    }
};

struct InspectionReportInput {
    Inspection download;
    std::optional<Site> site;
    std::optional<BondingLimit> limit;
    QString standard;         // the standard the lab tests to; no line when empty
    PreviousValues previous;  // from Archive::previous_values
    DeteriorationRule rule;
    // The register's entry of the download's instrument, if it has one: its certificate and
    // calibration due date go beside the serial, and a mark when the groups were measured after it.
    std::optional<Instrument> instrument;
    std::optional<ReportIdentity> identity;  // none: a report not issued (a draft)
    Letterhead letterhead;
};

struct InspectionSummary {
    int tested = 0;
    int passed = 0;  // passed and failed count only with a limit
    int failed = 0;
    int deteriorated = 0;
    int overloads = 0;
};

InspectionSummary summarize(const std::vector<Group>& groups,
                            const std::vector<PointComparison>& points, const GroupLimits& limits);

enum class ReportLineKind {
    Title,
    Fact,     // a line of the header
    Heading,  // the table's headings, one cell per column
    Row,      // a group, one cell per column; a long test point goes on in the next Row
    Blank,
    Summary,
    Signature,
    PageNumber,  // at the foot of every page
    Identity,    // the issued report's number and revision, at the head of every page
    End,         // the report's last line
    QrCode,      // the QR code's text, drawn as its symbol where the device can
    Letterhead,  // lab, address, accreditation, telephone and the logo's file
    BoxFact,     // a line of the summary box on the first page
    SignedBy,    // a name and date, and the file of the signature image drawn beside it
};

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Blank;
    QStringList cells;     // one for the lines that are not part of the table
    bool failing = false;  // a row whose group failed its limit: it stands out
};

using ReportPage = std::vector<ReportLine>;

// The table's lines: its headings and the groups' rows.
inline bool in_table(const ReportLine& line) {
    return line.kind == ReportLineKind::Heading || line.kind == ReportLineKind::Row;
}

// The title, the table's headings and the summary stand out.
inline bool bold_line(const ReportLine& line) {
    return line.kind == ReportLineKind::Title || line.kind == ReportLineKind::Heading ||
           line.kind == ReportLineKind::Summary || line.failing;
}

// The report's type sizes in points, printed and in its PDF alike.
inline constexpr double kReportBodyPoints = 9.0;
inline constexpr double kReportTitlePoints = 14.0;

// Lines a page holds above its page number, at the report's type size.
inline constexpr int kReportLinesPerPage = 54;
// The lines a QR code takes on the page: its symbol square, as tall as these lines.
inline constexpr int kQrCodeLines = 8;

// The lines a letterhead takes: the logo as tall as these.
inline constexpr int kLetterheadLines = 5;

// The lines of the page `line` takes.
inline int lines_taken(const ReportLine& line) {
    if (line.kind == ReportLineKind::QrCode) return kQrCodeLines;
    return line.kind == ReportLineKind::Letterhead ? kLetterheadLines : 1;
}

std::vector<ReportPage> inspection_report_pages(const InspectionReportInput& input);

// The QR code's text: the number and revision in English words, and the SHA-256 of what the
// report says, so that a phone shows what to verify.
QString issued_report_code(const ReportIdentity& identity);

}  // namespace eqbond
