#pragma once
// The issued reports in the archive's SQLite file. A revision once stored is never changed: a
// change to a report is a new revision under the same number.
#include <functional>
#include <vector>

#include "archive/qt_sqlite_file.h"
#include "issued/issued_report.h"

namespace eqbond {

class QtSqliteIssued {
  public:
    explicit QtSqliteIssued(QtSqliteFile& file) : file_(file) {}

    // Every revision issued for the download, oldest first.
    std::vector<IssuedReport> revisions(const QString& download_uuid);
    std::optional<IssuedReport> revision(const NumberedRevision& id);
    // The revisions whose PDF has these bytes' SHA-256.
    std::vector<IssuedReport> with_sha256(const QString& sha256);
    // Every revision, by number then revision; of the site named only, when one is given.
    std::vector<IssuedReport> listed(const std::optional<QString>& site);

    // Stores `draft` as issued, in one transaction: a draft without a number takes the next of
    // `prefix` in `year`; `render` makes the PDF of the report so numbered. The report stored,
    // or none on a fault of the file or when `render` gave nothing.
    using Render = std::function<std::optional<QByteArray>(const IssuedReport&)>;
    std::optional<IssuedReport> issue(IssuedReport draft, const QString& prefix, int year,
                                      const Render& render);

    std::optional<ArchiveFault> fault() const { return file_.fault(); }

  private:
    std::vector<IssuedReport> selected(const QString& where, const QVariantList& values);

    QtSqliteFile& file_;
};

}  // namespace eqbond
