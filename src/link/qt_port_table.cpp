#include <QSerialPortInfo>

#include "link/port_table.h"

namespace eqbond {

QStringList system_serial_devices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        devices << info.portName();
#else
        devices << info.systemLocation();
#endif
    }
    return devices;
}

}  // namespace eqbond
