#include "demo/line_with_demo.h"

namespace eqbond::sim {

LineWithDemo::LineWithDemo(SerialLine& real_line, PortTable& table, int demo_port,
                           SimulatorConfig config)
    : real_(real_line), demo_(std::move(config)), demo_port_(demo_port) {
    table.set_device(demo_port, demo_.device_name(demo_port));
}

void LineWithDemo::close() {
    // Whichever port was open closes; the other is closed already.
    real_.close();
    demo_.close();
}

void LineWithDemo::set_number(int port_number) {
    port_no_ = port_number;
    current().set_number(port_number);
}

QString LineWithDemo::device_name(int port_number) const {
    return port_number == demo_port_ ? demo_.device_name(port_number)
                                     : real_.device_name(port_number);
}

}  // namespace eqbond::sim
