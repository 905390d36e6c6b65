#include "link/port_table.h"

#ifndef Q_OS_WIN
#include <QSerialPortInfo>
#endif

namespace eqbond {

#ifndef Q_OS_WIN
namespace {
QStringList system_serial_devices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return devices;
}
}  // namespace
#endif

PortTable system_port_table(const QStringList& devices) {
    if (!devices.isEmpty()) return PortTable::fixed(devices);
#ifdef Q_OS_WIN
    QStringList com_names;
    for (int i = 1; i <= PortTable::kSlots; ++i) com_names << QStringLiteral("COM%1").arg(i);
    return PortTable::fixed(com_names);
#else
    return PortTable::from_system(system_serial_devices);
#endif
}

}  // namespace eqbond
