#pragma once
// The archive's SQLite file through Qt SQL, shared by the stores of each side of it (downloads,
// inspections, the team's queue and copy): one connection, write-ahead log so a download being
// written never spoils the earlier ones, the layout's version in user_version brought forward on
// open, values always bound, never written into the SQL text. A connection belongs to the thread
// that opened it.
#include <QObject>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

#include "archive/archive_port.h"

class QSqlDatabase;
class QSqlQuery;

namespace eqbond {

class QtSqliteFile : public QObject, public virtual ArchiveFile {
    Q_OBJECT
  public:
    // The layout this program writes; older ones are brought forward when opened.
    static constexpr int kSchemaVersion = 10;

    explicit QtSqliteFile(QObject* parent = nullptr);
    ~QtSqliteFile() override;

    // Opens the archive at `file`, making it and its folder when missing. False with fault() set.
    bool open(const QString& file);

    QString file() const override { return file_; }
    std::optional<ArchiveFault> fault() const override { return fault_ ? fault_ : passing_; }

    // For the stores over this file. Each runs only while the file is usable and records the
    // first fault it meets; another program holding the file longer than a statement waits is a
    // passing fault, which the next statement that works clears.
    bool usable() const { return opened_ && !fault_; }
    QSqlDatabase database() const;
    // A forward-only query on this connection.
    QSqlQuery query() const;
    bool fail(const QSqlError& error);
    bool fail(ArchiveFaultKind kind, const QString& detail);
    bool run(QSqlQuery& query);
    bool run(QSqlQuery& query, const QString& sql);
    // A prepared query with `values` bound in order, run; false on a fault.
    bool run_with(QSqlQuery& query, const QString& sql, const QVariantList& values);
    // The rows of a read that ended: false, after recording it, when the read failed midway.
    bool read_through(QSqlQuery& query);
    // `work` inside BEGIN IMMEDIATE ... COMMIT: all of it or nothing. Tried again while another
    // program holds the file, a few times.
    bool in_transaction(const std::function<bool(QSqlQuery&)>& work);
    // Tells the file's watchers that a store changed it.
    void tell_changed() { emit changed(); }

  signals:
    // A download was added, deleted or given details or labels; a site was added or changed.
    void changed();

  private:
    bool check_layout(int* version);
    bool bring_forward(QSqlQuery& query, int from_version);
    bool fill_ranks(QSqlQuery& query);
    bool fill_uuids(QSqlQuery& query);
    bool attempt_transaction(const std::function<bool(QSqlQuery&)>& work);

    QString connection_;
    QString file_;
    bool opened_ = false;
    bool settled_ = false;  // opened with its layout: a busy moment after this passes
    std::optional<ArchiveFault> fault_;
    std::optional<ArchiveFault> passing_;
};

}  // namespace eqbond
