#pragma once
// Helpers of the archive tests: downloads to store, and a second connection to the same file,
// as another program would hold it.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <atomic>

#include "archive/download.h"

namespace eqbond::test {

// A download of `count` groups whose values climb through the range, overloads included.
inline std::pair<Download, std::vector<Group>> made_download(int count, int seed = 1) {
    Download d;
    d.started = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000LL + seed * 60'000LL);
    d.finished = d.started.addSecs(30);
    d.port_number = 2;
    d.device = QStringLiteral("/dev/ttyUSB0");
    d.reported_total = count;
    d.groups_read = count;
    std::vector<Group> groups;
    for (int n = 1; n <= count; ++n) {
        Group g;
        g.number = n;
        g.milliohm = (n * 7919 + seed) % 45000;
        g.battery = n % 13 == 0 ? 1 : 0;
        g.year = 25, g.month = 1 + n % 12, g.day = 1 + n % 28, g.hour = n % 24, g.minute = n % 60;
        groups.push_back(g);
    }
    return {d, groups};
}

// Another connection to the file, closed with this object.
class OtherConnection {
  public:
    explicit OtherConnection(const QString& file)
        : name_(QStringLiteral("other-%1").arg(++count())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(file);
        db.open();
    }
    ~OtherConnection() {
        { QSqlDatabase::database(name_).close(); }
        QSqlDatabase::removeDatabase(name_);
    }
    // Runs one statement; its first value, or the error text prefixed by "error: ".
    QVariant run(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name_));
        if (!q.exec(sql)) return QStringLiteral("error: ") + q.lastError().text();
        return q.next() ? q.value(0) : QVariant();
    }

  private:
    static std::atomic<int>& count() {
        static std::atomic<int> n{0};
        return n;
    }
    QString name_;
};

}  // namespace eqbond::test
