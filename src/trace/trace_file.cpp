#include "trace/trace_file.h"

namespace eqbond::trace {

TraceFile::TraceFile(QString path, qint64 cap) : path_(std::move(path)), cap_(cap) {}

bool TraceFile::open(const QByteArray& header, QString* error) {
    header_ = header;
    if (start_file()) return true;
    if (error) *error = file_.errorString();
    return false;
}

bool TraceFile::start_file() {
    file_.setFileName(path_);
    // Unbuffered: each line goes to the system as it is written.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return false;
    }
    size_ = 0;
    write(header_);
    return true;
}

void TraceFile::write(const QByteArray& line) {
    if (!file_.isOpen()) return;
    if (size_ > header_.size() && size_ + line.size() > cap_) rotate();
    const qint64 written = file_.write(line);
    if (written > 0) size_ += written;
}

void TraceFile::rotate() {
    file_.close();
    const QString older = path_ + QStringLiteral(".1");
    QFile::remove(older);
    QFile::rename(path_, older);
    start_file();
}

}  // namespace eqbond::trace
