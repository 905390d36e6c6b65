#pragma once
// A simulated instrument on a pseudo-terminal: it answers command frames as the tester does.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>
#include <vector>

#include "link/protocol.h"

namespace eqbond::sim {

struct StoredGroup {
    int value = 0;  // milliohm
    int battery = 0;
    int year = 24, month = 1, day = 1, hour = 0, minute = 0;
};

struct SimulatorConfig {
    std::vector<StoredGroup> groups;
    int live_value = 123;  // milliohm of the measurement a test command produces
    int battery = 0;
};

class InstrumentSimulator : public QObject {
    Q_OBJECT
public:
    explicit InstrumentSimulator(SimulatorConfig config, QObject* parent = nullptr);
    ~InstrumentSimulator() override;

    // Opens the pseudo-terminal pair; false when the system refuses one.
    bool start();
    // The device path the program opens.
    QString device_path() const { return device_path_; }

    // From now on polls are answered with measurements that wander around live_value.
    void start_live_readings();

    // Every command code received, in order.
    const std::vector<int32_t>& received_codes() const { return received_; }
    SimulatorConfig& config() { return config_; }

    // Writes raw bytes to the line, as an instrument would (tests use it for faults).
    void send_raw(const QByteArray& bytes);

signals:
    void command_received(int code);

private:
    void on_readable();
    void answer(int32_t code);
    Reply status_reply() const;

    SimulatorConfig config_;
    int master_fd_ = -1;
    int slave_fd_ = -1;  // held open so the line survives the program closing its end
    QString device_path_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray pending_;
    std::vector<int32_t> received_;
    bool measuring_ = false;
    bool wandering_ = false;
    uint32_t wander_state_ = 12345;
};

}  // namespace eqbond::sim
