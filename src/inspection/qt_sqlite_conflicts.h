#pragma once
// The fields in conflict with the team's server, as a push or pull marked them in the archive's
// SQLite file, and the user's choice: the server's value written here through the archive's own
// edits, or this computer's value kept to overrule the server's at the next push.
#include "archive/qt_sqlite_file.h"
#include "inspection/inspection_port.h"
#include "inspection/qt_sqlite_inspections.h"

namespace eqbond {

class QtSqliteConflicts : public ConflictResolving {
  public:
    QtSqliteConflicts(QtSqliteFile& file, QtSqliteInspections& inspections)
        : file_(file), inspections_(inspections) {}

    QString file() const override { return file_.file(); }
    std::optional<ArchiveFault> fault() const override { return file_.fault(); }
    std::vector<FieldConflict> conflicts() override;
    bool take_server_value(const FieldConflict& conflict) override;
    bool keep_here_value(const FieldConflict& conflict) override;

  private:
    // Writes the server's value of the field here, as an edit of this computer's.
    bool write_server_value(const FieldConflict& conflict, const ConflictField& field);

    QtSqliteFile& file_;
    QtSqliteInspections& inspections_;
};

}  // namespace eqbond
