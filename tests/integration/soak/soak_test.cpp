// Many reads in a row over a poor line, with live polling between them: every read must end
// with every group exact, and the program must not keep memory from one read to the next.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "integration/support/headless_program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/store_check.h"
#include "integration/support/wait.h"
#include "link/instrument_buttons.h"
#include "sim/stored_groups.h"

#if defined(__SANITIZE_ADDRESS__)
#define EQBOND_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EQBOND_UNDER_ASAN 1
#endif
#endif

namespace eqbond::test {
namespace {

constexpr int kReads = 10;
constexpr int kGroups = 500;
constexpr int kInstrumentPort = 7;  // the first port the search opens after the start-up's COM2
constexpr int kFindDeadlineMs = 5000;
// About 25 lost and 8 spoilt replies a read, each costing one or two 100 ms watchdog ticks.
constexpr int kReadDeadlineMs = 30000;
constexpr int kLiveReadingsBetweenReads = 2;
constexpr int kLiveDeadlineMs = 5000;
// Growth allowed from the end of the first read to the end of the last, 4500 groups later. The
// resident size also carries the simulator's logs (some 200 KiB) and the heap's page slack; the
// heap count is exact to the byte and catches a leak of even one 12-byte frame per group.
constexpr long kResidentGrowthAllowed = 2L << 20;
constexpr long kHeapGrowthAllowed = 64L << 10;

long resident_bytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

// Bytes the program holds on the heap: what malloc has handed out, less the simulator's logs of
// every request (it runs in this process, and its logs grow by design).
long program_heap_bytes(const sim::InstrumentSimulator& instrument) {
    const long simulator_logs =
        long(instrument.received_codes().capacity() * sizeof(int32_t)) +
        long(instrument.received_bytes().capacity()) +
        long(instrument.turnarounds().capacity() * sizeof(sim::LinePacer::Clock::duration)) +
        long(instrument.group_request_times().capacity() *
             sizeof(sim::LinePacer::Clock::time_point)) +
        long(instrument.line().lateness().capacity() * sizeof(sim::LinePacer::Clock::duration));
    return long(::mallinfo2().uordblks) - simulator_logs;
}

double mib(long bytes) {
    return double(bytes) / (1 << 20);
}

PortTable ports_with_instrument_at(int com, const QString& device) {
    QStringList devices(com, QString());
    devices[com - 1] = device;
    return PortTable::fixed(devices);
}

sim::SimulatorConfig poor_line_instrument() {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(kGroups, 5);
    config.measuring = true;  // polls between the reads get live measurements
    config.wander_step = 150;
    config.seed = 2024;
    config.faults.drop_share = 0.05;
    config.faults.corrupt_share = 0.01;
    config.faults.stray_share = 0.005;
    return config;
}

TEST(Soak, TenReadsOverAPoorLineAreExactAndLeaveNoMemoryBehind) {
    const sim::SimulatorConfig config = poor_line_instrument();
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    HeadlessProgram program(ports_with_instrument_at(kInstrumentPort, instrument.path()));
    program.load();
    const LinkState& link = program.link();
    const LiveStats& stats = program.state().stats;
    ASSERT_TRUE(wait_until([&] { return link.linked && link.instrument_group_count == kGroups; },
                           kFindDeadlineMs));

    const long before_reads = resident_bytes();
    long after_first_read = -1;
    long heap_after_first_read = 0;
    QElapsedTimer clock;
    for (int read = 1; read <= kReads; ++read) {
        SCOPED_TRACE(testing::Message() << "read " << read);
        const int32_t live_before = stats.avg_count;
        ASSERT_TRUE(wait_until(
            [&] {
                return stats.avg_count >= live_before + kLiveReadingsBetweenReads && link.linked &&
                       link.instrument_group_count == kGroups;
            },
            kLiveDeadlineMs))
            << "live polling between the reads";

        const int replies_before = instrument->fault_counts().replies;
        clock.start();
        program.click(on_read_clicked);
        ASSERT_EQ(program.ui().read_button, text::kPause);
        ASSERT_TRUE(wait_until([&] { return link.reading() == false; }, kReadDeadlineMs))
            << "stopped at group " << link.next_group;
        std::printf("read %2d: %.2f s, %d replies\n", read, clock.elapsed() / 1000.0,
                    instrument->fault_counts().replies - replies_before);
        EXPECT_EQ(program.ui().read_button, text::kRead);
        EXPECT_EQ(program.state().records.last_stored_group, kGroups);
        ASSERT_TRUE(store_holds(program.state().records, config.groups));
        if (read == 1) {
            after_first_read = resident_bytes();
            heap_after_first_read = program_heap_bytes(*instrument);
        }
    }
    const long after_last_read = resident_bytes();
    const long heap_after_last_read = program_heap_bytes(*instrument);

    const sim::FaultCounts& faults = instrument->fault_counts();
    std::printf("replies %d: %d dropped, %d corrupted, %d with stray bytes\n", faults.replies,
                faults.dropped, faults.corrupted, faults.stray);
    std::printf(
        "resident memory: %.2f MiB before the reads, %.2f MiB after the first, "
        "%.2f MiB after the last (%+.0f KiB)\n",
        mib(before_reads), mib(after_first_read), mib(after_last_read),
        double(after_last_read - after_first_read) / 1024);
    std::printf("program's heap: %+ld bytes from the first read to the last\n",
                heap_after_last_read - heap_after_first_read);
    EXPECT_GT(faults.dropped, 0);
    EXPECT_GT(faults.corrupted, 0);
    EXPECT_GT(faults.stray, 0);
    ASSERT_GT(after_first_read, 0);
#ifndef EQBOND_UNDER_ASAN  // the sanitizer holds freed blocks back and has its own allocator
    EXPECT_LT(after_last_read - after_first_read, kResidentGrowthAllowed);
    EXPECT_LT(heap_after_last_read - heap_after_first_read, kHeapGrowthAllowed);
#endif
}

}  // namespace
}  // namespace eqbond::test
