// The archive window as an inspection record, on a real archive file under the offscreen platform:
// details entered and refused, test plans applied, a label typed in the table, the previous
// inspection beside each point, the deteriorated filter, the site tree and the report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringEncoder>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>

#include "archive/archive_location.h"
#include "archive/archive_texts.h"
#include "archive/qt_sqlite_file.h"
#include "base/value_format.h"
#include "inspection/inspection_settings.h"
#include "inspection/inspection_texts.h"
#include "inspection/qt_sqlite_inspections.h"
#include "support/report_fakes.h"
#include "support/started_program.h"
#include "ui/app_controller.h"
#include "ui/archive_hookup.h"
#include "ui/archive_models.h"
#include "ui/archive_plot.h"
#include "ui/archive_window.h"
#include "ui/inspection_details_panel.h"
#include "ui/main_window.h"
#include "ui/site_tree.h"

namespace eqbond {
namespace {

namespace Column = group_column;
const QString kSiteName = QStringLiteral("市第一医院");
const QString kRoom = QStringLiteral("手术室3");

std::pair<Download, std::vector<Group>> inspection(int minute, const std::vector<int>& milliohm) {
    Download d;
    d.started = QDateTime(QDate(2026, 3, 2), QTime(9, minute));
    d.finished = d.started.addSecs(20);
    d.port_number = 2;
    d.device = QStringLiteral("/dev/ttyUSB0");
    d.reported_total = d.groups_read = int32_t(milliohm.size());
    std::vector<Group> groups;
    for (size_t i = 0; i < milliohm.size(); ++i) {
        Group g;
        g.number = int32_t(i) + 1;
        g.milliohm = milliohm[i];
        g.year = 26, g.month = 3, g.day = 2, g.hour = 9, g.minute = minute;
        groups.push_back(g);
    }
    return {d, groups};
}

InspectionDetails at(int64_t site_id, const QString& location, const QString& inspector) {
    InspectionDetails details;
    details.site_id = site_id;
    details.location = location;
    details.inspector = inspector;
    return details;
}

struct InspectionWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<ui::AppController> controller;
    test::FakeMessageBox messages;
    test::FakeFileDialogs dialogs;
    test::FakePrinter printer;
    int64_t site_id = 0, older_id = 0, other_room_id = 0, newer_id = 0;

    void SetUp() override {
        const QString file = dir.filePath(QStringLiteral("archive.sqlite"));
        {
            QtSqliteFile archive_file;
            QtSqliteInspections archive(archive_file);
            ASSERT_TRUE(archive_file.open(file));
            const auto loose = inspection(0, {80});  // never given a site
            ASSERT_TRUE(archive.save_download(loose.first, loose.second));
            const auto other = inspection(1, {90, 90});
            const auto older = inspection(2, {100, 150, 120, 100, 50});
            // Group 2 passed and fails now; group 4 rose by 80%: both deteriorated.
            const auto newer = inspection(3, {105, 300, 130, 180, 50});
            for (auto [made, id] :
                 {std::pair{&other, &other_room_id}, {&older, &older_id}, {&newer, &newer_id}}) {
                const std::optional<int64_t> saved =
                    archive.save_download(made->first, made->second);
                ASSERT_TRUE(saved) << archive.fault()->detail.toStdString();
                *id = *saved;
            }
            const std::optional<Site> named = archive.site_named(kSiteName);
            ASSERT_TRUE(named) << archive.fault()->detail.toStdString();
            Site site = *named;
            site_id = site.id;
            site.address = QStringLiteral("解放路 1 号");
            site.customer = QStringLiteral("市卫健委");
            ASSERT_TRUE(archive.update_site(site));
            ASSERT_TRUE(archive.set_details(
                other_room_id, at(site_id, QStringLiteral("手术室5"), QStringLiteral("王工"))));
            ASSERT_TRUE(archive.set_details(older_id, at(site_id, kRoom, QStringLiteral("王工"))));
            ASSERT_TRUE(archive.set_labels(older_id, {{1, QStringLiteral("A1")},
                                                      {2, QStringLiteral("A2")},
                                                      {3, QStringLiteral("A3")},
                                                      {4, QStringLiteral("A4")},
                                                      {5, QStringLiteral("A5")}}));
        }
        save_bonding_limit(QStringLiteral("0.2"));
        QString error;
        controller = test::started_program(file, messages, dialogs, printer, &error);
        ASSERT_TRUE(controller) << error.toStdString();
    }
    void TearDown() override {
        save_bonding_limit(QString());
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    }

