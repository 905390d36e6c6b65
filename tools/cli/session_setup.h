#pragma once
// What download and live share: the port table and waiting for the link.
#include <QString>
#include <QStringList>

#include "base/ports.h"
#include "link/port_table.h"

namespace eqbond {
class LinkSession;
}

namespace eqbond::cli {

// Remembers the last message the core showed instead of opening a box.
class RecordedMessages : public MessageBox {
  public:
    void show(const QString& title, const QString& text) override {
        (void)title;
        last = text;
    }
    QString last;
};

// Waits for the instrument to answer; false after `timeout_seconds`.
bool wait_for_instrument(LinkSession& session, int timeout_seconds);

void print_error(const QString& message);

// Starts the wire trace asked for with --trace (none for an empty path); false, with a message,
// when its file cannot be written.
bool start_trace(LinkSession& session, const QString& path);

}  // namespace eqbond::cli
