#include "link/port_table.h"

#include <algorithm>
#include <utility>

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

namespace {
// A device name as its stem and its trailing number ("/dev/ttyUSB10" -> "/dev/ttyUSB", 10), so
// ttyS2 comes before ttyS10. QCollator's numeric mode would do it, but not where Qt is built
// without ICU: the POSIX collation ignores the mode and puts ttyS10 first.
std::pair<QString, qulonglong> stem_and_number(const QString& device) {
    int digits_from = int(device.size());
    while (digits_from > 0 && device.at(digits_from - 1).isDigit()) --digits_from;
    return {device.left(digits_from), device.mid(digits_from).toULongLong()};
}
}  // namespace

QStringList PortTable::order_devices(QStringList devices) {
    auto is_adapter = [](const QString& d) {
        return d.contains(QLatin1String("ttyUSB")) || d.contains(QLatin1String("ttyACM"));
    };
    std::stable_sort(devices.begin(), devices.end(), [&](const QString& a, const QString& b) {
        if (is_adapter(a) != is_adapter(b)) return is_adapter(a);
        const auto key_a = stem_and_number(a);
        const auto key_b = stem_and_number(b);
        if (key_a != key_b) return key_a < key_b;
        return a < b;  // "ttyS01" and "ttyS1": any fixed order
    });
    return devices;
}

void PortTable::fill(const QStringList& devices) {
    slots_.fill(QString());
    for (int i = 0; i < kSlots && i < devices.size(); ++i) slots_[i] = devices[i];
}

QString PortTable::device(int port_number) const {
    if (port_number < 1 || port_number > kSlots) return {};
    return slots_[port_number - 1];
}

void PortTable::set_device(int port_number, const QString& device) {
    if (port_number < 1 || port_number > kSlots) return;
    slots_[port_number - 1] = device;
    pinned_slot_ = port_number;
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
