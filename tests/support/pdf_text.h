#pragma once
// Reading a printed PDF back: its text (pdftotext) and its page count and fonts (pdfinfo,
// pdffonts), all from poppler-utils.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace eqbond::test {

inline bool poppler_installed() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString run_tool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of pages first..last (all when 0), columns kept as laid out.
inline QString pdf_text(const QString& pdf, int first = 0, int last = 0) {
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-enc"),
                          QStringLiteral("UTF-8")};
    if (first > 0) arguments << QStringLiteral("-f") << QString::number(first);
    if (last > 0) arguments << QStringLiteral("-l") << QString::number(last);
    return run_tool(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

inline int pdf_pages(const QString& pdf) {
    for (const QString& line : run_tool(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

inline QString pdf_fonts(const QString& pdf) {
    return run_tool(QStringLiteral("pdffonts"), {pdf});
}

}  // namespace eqbond::test
