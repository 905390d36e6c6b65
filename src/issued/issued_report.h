#pragma once
// A report as the lab issued it: its number and revision, the PDF's bytes as handed out and
// their SHA-256, when and by whom, why it replaces an earlier revision, and what it said.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "issued/report_number.h"

namespace eqbond {

struct IssuedReport {
    NumberedRevision id;
    QString download_uuid;  // the download on every computer it is copied to
    int64_t download_id = 0;
    QString site;
    QString location;
    QString issued;  // ISO 8601 with its UTC offset
    QString inspector;
    QString approver;  // empty: none set
    QString reason;    // why this revision replaces the one before; empty for revision 1
    std::optional<int> replaces;
    QByteArray content;  // issued_content()
    QByteArray pdf;
    QString sha256;  // of `pdf`, lower-case hex
};

}  // namespace eqbond
