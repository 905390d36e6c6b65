// The program builds for Windows too: a POSIX header (pseudo-terminals, descriptors, terminal
// modes) belongs to eqbond-sim in tools/sim, or stands inside an #ifdef Q_OS_UNIX whose #else
// holds the Windows equivalent. Anywhere else it fails here, with its place. The ISO C and C++
// headers (<csignal>, <cstdio>) work on both and are not POSIX headers.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace eqbond {
namespace {

const QRegularExpression kPosixHeader(QStringLiteral(
    R"(^\s*#\s*include\s*<(unistd|termios|fcntl|poll|pty|dirent|dlfcn|pthread|pwd|grp|sys/\w+)\.h>)"));
const QRegularExpression kConditional(
    QStringLiteral(R"(^\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*))"));
const QRegularExpression kUnixCondition(
    QStringLiteral(R"(^\s*(!)?\s*(defined\s*\(?\s*)?Q_OS_UNIX\b)"));

// One open conditional: whether the branch we are in is the Q_OS_UNIX one, and whether its #else
// would be.
struct Branch {
    bool unix_here;
    bool unix_in_else;
};

Branch branch_after(const QString& directive, const QString& condition) {
    const QRegularExpressionMatch m = kUnixCondition.match(condition);
    if (!m.hasMatch()) return {false, false};
    const bool negated = directive == QLatin1String("ifndef") || !m.captured(1).isEmpty();
    return {!negated, negated};
}

// The POSIX includes of `text` that no enclosing conditional limits to Q_OS_UNIX, by line number.
std::vector<int> unguarded_posix_includes(const QString& text) {
    std::vector<Branch> open;
    std::vector<int> found;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch c = kConditional.match(lines[i]);
        if (c.hasMatch()) {
            const QString directive = c.captured(1);
            if (directive.startsWith(QLatin1String("if"))) {
                open.push_back(branch_after(directive, c.captured(2)));
            } else if (!open.empty() && directive == QLatin1String("elif")) {
                open.back() = branch_after(directive, c.captured(2));
            } else if (!open.empty() && directive == QLatin1String("else")) {
                open.back().unix_here = open.back().unix_in_else;
            } else if (!open.empty() && directive == QLatin1String("endif")) {
                open.pop_back();
            }
            continue;
        }
        const bool guarded =
            std::any_of(open.begin(), open.end(), [](const Branch& b) { return b.unix_here; });
        if (!guarded && kPosixHeader.match(lines[i]).hasMatch()) found.push_back(i + 1);
    }
    return found;
}

TEST(Portability, PosixHeadersOnlyInTheSimulatorOrBehindQOsUnix) {
    const QString root = QStringLiteral(EQBOND_SOURCE_DIR "/");
    int files = 0;
    for (const char* folder : {"src", "tools"}) {
        QDirIterator it(root + QLatin1String(folder),
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = it.next().mid(root.size());
            if (relative.startsWith(QLatin1String("tools/sim/"))) continue;
            QFile file(root + relative);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
            ++files;
            for (int line : unguarded_posix_includes(QString::fromUtf8(file.readAll())))
                ADD_FAILURE() << relative.toStdString() << ":" << line
                              << ": a POSIX header outside tools/sim, not behind Q_OS_UNIX";
        }
    }
    EXPECT_GT(files, 0) << "no sources found under " << root.toStdString();
}

}  // namespace
}  // namespace eqbond
