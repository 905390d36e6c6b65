// eqbond-sim: a simulated instrument on a pseudo-terminal; prints the device path to open.
#include <QCoreApplication>
#include <QTextStream>

#include "sim/instrument_simulator.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    eqbond::sim::SimulatorConfig config;
    for (int i = 1; i <= 5; ++i) config.groups.push_back({i * 1000 + 123, 0, 24, 5, i, 9, 30});
    eqbond::sim::InstrumentSimulator simulator(config);
    if (!simulator.start()) {
        QTextStream(stderr) << "eqbond-sim: no pseudo-terminal available\n";
        return 1;
    }
    QTextStream(stdout) << simulator.device_path() << Qt::endl;
    return app.exec();
}
