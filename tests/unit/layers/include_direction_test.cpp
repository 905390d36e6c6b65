// The source folders are layers that include only downward: base, the features, the program's
// assembly, then the Qt windows. An include against that direction fails here, with its place.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace eqbond {
namespace {

// The folders of src/ and tools/, bottom first, as src/layers.txt lists them for CMake too.
QStringList layers() {
    QFile file(QStringLiteral(EQBOND_SOURCE_DIR "/src/layers.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QStringList out;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) out << line.trimmed();
    }
    return out;
}

// Qt modules beyond Qt Core, which only the qt_*.cpp adapters and the windows may use.
const QRegularExpression kBeyondCore(QStringLiteral(
    R"(^#include <(QSql\w*|QSerial\w*|QPrint\w*|QPrinter\w*|QImage|QPainter|QPixmap|QColor|QFont\w*|QWidget|QApplication|QGuiApplication)>)"));

struct Violation {
    QString file;
    QString line;
};

// Every include of a project header against the order, in every file of `tree` (src/ or tools/).
// A file directly in the tree (main.cpp, the tools' main files) stands above every layer; a
// folder missing from the list is a violation itself.
void scan(const QString& tree, const QStringList& order, std::vector<Violation>& found) {
    const QString root = QStringLiteral(EQBOND_SOURCE_DIR "/") + tree + QLatin1Char('/');
    const QRegularExpression project_include(QStringLiteral(R"(^#include "(\w+)/)"));
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root.size());
        if (!relative.contains(QLatin1Char('/'))) continue;
        const QString folder = relative.section(QLatin1Char('/'), 0, 0);
        const int own = order.indexOf(folder);
        if (own < 0) {
            found.push_back(
                {tree + QLatin1Char('/') + relative, QStringLiteral("not in layers.txt")});
            continue;
        }
        const bool adapter =
            relative.section(QLatin1Char('/'), -1).startsWith(QStringLiteral("qt_"));
        const bool core = tree == QLatin1String("src") && folder != QLatin1String("ui");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = project_include.match(line);
            if (m.hasMatch() && order.indexOf(m.captured(1)) > own)
                found.push_back({tree + QLatin1Char('/') + relative, line});
            if (core && !adapter && kBeyondCore.match(line).hasMatch())
                found.push_back({tree + QLatin1Char('/') + relative, line});
        }
    }
}

std::vector<Violation> violations() {
    const QStringList order = layers();
    EXPECT_TRUE(order.contains(QStringLiteral("trace")) && order.contains(QStringLiteral("cli")));
    std::vector<Violation> found;
    for (const QString& tree : {QStringLiteral("src"), QStringLiteral("tools")})
        scan(tree, order, found);
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
