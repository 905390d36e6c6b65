#pragma once
// Where the trace lines go: one file, each line written through at once so that nothing is lost
// when the program dies, and capped so that a trace left on for days cannot fill the disk: at
// the cap the file becomes FILE.1 (replacing an older one) and FILE starts again.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace eqbond::trace {

class TraceFile {
  public:
    static constexpr qint64 kDefaultCap = 64 * 1024 * 1024;

    explicit TraceFile(QString path, qint64 cap = kDefaultCap);

    // Creates or empties the file and writes `header`, which every rotated file starts with too.
    bool open(const QByteArray& header, QString* error);
    // Write failures (a full disk) are not reported: the trace must never stop the program.
    void write(const QByteArray& line);

    QString path() const { return path_; }

  private:
    bool start_file();
    void rotate();

    QString path_;
    qint64 cap_;
    QByteArray header_;
    QFile file_;
    qint64 size_ = 0;
};

}  // namespace eqbond::trace
