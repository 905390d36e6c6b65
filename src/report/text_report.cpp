#include "report/text_report.h"

#include "base/file_texts.h"
#include "base/gbk.h"
#include "base/record_store.h"
#include "report/report_row.h"

namespace eqbond {

namespace {
const QByteArray kCrLf("\r\n");

void append_separator_block(QStringList& lines) {
    const QString single_blank(1, QLatin1Char(' '));
    lines << single_blank << single_blank << single_blank;
    lines << single_blank + QStringLiteral("- ").repeated(72);
}
}  // namespace

QStringList text_report_lines(const RecordStore& store, int32_t next_group) {
    QStringList lines;
    lines << QString(25, QLatin1Char(' ')) << file_text::kReportHeading;
    const int32_t rows = next_group / 2;
    int in_block = 0;
    for (int32_t r = 1; r <= rows; ++r) {
        lines << two_column_row(store, r, r + rows, MissingLeft::Close);
        if (++in_block == kLinesPerBlock) {
            append_separator_block(lines);
            in_block = 0;
        }
    }
    return lines;
}

QByteArray gbk_lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) out += gbk_encoded(line) + kCrLf;
    return out;
}

QByteArray text_report(const RecordStore& store, int32_t next_group) {
    return gbk_lines(text_report_lines(store, next_group));
}

}  // namespace eqbond
