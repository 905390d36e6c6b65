#pragma once
// The serial line of this system: QSerialPort where Qt has it, the Win32 API on Windows.
#ifdef Q_OS_WIN
#include "link/win32_serial_line.h"
#else
#include "link/qt_serial_line.h"
#endif

namespace eqbond {

#ifdef Q_OS_WIN
using SystemSerialLine = Win32SerialLine;
#else
using SystemSerialLine = QtSerialLine;
#endif

}  // namespace eqbond
