#pragma once
// The lab's instruments and their calibration: a download measured after its instrument's
// calibration ran out is marked, so that no one relies on it unawares.
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "base/group.h"

namespace eqbond {

struct Instrument {
    QString serial;  // as the inspection details name it
    QDate calibrated;
    QDate due;  // the calibration's due date: measurements after it are not covered
    QString certificate;
    QString model;
    friend bool operator==(const Instrument& a, const Instrument& b) {
        return a.serial == b.serial && a.calibrated == b.calibrated && a.due == b.due &&
               a.certificate == b.certificate && a.model == b.model;
    }
};

// A day typed as YYYY-MM-DD; nothing for anything else.
std::optional<QDate> typed_day(const QString& typed);

// Some group was measured after the instrument's calibration due date.
bool calibration_expired(const std::vector<Group>& groups, const Instrument& instrument);

}  // namespace eqbond
