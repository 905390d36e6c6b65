#pragma once
// A field of a download changed on this computer and on the team's server to different values
// since this computer last had it: the server keeps its value, this computer its own, until the
// user takes one of them.
#include <QString>
#include <cstdint>
#include <optional>

namespace eqbond {

// Which field: a detail of the inspection, or one group's test point.
enum class ConflictSubject { Site, Location, Inspector, Instrument, Notes, TestPoint };

struct ConflictField {
    ConflictSubject subject = ConflictSubject::Notes;
    int32_t group = 0;  // the test point's
};

struct FieldConflict {
    int64_t download_id = 0;
    QString field;  // as the server's history names it: "notes", "group 12 test point"
    QString server;
    QString here;
};

// The field as the server's history names it, and back; nothing for a name no field has.
QString conflict_field_name(const ConflictField& field);
std::optional<ConflictField> conflict_field(const QString& name);

}  // namespace eqbond
