#pragma once
// One pseudo-terminal pair: the simulator talks on the master, the program opens the slave's
// device path as its serial port.
#include <QByteArray>
#include <QString>

namespace eqbond::sim {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal() { close(); }

    // Opens a new pair in raw mode; false when the system refuses one.
    bool open();
    // Closes both ends: the program's open port sees the device vanish, as with an unplugged
    // adapter.
    void close();

    bool is_open() const { return master_fd_ >= 0; }
    int master_fd() const { return master_fd_; }
    QString slave_path() const { return slave_path_; }
    // Writes to the program's end; a full buffer loses bytes, as a line without flow control does.
    void write(const QByteArray& bytes);

  private:
    int master_fd_ = -1;
    // Held open so the line survives the program closing and re-opening its end.
    int slave_fd_ = -1;
    QString slave_path_;
};

// Makes `link` a symbolic link to `target`, replacing an older link in one step.
bool point_link(const QString& link, const QString& target);
// Removes `link` if it is a symbolic link.
void remove_link(const QString& link);

}  // namespace eqbond::sim
