// For real: the print job on the system's default printer. scripts/setup-test-printer makes a
// cups-pdf queue, eqbond-pdf, the default; the PDF it writes is read back as text. The test
// prints on no other printer.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>

#include "report/print_layout.h"
#include "report/qt_printer.h"
#include "support/pdf_text.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

const QString kTestQueue = QStringLiteral("eqbond-pdf");

// Where cups-pdf puts the files of this user's jobs: its Out setting, ${HOME}/PDF as shipped.
QString cups_pdf_folder() {
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray& raw : conf.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("Out "))) out = line.mid(4).trimmed();
        }
    }
    return out.replace(QLatin1String("${HOME}"), QDir::homePath())
        .replace(QLatin1String("${USER}"), qEnvironmentVariable("USER", QStringLiteral("root")));
}

// The text without blanks, and without blank lines.
QString compact(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QRegularExpression(QStringLiteral("\\s")));
        if (!line.isEmpty()) lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// The PDF whose name carries `tag`, once the spooler has finished writing it.
QString wait_for_pdf(const QString& folder, const QString& tag, QDeadlineTimer deadline) {
    qint64 last_size = -1;
    while (!deadline.hasExpired()) {
        const QFileInfoList found =
            QDir(folder).entryInfoList({QStringLiteral("*%1*.pdf").arg(tag)}, QDir::Files);
        if (!found.isEmpty()) {
            const qint64 size = found.first().size();
            // Finished when its size holds still and its end-of-file marker is written.
            QFile file(found.first().filePath());
            if (size > 0 && size == last_size && file.open(QIODevice::ReadOnly) &&
                file.readAll().trimmed().endsWith("%%EOF"))
                return found.first().filePath();
            last_size = size;
        }
        QThread::msleep(200);  // an outside process writes the file; nothing to tick
    }
    return QString();
}

TEST(SystemPrinter, PrintsTheGroupsOnTheDefaultPrinter) {
    const QPrinterInfo printer_info = QPrinterInfo::defaultPrinter();
    if (printer_info.isNull())
        GTEST_SKIP() << "no default printer: scripts/setup-test-printer sets up CUPS with the "
                        "eqbond-pdf queue";
    if (printer_info.printerName() != kTestQueue)
        GTEST_SKIP() << "the default printer is " << printer_info.printerName().toStdString()
                     << ", not the eqbond-pdf test queue: not printing on it";
    if (!test::poppler_installed()) GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) missing";

    test::ReportProgram f;
    test::put_groups(f.records(), 200);
    test::put_group(f.records(), 5, 65535, "24/05/18", "14:30", true);
    const QString tag = QStringLiteral("eqbondtest%1").arg(QDateTime::currentMSecsSinceEpoch());
    QtPrinter printer;
    printer.set_document_name(tag);
    f.program.ports.printer = &printer;

    run_print_job(f.program, 1, 200);
    EXPECT_TRUE(f.messages.shown.empty());

    const QString pdf = wait_for_pdf(cups_pdf_folder(), tag, QDeadlineTimer(90000));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF named after " << tag.toStdString() << " in "
                                << cups_pdf_folder().toStdString();
    EXPECT_EQ(test::pdf_pages(pdf), 2);
    // The spooler's conversions move glyphs a little, so pdftotext may split a word with
    // blanks: the lines are compared with their blanks taken out.
    const QString page1 = compact(test::pdf_text(pdf, 1, 1));
    const QString page2 = compact(test::pdf_text(pdf, 2, 2));
    const QString heading = QStringLiteral("组数电阻值日期时间组数电阻值日期时间");
    EXPECT_TRUE(page1.startsWith(heading + '\n')) << page1.toStdString();
    EXPECT_TRUE(page2.startsWith(heading + '\n')) << page2.toStdString();
    EXPECT_TRUE(page1.contains(
        QStringLiteral("\n0001组:0.0011Ω24/05/1709:050085组:0.0859Ω24/05/1709:05\n")));
    EXPECT_TRUE(page1.contains(QStringLiteral("\n0005组:OLΩ24/05/1814:30")));
    EXPECT_TRUE(page1.contains(
        QStringLiteral("\n0084组:0.0844Ω24/05/1709:050168组:0.1685Ω24/05/1709:05\n")));
    EXPECT_EQ(page1.count(QStringLiteral("组:")), 168);
    EXPECT_TRUE(page2.contains(
        QStringLiteral("\n0169组:0.1696Ω24/05/1709:050185组:0.1856Ω24/05/1709:05\n")));
    EXPECT_TRUE(
        page2.contains(QStringLiteral("\n0184组:0.1849Ω24/05/1709:050200组:0.2004Ω24/05/1709:05")));
    EXPECT_EQ(page2.count(QStringLiteral("组:")), 32);
    QFile::remove(pdf);
}

}  // namespace
}  // namespace eqbond
