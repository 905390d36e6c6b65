#pragma once
// The groups as a spreadsheet file: UTF-8 with a byte-order mark (so spreadsheet programs read
// the Chinese header right), RFC 4180 quoting, CR LF rows, one row per stored group.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace eqbond {

struct Group;
struct RecordStore;

// One CSV row with its CR LF; fields quoted where RFC 4180 asks (and where blanks lead or trail).
QString csv_row(const QStringList& fields);

// The header row's fields, and a group's fields: number, milliohm (empty for an overload), the
// shown value, date, time and the battery flag.
QStringList csv_header_fields();
QStringList csv_group_fields(const Group& group);

// Groups first..last that the store holds (group numbers 1..6999).
QByteArray csv_report(const RecordStore& store, int first, int last);

}  // namespace eqbond
