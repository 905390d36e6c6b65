#pragma once
#include <QByteArray>
#include <QString>

namespace eqbond::cli {

// Writes `bytes` beside `path` and renames the file over it only when complete; false after a
// message naming the file and the reason.
bool write_bytes(const QString& path, const QByteArray& bytes);

}  // namespace eqbond::cli
