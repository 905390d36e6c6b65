// eqbond-screens: the pictures the README shows, taken from the real windows on the offscreen
// platform with the built-in simulated instrument, so they are made again whenever the program
// changes (scripts/screenshots runs it).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

#include "archive/archive_location.h"
#include "base/program.h"
#include "base/program_settings.h"
#include "inspection/inspection_report.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_inspection_pdf.h"
#include "inspection/qt_sqlite_inspections.h"
#include "issued/qt_report_issuer.h"
#include "language/translations.h"
#include "link/instrument_buttons.h"
#include "program/event_wait.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_window.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/site_tree.h"

namespace {

using eqbond::wait_until;

bool save(QWidget& widget, const QString& file) {
    wait_until([] { return false; }, 300);  // the last repaint lands
    if (widget.grab().save(file)) return true;
    QTextStream(stderr) << "eqbond-screens: cannot write " << file << "\n";
    return false;
}

// Words of the demo inspection, in the picture's language.
struct DemoWords {
    QString site, address, customer, location, inspector, earlier_inspector;
    QStringList points;  // test points, numbered in turn
};

DemoWords demo_words(bool chinese) {
    if (chinese)
        return {
            QStringLiteral("市第一人民医院"),
            QStringLiteral("解放路 88 号"),
            QStringLiteral("市卫生健康委员会"),
            QStringLiteral("门诊楼 3 层 手术室 3"),
            QStringLiteral("李明"),
            QStringLiteral("王强"),
            {QStringLiteral("无影灯接地端子"), QStringLiteral("手术台接地端子"),
             QStringLiteral("医用气体管道"), QStringLiteral("插座 PE"), QStringLiteral("暖气片")}};
    return {QStringLiteral("City General Hospital"),
            QStringLiteral("88 Station Road"),
            QStringLiteral("City Health Authority"),
            QStringLiteral("Outpatient block, floor 3, OR 3"),
            QStringLiteral("M. Li"),
            QStringLiteral("Q. Wang"),
            {QStringLiteral("surgical light earth terminal"),
             QStringLiteral("operating table earth"), QStringLiteral("medical gas pipe"),
             QStringLiteral("socket PE"), QStringLiteral("radiator")}};
}

// Makes the demo read an inspection: a site with its address and customer, a location, who
// measured with what, test points, and the same room's inspection a year earlier to compare with.
std::optional<int64_t> describe_demo(eqbond::QtSqliteInspections& archive, const DemoWords& words) {
    const std::vector<eqbond::ListedInspection> listed = archive.list(std::nullopt);
    if (listed.empty()) return std::nullopt;
    const std::optional<eqbond::Inspection> read = archive.load(listed.front().id);
    std::optional<eqbond::Site> site = archive.site_named(words.site);
    if (!read || !site) return std::nullopt;
    site->address = words.address;
    site->customer = words.customer;
    archive.update_site(*site);

    eqbond::Download earlier = read->download;
    earlier.started = earlier.started.addYears(-1);
    earlier.finished = earlier.finished.addYears(-1);
    std::vector<eqbond::Group> earlier_groups = read->groups;
    for (eqbond::Group& g : earlier_groups) {
        // Most points about as they were; every fifth one has worn since.
        g.milliohm = g.number % 5 == 2 ? g.milliohm / 2 : g.milliohm * 96 / 100;
        g.year -= 1;
    }
    const std::optional<int64_t> earlier_id = archive.save_download(earlier, earlier_groups);
    if (!earlier_id) return std::nullopt;

    eqbond::PointLabels labels;
    for (const eqbond::Group& g : read->groups) {
        const int n = g.number - 1;
        labels[g.number] = QStringLiteral("P%1 %2")
                               .arg(n + 1, 2, 10, QLatin1Char('0'))
                               .arg(words.points[n % words.points.size()]);
    }
    eqbond::InspectionDetails details;
    details.site_id = site->id;
    details.location = words.location;
    details.inspector = words.earlier_inspector;
    details.instrument_serial = QStringLiteral("EB-2291-0417");
    archive.set_details(*earlier_id, details);
    archive.set_labels(*earlier_id, labels);
    details.inspector = words.inspector;
    archive.set_details(read->id, details);
    archive.set_labels(read->id, labels);
    eqbond::save_inspection_defaults({words.inspector, details.instrument_serial});
    return read->id;
}

// The demo inspection's report issued, under a sample lab's letterhead.
bool write_report(eqbond::QtSqliteFile& file, eqbond::QtSqliteInspections& archive, int64_t id,
                  const QString& pdf, bool chinese) {
    eqbond::ProgramSettings settings;
    settings.setValue(QStringLiteral("report/lab_name"),
                      chinese ? QStringLiteral("市电气安全检测中心")
                              : QStringLiteral("City Electrical Safety Test Centre"));
    settings.setValue(
        QStringLiteral("report/lab_address"),
        chinese ? QStringLiteral("建设路 12 号") : QStringLiteral("12 Bridge Street"));
    settings.setValue(QStringLiteral("report/accreditation"), QStringLiteral("L-0815"));
    settings.setValue(QStringLiteral("report/telephone"), QStringLiteral("0571-8800 1234"));
    settings.setValue(QStringLiteral("report/logo"), QStringLiteral(":/eqbond/logo.png"));
    settings.setValue(QStringLiteral("report/approver"),
                      chinese ? QStringLiteral("赵红") : QStringLiteral("H. Zhao"));
    settings.sync();
    eqbond::QtSqliteIssued issued(file);
    const eqbond::IssueOutcome outcome = eqbond::issue_report(archive, issued, {id, {}, {}});
    QFile out(pdf);
    if (outcome.report && out.open(QIODevice::WriteOnly) && out.write(outcome.report->pdf) > 0)
        return true;
    QTextStream(stderr) << "eqbond-screens: cannot write " << pdf << ": " << outcome.problem
                        << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 ||
        (arguments[2] != QLatin1String("zh") && arguments[2] != QLatin1String("en"))) {
        QTextStream(stderr) << "usage: eqbond-screens FOLDER zh|en\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    const QString suffix = QLatin1Char('-') + arguments[2] + QStringLiteral(".png");
    eqbond::ui::LaunchOptions options;
    options.demo = true;
    options.splash = false;
    options.language = *eqbond::language_named(arguments[2]);
    QTemporaryDir archive_folder;
    options.archive_file = archive_folder.filePath(QStringLiteral("archive.sqlite"));
    eqbond::install_translations(options.language, nullptr);
    eqbond::save_bonding_limit(QStringLiteral("0.2"));  // the common limit of medical locations
    eqbond::ui::install_font_substitutes();
    QApplication::setFont(eqbond::ui::song_font(9));

    eqbond::ui::AppController controller(options);
    QString error;
    if (!controller.start(&error)) {
        QTextStream(stderr) << "eqbond-screens: " << error << "\n";
        return 1;
    }
    eqbond::Program& program = controller.program();
    if (!wait_until([&] { return program.state.link.linked; }, 15000)) {
        QTextStream(stderr) << "eqbond-screens: the demo instrument did not answer\n";
        return 1;
    }
    eqbond::on_read_clicked(program);
    if (!wait_until([&] { return !program.state.link.reading(); }, 120000)) {
        QTextStream(stderr) << "eqbond-screens: the read did not end\n";
        return 1;
    }
    if (!save(*controller.main_window(), folder.filePath(QStringLiteral("main-window") + suffix)))
        return 1;
    eqbond::QtSqliteInspections& store = controller.archive()->inspections();
    const std::optional<int64_t> inspected =
        describe_demo(store, demo_words(arguments[2] == QLatin1String("zh")));
    if (!inspected) {
        QTextStream(stderr) << "eqbond-screens: the demo read was not archived\n";
        return 1;
    }
    eqbond::ui::ArchiveWindow* archive = controller.archive()->show_window();
    archive->resize(1400, 820);
    // The site open in the tree, a test point chosen so that its history shows.
    eqbond::ui::SiteTree* tree = archive->site_tree();
    if (tree->topLevelItemCount() > 0) tree->setCurrentItem(tree->topLevelItem(0));
    archive->group_table()->setCurrentIndex(archive->group_table()->model()->index(1, 0));
    if (!save(*archive, folder.filePath(QStringLiteral("archive-window") + suffix))) return 1;
    const QString report = QStringLiteral("inspection-report-%1.pdf").arg(arguments[2]);
    return write_report(controller.archive()->archive(), store, *inspected, folder.filePath(report),
                        arguments[2] == QLatin1String("zh"))
               ? 0
               : 1;
}
