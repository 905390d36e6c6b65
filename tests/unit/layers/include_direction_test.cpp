// The source folders are layers that include only downward: base, the features, the program's
// assembly, then the Qt windows. An include against that direction fails here, with its place.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace eqbond {
namespace {

// Bottom first, as the build lists them, then the Qt windows on top. A feature may use the
// features before it: the link stores groups (records) and shows the listing (history); the
// archive reuses the reports.
QStringList layers() {
    QFile build(QStringLiteral(EQBOND_SOURCE_DIR "/src/CMakeLists.txt"));
    EXPECT_TRUE(build.open(QIODevice::ReadOnly));
    const QRegularExpression list(QStringLiteral(R"(\bset\(layers ([\w ]+)\))"));
    const QRegularExpressionMatch m = list.match(QString::fromUtf8(build.readAll()));
    EXPECT_TRUE(m.hasMatch()) << "no set(layers ...) in src/CMakeLists.txt";
    return m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts) << QStringLiteral("ui");
}

// Qt modules beyond Qt Core, which only the qt_*.cpp adapters and the windows may use.
const QRegularExpression kBeyondCore(QStringLiteral(
    R"(^#include <(QSql\w*|QSerial\w*|QPrint\w*|QPrinter\w*|QImage|QPainter|QPixmap|QColor|QFont\w*|QWidget|QApplication|QGuiApplication)>)"));

struct Violation {
    QString file;
    QString line;
};

std::vector<Violation> violations() {
    const QString root = QStringLiteral(EQBOND_SOURCE_DIR "/src/");
    const QRegularExpression project_include(QStringLiteral(R"(^#include "(\w+)/)"));
    const QStringList order = layers();
    std::vector<Violation> found;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root.size());
        const QString folder = relative.section(QLatin1Char('/'), 0, 0);
        const int own = order.indexOf(folder);
        if (own < 0) continue;  // main.cpp stands above every layer
        const bool adapter =
            relative.section(QLatin1Char('/'), -1).startsWith(QStringLiteral("qt_"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = project_include.match(line);
            if (m.hasMatch() && order.indexOf(m.captured(1)) > own)
                found.push_back({relative, line});
            if (folder != QLatin1String("ui") && !adapter && kBeyondCore.match(line).hasMatch())
                found.push_back({relative, line});
        }
    }
    return found;
}

TEST(Layers, NoFolderIncludesOneAboveIt) {
    const std::vector<Violation> found = violations();
    for (const Violation& v : found)
        ADD_FAILURE() << v.file.toStdString() << ": " << v.line.toStdString();
    EXPECT_TRUE(found.empty());
}

}  // namespace
}  // namespace eqbond
