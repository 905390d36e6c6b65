#pragma once
// The text report of the save button: two columns of groups, GBK (code page 936), CR LF.
#include <QByteArray>
#include <QStringList>
#include <cstdint>

namespace eqbond {

struct RecordStore;

inline constexpr int kLinesPerBlock = 100;  // entry lines between two separator blocks

// The report's lines without their line ends: 25 blanks, the headings, then one row per pair of
// groups (next_group / 2 rows, slot r beside slot r + rows), with the separator block after
// every 100 rows.
QStringList text_report_lines(const RecordStore& store, int32_t next_group);

// Lines in GBK, each ended by CR LF.
QByteArray gbk_lines(const QStringList& lines);

QByteArray text_report(const RecordStore& store, int32_t next_group);

}  // namespace eqbond
