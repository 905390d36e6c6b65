#include "link/port_table.h"

#include <QCollator>
#include <algorithm>

namespace eqbond {

PortTable PortTable::fixed(const QStringList& devices) {
    PortTable table;
    table.fill(devices);
    return table;
}

PortTable PortTable::from_system(std::function<QStringList()> list_devices) {
    PortTable table;
    table.list_devices_ = std::move(list_devices);
    table.rescan();
    return table;
}

QStringList PortTable::order_devices(QStringList devices) {
    QCollator natural;
    natural.setNumericMode(true);
    auto is_adapter = [](const QString& d) {
        return d.contains(QLatin1String("ttyUSB")) || d.contains(QLatin1String("ttyACM"));
    };
    std::stable_sort(devices.begin(), devices.end(), [&](const QString& a, const QString& b) {
        if (is_adapter(a) != is_adapter(b)) return is_adapter(a);
        return natural.compare(a, b) < 0;
    });
    return devices;
}

void PortTable::fill(const QStringList& devices) {
    slots_.fill(QString());
    for (int i = 0; i < kSlots && i < devices.size(); ++i) slots_[i] = devices[i];
}

QString PortTable::device(int port_no) const {
    if (port_no < 1 || port_no > kSlots) return {};
    return slots_[port_no - 1];
}

void PortTable::set_device(int port_no, const QString& device) {
    if (port_no < 1 || port_no > kSlots) return;
    slots_[port_no - 1] = device;
    pinned_slot_ = port_no;
    pinned_device_ = device;
}

void PortTable::rescan() {
    if (!list_devices_) return;
    QStringList devices = order_devices(list_devices_());
    if (pinned_slot_ > 0) devices.removeAll(pinned_device_);
    slots_.fill(QString());
    int next = 0;
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (slot == pinned_slot_) {
            slots_[slot - 1] = pinned_device_;
        } else if (next < devices.size()) {
            slots_[slot - 1] = devices[next++];
        }
    }
}

QStringList PortTable::devices() const {
    return QStringList(slots_.begin(), slots_.end());
}

}  // namespace eqbond
