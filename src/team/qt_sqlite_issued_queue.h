#pragma once
// The issued revisions of the local archive that wait for the team archive, in its SQLite file.
#include "archive/qt_sqlite_file.h"
#include "issued/qt_sqlite_issued.h"
#include "team/issued_push_round.h"

namespace eqbond {

class QtSqliteIssuedQueue : public IssuedQueue {
  public:
    explicit QtSqliteIssuedQueue(QtSqliteFile& file) : file_(file), issued_(file) {}

    std::optional<std::vector<NumberedRevision>> waiting_issued() override;
    std::optional<IssuedReport> issued(const NumberedRevision& id) override;
    bool mark_issued_pushed(const NumberedRevision& id, const QDateTime& when) override;

  private:
    QtSqliteFile& file_;
    QtSqliteIssued issued_;
};

}  // namespace eqbond
