// The whole export road of the program with its built-in simulated instrument: find it, read
// its groups, save the text report and the chart through the real file dialog, and print all
// groups on the default printer (the eqbond-pdf test queue only).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QImageReader>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QThread>
#include <QTimer>
#include <functional>

#include "report/qt_printer.h"
#include "support/pdf_text.h"
#include "ui/app_controller.h"
#include "ui/main_window.h"

namespace eqbond {
namespace {

// Runs the event loop until `done` holds or the deadline passes.
bool run_until(const std::function<bool()>& done, int deadline_ms) {
    QDeadlineTimer deadline(deadline_ms);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Answers the next file dialog with `path`.
void answer_file_dialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("CommonDialog1"));
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
}

QString cups_pdf_folder() {
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly))
        for (const QByteArray& raw : conf.readAll().split('\n'))
            if (raw.trimmed().startsWith("Out ")) out = QString::fromUtf8(raw.trimmed().mid(4));
    return out.replace(QLatin1String("${HOME}"), QDir::homePath());
}

struct DemoExport : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<ui::AppController> controller;

    void SetUp() override {
        // EQBOND_KEEP_TEST_FILES keeps the saved files for a look at them.
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("EQBOND_KEEP_TEST_FILES"));
        ui::LaunchOptions options;
        options.demo = true;
        options.splash = false;
        controller = std::make_unique<ui::AppController>(options);
        QString error;
        ASSERT_TRUE(controller->start(&error)) << error.toStdString();
    }
    void TearDown() override {
        if (!dir.autoRemove()) std::cout << "files kept in " << dir.path().toStdString() << "\n";
    }
    ProgramState& state() { return controller->program().state; }
    void click(const char* button) {
        controller->main_window()->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
};

TEST_F(DemoExport, ReadSaveAndPrint) {
    ASSERT_TRUE(run_until(
        [&] { return state().link.linked && state().link.instrument_group_count > 0; }, 30000))
        << "the simulated instrument was not found";
    const int groups = state().link.instrument_group_count;

    click("Command5");  // 读    取
    ASSERT_TRUE(run_until(
        [&] {
            return state().link.reading() == false && state().records.last_stored_group == groups;
        },
        120000))
        << "read stopped at group " << state().link.next_group;

    // The listing is shown: the save button writes the text report.
    const QString report = dir.filePath(QStringLiteral("KORVAL.txt"));
    answer_file_dialog(report);
    click("Command4");
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QTextCodec::codecForName("GBK")->toUnicode(file.readAll());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[1].left(2), QStringLiteral("组数"));
    const int rows = (groups + 1) / 2;
    const QRegularExpression row(QStringLiteral("^(\\d{4})组: .{8}   \\d\\d/\\d\\d/\\d\\d  "));
    int entry_lines = 0;
    for (const QString& line : lines) entry_lines += row.match(line).hasMatch();
    EXPECT_EQ(entry_lines, rows);
    EXPECT_TRUE(text.contains(QStringLiteral("0001组: ")));
    EXPECT_TRUE(text.contains(QStringLiteral("%1组: ").arg(groups, 4, 10, QLatin1Char('0'))));

    // The chart again (the test button shows it): the save button writes the bitmap.
    click("Command1");
    ASSERT_TRUE(run_until([&] { return state().chart.generation > 2; }, 10000));
    const QString bitmap = dir.filePath(QStringLiteral("KORVAL.bmp"));
    answer_file_dialog(bitmap);
    click("Command4");
    QImageReader reader(bitmap);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage chart = reader.read();
    EXPECT_EQ(chart.size(),
              controller->main_window()->findChild<QWidget*>("Picture2")->size() - QSize(4, 4));

    // Print all groups, on the test queue only.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() || printer.printerName() != QLatin1String("eqbond-pdf") ||
        !test::poppler_installed())
        GTEST_SKIP() << "read and saved; no eqbond-pdf default printer to print on "
                        "(scripts/setup-test-printer)";
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("Form2") || !w->isVisible()) continue;
            w->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
            w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        }
    });
    click("Command7");
    EXPECT_TRUE(controller->main_window()->isVisible());
    EXPECT_EQ(state().records.last_stored_group, groups);

    QString pdf;
    run_until(
        [&] {
            for (const QFileInfo& f :
                 QDir(cups_pdf_folder())
                     .entryInfoList({QStringLiteral("*eqbond*.pdf")}, QDir::Files))
                if (f.lastModified() >= started && test::pdf_pages(f.filePath()) > 0)
                    pdf = f.filePath();
            return !pdf.isEmpty();
        },
        90000);
    ASSERT_FALSE(pdf.isEmpty()) << "nothing printed into " << cups_pdf_folder().toStdString();
    const int pages = (groups + 167) / 168;
    EXPECT_EQ(test::pdf_pages(pdf), pages);
    QString printed = test::pdf_text(pdf);
    printed.remove(QRegularExpression(QStringLiteral("[ \\t]")));
    EXPECT_EQ(printed.count(QStringLiteral("组数电阻值日期时间组数电阻值日期时间")), pages);
    EXPECT_EQ(printed.count(QStringLiteral("组:")), groups);
    if (dir.autoRemove()) {
        QFile::remove(pdf);
    } else {
        QFile::copy(pdf, dir.filePath(QStringLiteral("printed.pdf")));
    }
}

}  // namespace
}  // namespace eqbond
