#include "history/history_page.h"

#include "base/program.h"
#include "records/group_entry.h"

namespace eqbond {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kBlankMark(8, QLatin1Char(' '));
const QString kAfterLeft(28, QLatin1Char(' '));
const QString kAfterRight(5, QLatin1Char(' '));
}  // namespace

QString history_page_text(const RecordStore& store, int page) {
    QString out;
    out.reserve(128 * (kRowsPerPage + 1));
    out += QString(54, QLatin1Char(' ')) + QStringLiteral("第(  ") + QString::number(page) +
           QStringLiteral(" 页)") + kCrLf;
    const long long first = (static_cast<long long>(page) - 1) * kGroupsPerPage;
    for (int r = 1; r <= kRowsPerPage; ++r) {
        const long long left = first + r;
        const long long right = left + kRowsPerPage;
        if (left >= 0 && left <= INT32_MAX && store.shown(int(left))) {
            out += group_entry(store.at(int(left)), kBlankMark) + kAfterLeft;
        }
        if (right >= 0 && right <= INT32_MAX && store.shown(int(right))) {
            out += group_entry(store.at(int(right)), kBlankMark) + kAfterRight;
        }
        out += kCrLf;
    }
    return out;
}

void show_history_page(Program& p, int16_t page) {
    p.state.main_window.listing_text = history_page_text(p.state.records, page);
}

}  // namespace eqbond
