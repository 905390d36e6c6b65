#pragma once
// What the kernel tells of a process: its CPU time and resident size, read from /proc. Shared by
// the benchmarks that measure the program itself rather than a function of it.
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QList>
#include <QString>
#include <QTimer>
#include <functional>

#include "program/event_wait.h"

namespace eqbond::bench {

inline QByteArray read_proc_file(qint64 pid, const char* name) {
    const QString path = pid > 0 ? QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name))
                                 : QStringLiteral("/proc/self/%1").arg(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// User plus system CPU time of every thread of the process, in seconds (0 = this process);
// negative when it cannot be read. The kernel counts it in clock ticks (10 ms).
inline double cpu_seconds(qint64 pid = 0) {
    const QByteArray stat = read_proc_file(pid, "stat");
    // The command name in brackets may hold blanks; the fields after it do not.
    const int end_of_name = stat.lastIndexOf(')');
    if (end_of_name < 0) return -1;
    const QList<QByteArray> fields = stat.mid(end_of_name + 2).split(' ');
    constexpr int kUtime = 11, kStime = 12;  // fields 14 and 15 of the whole line
    if (fields.size() <= kStime) return -1;
    return double(fields[kUtime].toLongLong() + fields[kStime].toLongLong()) /
           double(::sysconf(_SC_CLK_TCK));
}

// How often the process's threads slept and were woken: their voluntary context switches,
// summed (0 = this process); negative when they cannot be read. An idle program's wake-ups.
inline long wake_ups(qint64 pid = 0) {
    const QString tasks =
        pid > 0 ? QStringLiteral("/proc/%1/task").arg(pid) : QStringLiteral("/proc/self/task");
    long total = -1;
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks + QLatin1Char('/') + task + QStringLiteral("/status"));
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.startsWith("voluntary_ctxt_switches:")) continue;
            total = qMax(total, 0L) + line.mid(24).trimmed().toLong();
        }
    }
    return total;
}

// Resident size in bytes (0 = this process), from statm; negative when it cannot be read.
inline long resident_bytes(qint64 pid = 0) {
    const QList<QByteArray> fields = read_proc_file(pid, "statm").split(' ');
    return fields.size() > 1 ? fields[1].toLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

// The largest resident size the process has had, in bytes, from VmHWM in status.
inline long peak_resident_bytes(qint64 pid = 0) {
    for (const QByteArray& line : read_proc_file(pid, "status").split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toLong() * 1024;
    }
    return -1;
}

inline double mib(long bytes) {
    return double(bytes) / (1 << 20);
}

// Runs the event loop until `done` holds or `timeout_ms` passes, looking every 20 ms.
inline bool wait_until(const std::function<bool()>& done, int timeout_ms) {
    return eqbond::wait_until(done, timeout_ms, 20);
}

// Runs the event loop for `ms` milliseconds.
inline void run_events_for(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace eqbond::bench
