#pragma once
// Which device stands behind each of COM1..COM16.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace eqbond {

class PortTable {
  public:
    static constexpr int kSlots = 16;

    // Devices in the order given fill COM1, COM2, ...; the table stays as given.
    static PortTable fixed(const QStringList& devices);
    // A table read from a lister of the system's devices, and read again on rescan().
    static PortTable from_system(std::function<QStringList()> list_devices);

    // Puts USB and ACM adapters first, then the rest, each group in natural name order.
    static QStringList order_devices(QStringList devices);

    QString device(int port_number) const;  // empty for an empty slot or a number out of 1..16
    void set_device(int port_number, const QString& device);
    bool follows_system() const { return bool(list_devices_); }
    void rescan();
    QStringList devices() const;

  private:
    void fill(const QStringList& devices);
    std::array<QString, kSlots> slots_{};
    std::function<QStringList()> list_devices_;  // empty for a fixed table
    QString pinned_device_;  // kept in its slot across rescans (the built-in simulator)
    int pinned_slot_ = 0;
};

// COM1..COM16 for a run: the devices given, in order, or else the system's serial ports (on
// Linux its devices, read again on rescan(); on Windows the ports of those names);
// qt_port_table.cpp.
PortTable system_port_table(const QStringList& devices);

}  // namespace eqbond
