#include "cli/file_output.h"

#include <QSaveFile>

#include "cli/session_setup.h"

namespace eqbond::cli {

bool write_bytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        print_error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace eqbond::cli