    QtSqliteInspections& archive() { return controller->archive()->inspections(); }
    ui::ArchiveWindow* open_window() { return controller->archive()->show_window(); }
    template <typename T>
    T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The group table's row of group `number` as shown now.
    int row_of(ui::ArchiveWindow* w, int number) {
        QAbstractItemModel* model = w->group_table()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, Column::Number).data(ui::kSortRole).toInt() == number) return r;
        return -1;
    }
    QString cell(ui::ArchiveWindow* w, int number, int column) {
        return w->group_table()->model()->index(row_of(w, number), column).data().toString();
    }
    // The newer inspection, by 李工, opened from the site tree with test point A2 chosen; A2 was
    // measured before by 王工, and by 张工 on a day the download was read long after.
    ui::ArchiveWindow* open_newer_with_point_a2_chosen() {
        auto early = inspection(1, {110, 140});
        for (Group& g : early.second) g.month = 2, g.day = 20;
        const std::optional<int64_t> early_id = archive().save_download(early.first, early.second);
        if (!early_id ||
            !archive().set_details(*early_id, at(site_id, kRoom, QStringLiteral("张工"))) ||
            !archive().set_labels(*early_id, {{2, QStringLiteral("A2")}}) ||
            !archive().set_details(newer_id, at(site_id, kRoom, QStringLiteral("李工"))) ||
            !archive().set_labels(newer_id, {{2, QStringLiteral("A2")}}))
            return nullptr;
        ui::ArchiveWindow* w = open_window();
        ui::SiteTree* tree = w->site_tree();
        tree->setCurrentItem(tree->topLevelItem(0));
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        if (!w->open_download() || w->open_download()->id != newer_id) return nullptr;
        w->group_table()->setCurrentIndex(w->group_table()->model()->index(row_of(w, 2), 0));
        return w;
    }
    QString plan_file(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
};

