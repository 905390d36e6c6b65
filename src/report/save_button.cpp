#include "report/save_button.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "base/file_texts.h"
#include "base/program.h"
#include "base/texts.h"
#include "report/text_report.h"

namespace eqbond {

namespace {

void report_failure(Program& p) {
    p.ports.message_box->notify(text::kMessageTitle, text::kSaveFailedMessage);
}

void save_chart_bitmap(Program& p) {
    const QString folder = suggested_save_folder();
    // The bitmap branch alone makes the suggested folder; a failure shows when the file is
    // written.
    if (!QFileInfo(folder).exists()) QDir().mkpath(folder);
    const std::optional<QString> path = p.ports.file_dialogs->choose_save_file(SaveRequest{
        QStringLiteral(".bmp"), file_text::kBitmapFileName, text::kBitmapFilter, folder});
    if (!path) return;
    if (!p.ports.chart_image || !p.ports.chart_image->save_bitmap(*path)) report_failure(p);
}

void save_text_report(Program& p) {
    const std::optional<QString> path = p.ports.file_dialogs->choose_save_file(
        SaveRequest{QStringLiteral(".txt"), file_text::kReportFileName, text::kReportFilter,
                    suggested_save_folder()});
    if (!path) return;
    const ProgramState& s = p.state;
    if (!replace_file(*path, text_report(s.records, s.link.next_group))) report_failure(p);
}

}  // namespace

QString suggested_save_folder() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:/KORVAL");
#else
    return QDir::home().filePath(QStringLiteral("KORVAL"));
#endif
}

bool replace_file(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void on_save_clicked(Program& p) {
    if (p.state.main_window.work_view == WorkView::Chart) {
        save_chart_bitmap(p);
    } else {
        save_text_report(p);
    }
}

}  // namespace eqbond
