#include "program/command_line.h"

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace eqbond {

QStringList command_line_arguments(int argc, char** argv) {
    QStringList arguments;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; words && i < count; ++i) arguments << QString::fromWCharArray(words[i]);
    LocalFree(words);
#else
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
#endif
    return arguments;
}

void show_utf8_on_console() {
#ifdef Q_OS_WIN
    SetConsoleOutputCP(CP_UTF8);
#endif
}

}  // namespace eqbond
