#include "issued/qt_sqlite_issued.h"

#include <QSqlQuery>
#include <QVariant>

#include "issued/issued_content.h"

namespace eqbond {

namespace {

const QString kSelect = QStringLiteral(
    "SELECT number, revision, download_uuid, download_id, site, location, issued, inspector,"
    " approver, reason, replaces, content, pdf, sha256 FROM issued_reports ");
const QString kOrder = QStringLiteral(" ORDER BY prefix, year, sequence, revision");
const QString kNextSequence = QStringLiteral(
    "SELECT COALESCE(MAX(sequence), 0) + 1 FROM issued_reports WHERE prefix = ? AND year = ?");
const QString kNumberOf =
    QStringLiteral("SELECT prefix, year, sequence FROM issued_reports WHERE number = ? LIMIT 1");
const QString kInsert = QStringLiteral(
    "INSERT INTO issued_reports (number, revision, prefix, year, sequence, download_uuid,"
    " download_id, site, location, issued, inspector, approver, reason, replaces, content, pdf,"
    " sha256) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

IssuedReport report_of(const QSqlQuery& q) {
    IssuedReport r;
    r.id = {q.value(0).toString(), q.value(1).toInt()};
    r.download_uuid = q.value(2).toString();
    r.download_id = q.value(3).toLongLong();
    r.site = q.value(4).toString();
    r.location = q.value(5).toString();
    r.issued = q.value(6).toString();
    r.inspector = q.value(7).toString();
    r.approver = q.value(8).toString();
    r.reason = q.value(9).toString();
    if (!q.value(10).isNull()) r.replaces = q.value(10).toInt();
    r.content = q.value(11).toByteArray();
    r.pdf = q.value(12).toByteArray();
    r.sha256 = q.value(13).toString();
    return r;
}

QVariant text(const QString& s) {
    return s.isNull() ? QString(QLatin1String("")) : s;  // NOT NULL columns take no null text
}

}  // namespace

std::vector<IssuedReport> QtSqliteIssued::selected(const QString& where,
                                                   const QVariantList& values) {
    std::vector<IssuedReport> out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, kSelect + where + kOrder, values)) return out;
    while (q.next()) out.push_back(report_of(q));
    if (!file_.read_through(q)) return {};
    return out;
}

std::vector<IssuedReport> QtSqliteIssued::revisions(const QString& download_uuid) {
    return selected(QStringLiteral("WHERE download_uuid = ?"), {download_uuid});
}

std::optional<IssuedReport> QtSqliteIssued::revision(const NumberedRevision& id) {
    std::vector<IssuedReport> found =
        selected(QStringLiteral("WHERE number = ? AND revision = ?"), {id.number, id.revision});
    if (found.empty()) return std::nullopt;
    return std::move(found.front());
}

std::vector<IssuedReport> QtSqliteIssued::with_sha256(const QString& sha256) {
    return selected(QStringLiteral("WHERE sha256 = ?"), {sha256});
}

std::vector<IssuedReport> QtSqliteIssued::listed(const std::optional<QString>& site) {
    if (!site) return selected(QString(), {});
    return selected(QStringLiteral("WHERE site = ?"), {site->trimmed()});
}

std::optional<IssuedReport> QtSqliteIssued::issue(IssuedReport draft, const QString& prefix,
                                                  int year, const Render& render) {
    if (!file_.usable()) return std::nullopt;
    bool rendered = true;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        QVariantList numbering{prefix, year};
        if (draft.id.number.isEmpty()) {
            if (!file_.run_with(q, kNextSequence, numbering) || !q.next()) return false;
            numbering << q.value(0).toInt();
            draft.id = {report_number(prefix, year, q.value(0).toInt()), 1};
        } else {
            // A later revision keeps its number's prefix, year and count.
            if (!file_.run_with(q, kNumberOf, {draft.id.number}) || !q.next()) return false;
            numbering = {q.value(0), q.value(1), q.value(2)};
        }
        const std::optional<QByteArray> pdf = render(draft);
        if (!pdf) {
            rendered = false;
            return false;
        }
        draft.pdf = *pdf;
        draft.sha256 = sha256_hex(*pdf);
        return file_.run_with(
            q, kInsert,
            QVariantList{draft.id.number, draft.id.revision} + numbering +
                QVariantList{draft.download_uuid, qlonglong(draft.download_id), text(draft.site),
                             text(draft.location), draft.issued, text(draft.inspector),
                             text(draft.approver), text(draft.reason),
                             draft.replaces ? QVariant(*draft.replaces) : QVariant(),
                             QString::fromUtf8(draft.content), draft.pdf, draft.sha256});
    });
    if (!done || !rendered) return std::nullopt;
    file_.tell_changed();
    return draft;
}

}  // namespace eqbond
