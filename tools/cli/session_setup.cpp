#include "cli/session_setup.h"

#include <QTextStream>

#include "program/event_wait.h"
#include "program/qt_link_session.h"

namespace eqbond::cli {

bool wait_for_instrument(LinkSession& session, int timeout_seconds) {
    const LinkState& link = session.program().state.link;
    return wait_until([&] { return link.linked; }, timeout_seconds * 1000);
}

bool start_trace(LinkSession& session, const QString& path) {
    if (path.isEmpty()) return true;
    QString error;
    if (session.trace_to(path, "eqbond-cli " EQBOND_VERSION, &error)) return true;
    print_error(error);
    return false;
}

void print_error(const QString& message) {
    QTextStream(stderr) << "eqbond-cli: " << message << Qt::endl;
}

}  // namespace eqbond::cli
