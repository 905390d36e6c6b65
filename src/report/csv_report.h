#pragma once
// The groups as a spreadsheet file: UTF-8 with a byte-order mark (so spreadsheet programs read
// the Chinese header right), RFC 4180 quoting, CR LF rows, one row per stored group.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace eqbond {

struct RecordStore;

// Milliohm of a resistance display text (" 0.1236Ω" -> 123); nothing for the overload text.
std::optional<int> milliohm_of_display_text(const QString& text);

// One CSV row with its CR LF; fields quoted where RFC 4180 asks (and where blanks lead or trail).
QString csv_row(const QStringList& fields);

// The header row's fields, and the fields of the group in slot g.
QStringList csv_header_fields();
QStringList csv_group_fields(const RecordStore& store, int g);

// Groups first..last that the store holds (group numbers 1..6999).
QByteArray csv_report(const RecordStore& store, int first, int last);

}  // namespace eqbond