TEST_F(InspectionWindowFixture, RecordsAnInspectionFromDetailsToReport) {
    ui::ArchiveWindow* w = open_window();
    ASSERT_TRUE(w->open_download());
    ASSERT_EQ(w->open_download()->id, newer_id);  // the newest, not yet described
    ui::InspectionDetailsPanel* panel = w->details_panel();
    auto* site_list = child<QComboBox>(panel, "DetailsSite");
    site_list->setCurrentIndex(site_list->findText(kSiteName));
    EXPECT_EQ(child<QLineEdit>(panel, "SiteCustomer")->text(), QStringLiteral("市卫健委"));

    // Refused input says why and keeps nothing.
    const struct {
        const char* field;
        QString typed;
        const text::ScreenText& reason;
        const text::ScreenText& caption;
    } refused[] = {
        {"DetailsLocation", QString(201, QChar(0x5BA4)), text::kDetailsTooLong,
         text::kDetailsLocation},
        {"DetailsInspector", QStringLiteral("李\x07工"), text::kDetailsControl,
         text::kDetailsInspector},
        {"SiteAddress", QStringLiteral("路\n1"), text::kDetailsControl, text::kSiteAddress},
    };
    for (const auto& r : refused) {
        auto* edit = child<QLineEdit>(panel, r.field);
        const QString before = edit->text();
        edit->setText(r.typed);
        child<QPushButton>(panel, "SaveDetails")->click();
        EXPECT_EQ(panel->message()->text(),
                  r.reason.arg(r.caption.shown().remove(QLatin1Char(':'))))
            << r.field;
        EXPECT_FALSE(archive().details(newer_id)->site_id) << r.field;
        edit->setText(before);
    }
    child<QLineEdit>(panel, "DetailsLocation")->setText(kRoom);
    child<QLineEdit>(panel, "DetailsInspector")->setText(QStringLiteral("李工"));
    child<QLineEdit>(panel, "DetailsInstrument")->setText(QStringLiteral("SN-0042"));
    child<QLineEdit>(panel, "DetailsNotes")->setText(QStringLiteral("年检"));
    child<QPushButton>(panel, "SaveDetails")->click();
    const InspectionDetails saved = *archive().details(newer_id);
    EXPECT_EQ(saved.site_id, site_id);
    EXPECT_EQ(saved.location, kRoom);
    EXPECT_EQ(saved.inspector, QStringLiteral("李工"));
    EXPECT_EQ(saved.instrument_serial, QStringLiteral("SN-0042"));
    EXPECT_EQ(saved.notes, QStringLiteral("年检"));
    EXPECT_EQ(saved_inspection_defaults().inspector, QStringLiteral("李工"));
    EXPECT_EQ(saved_inspection_defaults().instrument_serial, QStringLiteral("SN-0042"));

    // A plan applied from group N labels as far as both go, and says how and how many.
    QStringEncoder gbk("GBK");
    const struct {
        QString file;
        int first;
        int labelled;
        const text::ScreenText& encoding;
    } plans[] = {
        {plan_file("short.txt", "# room 3\nS1\n\nS2\n"), 4, 2, text::kPlanReadUtf8},
        {plan_file("gbk.txt", QByteArray(gbk.encode(QStringLiteral("插座\n床头\n")))), 2, 2,
         text::kPlanReadGbk},
        {plan_file("long.txt", "A1\nA2\nA3\nA4\nA5\nA6\nA7\n"), 1, 5, text::kPlanReadUtf8},
    };
    for (const auto& p : plans) {
        dialogs.open_answer = p.file;
        child<QSpinBox>(w, "PlanFirstGroup")->setValue(p.first);
        child<QPushButton>(w, "ApplyPlan")->click();
        const QString said = child<QLabel>(w, "PlanMessage")->text();
        EXPECT_TRUE(said.contains(text::kPlanApplied.arg(p.labelled))) << said.toStdString();
        EXPECT_TRUE(said.contains(p.encoding.shown())) << said.toStdString();
    }
    EXPECT_EQ(archive().plan(site_id, kRoom).size(), 7);
    EXPECT_EQ(archive().load(newer_id)->labels.at(5), QStringLiteral("A5"));
    child<QSpinBox>(w, "PlanFirstGroup")->setValue(1);
    child<QPushButton>(w, "UseKeptPlan")->click();
    EXPECT_TRUE(child<QLabel>(w, "PlanMessage")->text().contains(text::kPlanApplied.arg(5)));

    // Each point beside the previous inspection, the deteriorated marked with a word.
    const QString mark = text::kDeterioratedMark.shown();
    const struct {
        int number;
        int previous;
        bool deteriorated;
    } points[] = {{1, 100, false}, {2, 150, true}, {3, 120, false}, {4, 100, true}, {5, 50, false}};
    for (const auto& p : points) {
        EXPECT_EQ(cell(w, p.number, Column::Previous), measured_resistance(p.previous)) << p.number;
        EXPECT_EQ(cell(w, p.number, Column::Deteriorated), p.deteriorated ? mark : QString())
            << p.number;
    }
    EXPECT_TRUE(cell(w, 4, Column::ChangePercent).startsWith(QLatin1Char('+')));
    auto* filter = child<QComboBox>(w, "GroupFilter");
    for (const auto& [shown, rows] : {std::pair{text::kGroupFilterDeteriorated.shown(), 2},
                                      {text::kGroupFilterFailing.shown(), 1},
                                      {text::kGroupFilterAll.shown(), 5}}) {
        filter->setCurrentIndex(filter->findText(shown));
        EXPECT_EQ(w->group_table()->model()->rowCount(), rows) << shown.toStdString();
    }
    w->group_table()->sortByColumn(Column::Deteriorated, Qt::DescendingOrder);
    EXPECT_EQ(w->group_table()->model()->index(1, Column::Deteriorated).data().toString(), mark);
    EXPECT_EQ(w->group_table()->model()->index(2, Column::Deteriorated).data().toString(),
              QString());

    // A test point typed in the table is stored at once; the history follows the chosen point.
    QAbstractItemModel* table = w->group_table()->model();
    EXPECT_FALSE(table->setData(table->index(row_of(w, 3), Column::Point), QStringLiteral("B3\tx"),
                                Qt::EditRole));
    EXPECT_EQ(child<QLabel>(w, "PlanMessage")->text(),
              text::kDetailsControl.arg(text::kColumnPoint.shown()));
    ASSERT_TRUE(table->setData(table->index(row_of(w, 3), Column::Point), QStringLiteral("B3 水管"),
                               Qt::EditRole));
    EXPECT_EQ(archive().load(newer_id)->labels.at(3), QStringLiteral("B3 水管"));
    QApplication::processEvents();
    w->group_table()->setCurrentIndex(w->group_table()->model()->index(row_of(w, 2), 0));
    EXPECT_EQ(child<QLabel>(w, "PointHistoryTitle")->text(),
              text::kHistoryTitle.arg(QStringLiteral("A2")));

    // The report as PDF and on the printer.
    dialogs.answer = dir.filePath(QStringLiteral("报告.pdf"));
    child<QPushButton>(w, "ReportPdf")->click();
    QFile pdf(*dialogs.answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    child<QPushButton>(w, "PrintReport")->click();
    EXPECT_EQ(printer.pages().size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InspectionWindowFixture, TheSiteTreeListsLocationsAndInspectionsNewestFirst) {
    ASSERT_TRUE(archive().set_details(newer_id, at(site_id, kRoom, QStringLiteral("李工"))));
    ui::ArchiveWindow* w = open_window();
    ui::SiteTree* tree = w->site_tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* site = tree->topLevelItem(0);
    EXPECT_EQ(site->text(0), kSiteName);
    tree->setCurrentItem(site);
    ASSERT_EQ(site->childCount(), 2);
    EXPECT_EQ(site->child(0)->text(0), kRoom);  // inspected last
    EXPECT_EQ(site->child(1)->text(0), QStringLiteral("手术室5"));
    QTreeWidgetItem* room = site->child(0);
    ASSERT_EQ(room->childCount(), 2);
    EXPECT_TRUE(room->child(0)->text(0).startsWith(QStringLiteral("2026-03-02 09:03")));
    EXPECT_TRUE(room->child(0)->text(0).endsWith(QStringLiteral("李工")));
    EXPECT_TRUE(room->child(1)->text(0).startsWith(QStringLiteral("2026-03-02 09:02")));
    tree->setCurrentItem(room->child(1));
    ASSERT_TRUE(w->open_download());
    EXPECT_EQ(w->open_download()->id, older_id);
    // The flat list stays whole, or follows the site chosen.
    EXPECT_EQ(w->download_list()->model()->rowCount(), 4);
    child<QCheckBox>(w, "OnlyChosenSite")->setChecked(true);
    EXPECT_EQ(w->download_list()->model()->rowCount(), 3);
}

TEST_F(InspectionWindowFixture, ThePreviousValueAndTheHistorySayWhoMeasuredThemAndWhen) {
    ui::ArchiveWindow* w = open_newer_with_point_a2_chosen();
    ASSERT_NE(w, nullptr);
    const QString previous = w->group_table()
                                 ->model()
                                 ->index(row_of(w, 2), Column::Previous)
                                 .data(Qt::ToolTipRole)
                                 .toString();
    for (const char* said : {"王工", "2026-03-02", "09:02"})
        EXPECT_TRUE(previous.contains(QString::fromUtf8(said))) << previous.toStdString();
    // The axis names the days the instrument measured, not the days the downloads were read.
    ui::ArchivePlot* history = w->point_history();
    ASSERT_EQ(history->groups().size(), 3u);
    EXPECT_EQ(history->x_labels().front(), QStringLiteral("2026-02-20"));
    EXPECT_TRUE(history->tip_at(history->position_of(history->groups()[0]))
                    .contains(QStringLiteral("张工")));
}

TEST_F(InspectionWindowFixture, ALimitTypedOrTheListReadAgainKeepsWhatWasChosen) {
    ui::ArchiveWindow* w = open_newer_with_point_a2_chosen();
    ASSERT_NE(w, nullptr);
    ui::SiteTree* tree = w->site_tree();
    const QString chosen_inspection = tree->currentItem()->text(0);
    auto* limit = child<QLineEdit>(w, "BondingLimit");
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"a limit typed",
         [&] {
             limit->setText(QStringLiteral("0.3"));
             emit limit->editingFinished();
         }},
        {"the list read again", [&] { w->refresh(); }},
    };
    for (const auto& [step, act] : steps) {
        SCOPED_TRACE(step);
        act();
        QApplication::processEvents();
        EXPECT_EQ(w->group_table()->currentIndex().data(ui::kKeyRole).toInt(), 2);
        EXPECT_EQ(w->point_history()->groups().size(), 3u);
        ASSERT_NE(tree->currentItem(), nullptr);
        EXPECT_EQ(tree->currentItem()->text(0), chosen_inspection);
        EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    }
}

