#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cstdlib>

namespace eqbond::sim {

bool PseudoTerminal::open() {
    close();
    master_fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_fd_ < 0) return false;
    const char* name =
        ::grantpt(master_fd_) == 0 && ::unlockpt(master_fd_) == 0 ? ::ptsname(master_fd_) : nullptr;
    if (name) {
        slave_path_ = QString::fromLocal8Bit(name);
        slave_fd_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    if (slave_fd_ < 0) {
        close();
        return false;
    }
    termios raw{};
    ::tcgetattr(slave_fd_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_fd_, TCSANOW, &raw);
    return true;
}

void PseudoTerminal::close() {
    if (slave_fd_ >= 0) ::close(slave_fd_);
    if (master_fd_ >= 0) ::close(master_fd_);
    slave_fd_ = master_fd_ = -1;
    slave_path_.clear();
}

bool point_link(const QString& link, const QString& target) {
    const QByteArray link_name = QFile::encodeName(link);
    const QByteArray fresh = link_name + ".new";
    ::unlink(fresh.constData());
    if (::symlink(QFile::encodeName(target).constData(), fresh.constData()) != 0) return false;
    // rename() swaps the link in one step: the program never finds the path missing.
    if (::rename(fresh.constData(), link_name.constData()) != 0) {
        ::unlink(fresh.constData());
        return false;
    }
    return true;
}

void remove_link(const QString& link) {
    const QByteArray name = QFile::encodeName(link);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && S_ISLNK(info.st_mode)) ::unlink(name.constData());
}

void PseudoTerminal::write(const QByteArray& bytes) {
    if (!is_open()) return;
    const ssize_t written = ::write(master_fd_, bytes.constData(), size_t(bytes.size()));
    (void)written;
}

}  // namespace eqbond::sim
