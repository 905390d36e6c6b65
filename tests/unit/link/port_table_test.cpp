// Which device stands behind COM1..COM16, and how the search reads the system's list again when
// it wraps from COM16 to COM1.
#include "link/port_table.h"

#include <gtest/gtest.h>

#include "base/program.h"
#include "link/command_sender.h"
#include "program/window_views.h"
#include "support/fake_ports.h"
#include "support/qstring_printer.h"

namespace eqbond::test {
namespace {

QStringList slots_of(const PortTable& table) {
    QStringList out;
    for (int port = 1; port <= PortTable::kSlots; ++port) out << table.device(port);
    return out;
}

// `devices` in COM order, the rest of the sixteen slots empty.
QStringList padded(QStringList devices) {
    while (devices.size() < PortTable::kSlots) devices << QString();
    return devices;
}

TEST(PortTable, FixedTableFillsComNumbersInOrderAndIgnoresRescans) {
    QStringList many;
    for (int i = 0; i < 20; ++i) many << QStringLiteral("/dev/ttyS%1").arg(i);
    const struct {
        const char* name;
        QStringList given;
        QStringList expected;
    } cases[] = {
        {"none", {}, padded({})},
        {"two", {"/dev/ttyUSB0", "/dev/ttyS0"}, padded({"/dev/ttyUSB0", "/dev/ttyS0"})},
        {"gaps stay empty", {"", "/dev/pts/4"}, padded({"", "/dev/pts/4"})},
        {"more than sixteen", many, many.mid(0, 16)},
    };
    for (const auto& c : cases) {
        PortTable table = PortTable::fixed(c.given);
        EXPECT_EQ(slots_of(table), c.expected) << c.name;
        EXPECT_FALSE(table.follows_system()) << c.name;
        table.rescan();
        EXPECT_EQ(slots_of(table), c.expected) << c.name << " after a rescan";
    }
}

TEST(PortTable, NumbersOutsideOneToSixteenNameNoDevice) {
    PortTable table = PortTable::fixed(QStringList(PortTable::kSlots, "/dev/x"));
    table.set_device(1, "/dev/a");
    table.set_device(16, "/dev/b");
    table.set_device(17, "/dev/c");
    for (int port : {-1, 0, 17, 100}) EXPECT_EQ(table.device(port), QString()) << port;
    EXPECT_EQ(table.device(1), "/dev/a");
    EXPECT_EQ(table.device(16), "/dev/b");
}

TEST(PortTable, SystemDevicesPutAdaptersFirstInNaturalOrder) {
    const struct {
        QStringList listed;
        QStringList ordered;
    } cases[] = {
        {{"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB2"},
         {"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyS1"}},
        {{"/dev/ttyS10", "/dev/ttyS9", "/dev/ttyS2"}, {"/dev/ttyS2", "/dev/ttyS9", "/dev/ttyS10"}},
        {{"COM10", "COM3", "COM1"}, {"COM1", "COM3", "COM10"}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortTable::order_devices(c.listed), c.ordered)
            << c.listed.join(' ').toStdString();
        EXPECT_EQ(slots_of(PortTable::from_system([&] { return c.listed; })), padded(c.ordered));
    }
}

TEST(PortTable, RescanReadsTheSystemListAgain) {
    QStringList listed{"/dev/ttyS0", "/dev/ttyUSB0"};
    int listings = 0;
    PortTable table = PortTable::from_system([&] {
        ++listings;
        return listed;
    });
    EXPECT_TRUE(table.follows_system());
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyUSB0", "/dev/ttyS0"}));

    listed = {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyACM0"};  // re-plugged under new names
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyUSB0", "/dev/ttyS0"})) << "read only on rescan";
    table.rescan();
    EXPECT_EQ(listings, 2);
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyS0"}));

    listed.clear();
    table.rescan();
    EXPECT_EQ(slots_of(table), padded({}));
}

TEST(PortTable, PinnedDeviceKeepsItsSlotAcrossRescans) {
    QStringList listed{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2"};
    PortTable table = PortTable::from_system([&] { return listed; });
    table.set_device(2, "/dev/pts/7");
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyS0", "/dev/pts/7", "/dev/ttyS2"}));
    table.rescan();
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyS0", "/dev/pts/7", "/dev/ttyS1", "/dev/ttyS2"}));

    listed = {"/dev/pts/7", "/dev/ttyUSB0"};  // the system lists the pinned device too
    table.rescan();
    EXPECT_EQ(slots_of(table), padded({"/dev/ttyUSB0", "/dev/pts/7"}));
}

// A serial line whose ports are the devices of a port table: a slot with a device opens.
class TableLine : public FakeLine {
  public:
    explicit TableLine(PortTable table) : table_(std::move(table)) {}
    OpenOutcome open() override {
        ++opens;
        open_ = !table_.device(number).isEmpty();
        return open_ ? OpenOutcome::Opened : OpenOutcome::InvalidNumber;
    }
    QString device_name(int port_number) const override { return table_.device(port_number); }
    void rescan_ports() override {
        ++rescans;
        table_.rescan();
    }

  private:
    PortTable table_;
};

TEST(PortTable, SearchWrappingToComOneFindsADeviceThatAppearedMeanwhile) {
    QStringList listed{"/dev/ttyS0"};
    TableLine line(PortTable::from_system([&] { return listed; }));
    Program program;
    program.ports.line = &line;
    program.state.link.port_number = 1;

    const struct {
        int steps;  // open_next_port calls from the previous row
        int port_number;
        int rescans;
        QString state_text;
        QString device;
    } path[] = {
        {1, 2, 0, text::kPortClosed, QString()},  // COM2 empty
        {14, 16, 0, text::kPortClosed, QString()},
        {1, 1, 1, text::kPortOpen, "/dev/ttyUSB0"},  // wrapped: the new adapter is COM1
        {1, 2, 1, text::kPortOpen, "/dev/ttyS0"},
        {15, 1, 2, text::kPortOpen, "/dev/ttyUSB0"},
    };
    for (const auto& row : path) {
        if (row.port_number == 1 && row.rescans == 1) listed << "/dev/ttyUSB0";  // plugged in
        for (int i = 0; i < row.steps; ++i) open_next_port(program);
        const LinkState& link = program.state.link;
        EXPECT_EQ(link.port_number, row.port_number);
        EXPECT_EQ(line.rescans, row.rescans) << "COM" << row.port_number;
        EXPECT_EQ(main_window_view(program.state).port_name_label,
                  QStringLiteral("COM%1").arg(row.port_number));
        EXPECT_EQ(main_window_view(program.state).port_status_label, row.state_text)
            << "COM" << row.port_number;
        EXPECT_EQ(main_window_view(program.state).port_device, row.device)
            << "COM" << row.port_number;
        EXPECT_EQ(link.port_taken, !row.device.isEmpty()) << "COM" << row.port_number;
    }
}

}  // namespace
}  // namespace eqbond::test