// The report button issues the report, writes it again unchanged, and for a changed one asks
// for the reason of a new revision; the list of revisions writes an earlier one as issued.
TEST_F(InspectionWindowFixture, TheReportButtonIssuesAndRevisesWithAReason) {
    ui::ArchiveWindow* w = open_window();
    ASSERT_TRUE(w->open_download());
    const int64_t id = w->open_download()->id;
    auto* button = child<QPushButton>(w, "ReportPdf");
    auto* revisions = child<QComboBox>(w, "IssuedRevisions");
    const auto bytes = [&](const char* name) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto click = [&](QPushButton* b, const char* name) {
        dialogs.answer = dir.filePath(QString::fromLatin1(name));
        b->click();
    };
    EXPECT_EQ(button->text(), text::kIssueReportButton.shown());
    click(button, "r1.pdf");
    EXPECT_EQ(revisions->count(), 1);
    EXPECT_EQ(button->text(), text::kIssuedReportButton.shown());
    click(button, "again.pdf");
    EXPECT_EQ(bytes("again.pdf"), bytes("r1.pdf"));

    ASSERT_TRUE(archive().set_label(id, 1, QStringLiteral("B1 新点位")));
    w->refresh();
    EXPECT_EQ(button->text(), text::kReviseReportButton.shown());
    for (const std::optional<QString>& reason :
         {std::optional<QString>(), std::optional<QString>(QStringLiteral("  "))}) {
        messages.typed = reason;  // cancelled, or no reason given: nothing issued
        click(button, "r2.pdf");
        EXPECT_EQ(revisions->count(), 1);
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("r2.pdf"))));
    }
    messages.typed = QStringLiteral("测试点改名");
    click(button, "r2.pdf");
    ASSERT_EQ(revisions->count(), 2);
    EXPECT_TRUE(revisions->itemText(1).contains(QStringLiteral("测试点改名")));
    EXPECT_FALSE(bytes("r2.pdf").isEmpty());
    EXPECT_NE(bytes("r2.pdf"), bytes("r1.pdf"));
    EXPECT_EQ(messages.asked.size(), 3u);
    EXPECT_TRUE(messages.asked.back().contains(QStringLiteral("group 1's test point")));

    revisions->setCurrentIndex(0);
    click(child<QPushButton>(w, "WriteRevision"), "old.pdf");
    EXPECT_EQ(bytes("old.pdf"), bytes("r1.pdf"));
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace eqbond
