// libFuzzer target for the receive path: an arbitrary byte stream, cut into arbitrary chunks, fed
// to on_receive over an in-memory line, in idle and reading states, with timer ticks and read
// button presses mixed in. After every event the store and the read must stay consistent.
#include <cstdint>
#include <cstdlib>

#include "base/program.h"
#include "base/value_format.h"
#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "link/receive_dispatcher.h"
#include "link/supervision.h"
#include "program/startup.h"
#include "support/fake_ports.h"

namespace {

using eqbond::Program;
using eqbond::RecordStore;

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void check_slot(const RecordStore& store, int i) {
    if (i < 0 || i >= RecordStore::kSlots) return;
    const eqbond::Group& g = store.at(i);
    if (g.number != 0 && g.number != i) broken("group in the slot of another number");
    if (g.number != 0 && eqbond::format_resistance(g.milliohm).size() != 8)
        broken("resistance text width");
}

void check_store(const RecordStore& store) {
    for (int i = 0; i < RecordStore::kSlots; ++i) check_slot(store, i);
}

void check(const Program& p) {
    check_slot(p.state.records, p.state.link.next_group - 1);
    // A read stops after group 10000 at the latest: one past it is where a finished read rests.
    if (p.state.link.next_group > eqbond::kLastReadableGroup + 1) broken("next_group past the cap");
}

void check_requests(const eqbond::test::FakeLine& line) {
    for (const QByteArray& frame : line.written) {
        const int32_t code = eqbond::command_code(frame);
        const bool group_request = code >= 1 && code < eqbond::cmd::kFirstOperation;
        if (!group_request && code != eqbond::cmd::kPoll && code != eqbond::cmd::kProbe)
            broken("a request the instrument would take for an operation");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    eqbond::test::FakeProgram fake;
    fake.line.outcomes[2] = eqbond::OpenOutcome::Opened;
    Program& p = fake.program;
    eqbond::startup_routine(p);
    p.state.link.linked = true;
    size_t at = 0;
    auto next = [&]() -> uint8_t { return at < size ? data[at++] : 0; };
    // The first bytes choose the instrument's reported group count.
    p.state.link.instrument_group_count = (next() << 8) | next();
    while (at < size) {
        const uint8_t control = next();
        switch (control % 8) {
            case 0:
                eqbond::on_read_clicked(p);
                break;
            case 1:
                eqbond::watch_read(p);
                break;
            case 2:
                eqbond::supervise_link(p);
                break;
            case 3:
                eqbond::poll_instrument(p);
                break;
            default: {
                const size_t chunk = std::min<size_t>(control / 8, size - at);
                fake.line.incoming.append(reinterpret_cast<const char*>(data + at), int(chunk));
                at += chunk;
                while (fake.line.incoming.size() >= eqbond::kReplyFrameLength)
                    eqbond::on_receive(p, eqbond::PortEvent::DataReceived);
            }
        }
        fake.line.open_ = true;  // a re-open by the watchdog or the search keeps the line usable
        check(p);
        check_requests(fake.line);
        fake.line.written.clear();
    }
    check_store(p.state.records);
    return 0;
}
