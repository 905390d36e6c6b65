// The English translation is complete: every text the tables mark for translation has a
// finished English text that keeps its placeholders, under the same context the program asks
// for it with, and the file lrelease built from it holds them all.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <tuple>

#include "support/qstring_printer.h"

namespace eqbond {
namespace {

struct Key {
    QString context, source, disambiguation;
    bool operator<(const Key& o) const {
        return std::tie(context, source, disambiguation) <
               std::tie(o.context, o.source, o.disambiguation);
    }
    std::string name() const { return (context + QLatin1String(": ") + source).toStdString(); }
};

struct Translation {
    QString text;
    QString type;  // "unfinished", "obsolete", "vanished"... or empty when finished
};

QString read_file(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

std::map<Key, Translation> ts_messages(const QString& path) {
    std::map<Key, Translation> messages;
    QXmlStreamReader xml(read_file(path));
    QString context;
    Key key;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) context = xml.readElementText();
        if (name == QLatin1String("message")) key = Key{context, {}, {}};
        if (name == QLatin1String("source")) key.source = xml.readElementText();
        if (name == QLatin1String("comment")) key.disambiguation = xml.readElementText();
        if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages[key] = Translation{xml.readElementText(), type};
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QString unescaped(QString literal) {
    return literal.replace(QLatin1String("\\n"), QLatin1String("\n"))
        .replace(QLatin1String("\\\""), QLatin1String("\""))
        .replace(QLatin1String("\\\\"), QLatin1String("\\"));
}

// Every text of the sources marked for lupdate, as a ScreenText constructs it.
struct Marked {
    Key key;
    QString screen_context;  // the context the program asks the translator with
};

std::vector<Marked> marked_texts(int* markers) {
    const QString literal = QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re");
    const QRegularExpression screen_text(
        QStringLiteral(R"(ScreenText\s+\w+\{\s*)") + literal +
        QStringLiteral(R"(,\s*QT_TRANSLATE_NOOP3?\(\s*)") + literal + QStringLiteral(R"(,\s*)") +
        literal + QStringLiteral(R"((?:,\s*)") + literal + QStringLiteral(R"()?\s*\)\})"));
    std::vector<Marked> found;
    *markers = 0;
    const QString root = QStringLiteral(EQBOND_SOURCE_DIR "/src");
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString code = read_file(it.next());
        *markers +=
            int(code.count(QRegularExpression(QStringLiteral(R"(\bQT_TRANSLATE_NOOP3?\()"))));
        for (const auto& m : screen_text.globalMatch(code)) {
            found.push_back({Key{m.captured(2), unescaped(m.captured(3)), unescaped(m.captured(4))},
                             m.captured(1)});
        }
    }
    return found;
}

// %1, %2 ... as QString::arg fills them.
QStringList placeholders(const QString& text) {
    QStringList out;
    for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        out << m.captured();
    out.sort();
    return out;
}

const QString kTsFile = QStringLiteral(EQBOND_SOURCE_DIR "/translations/eqbond_en.ts");

TEST(EnglishTranslation, EveryMessageIsFinishedAndKeepsItsPlaceholders) {
    const std::map<Key, Translation> messages = ts_messages(kTsFile);
    ASSERT_FALSE(messages.empty());
    for (const auto& [key, translation] : messages) {
        SCOPED_TRACE(key.name());
        EXPECT_FALSE(translation.text.isEmpty());
        EXPECT_TRUE(translation.type.isEmpty()) << translation.type.toStdString();
        EXPECT_EQ(placeholders(translation.text), placeholders(key.source));
    }
}

TEST(EnglishTranslation, EveryMarkedTextHasOneUnderTheContextTheProgramAsksWith) {
    int markers = 0;
    const std::vector<Marked> marked = marked_texts(&markers);
    // A marker written some other way than a ScreenText of one literal would go unchecked.
    ASSERT_EQ(int(marked.size()), markers);
    const std::map<Key, Translation> messages = ts_messages(kTsFile);
    std::map<Key, bool> used;
    for (const Marked& m : marked) {
        SCOPED_TRACE(m.key.name());
        EXPECT_EQ(m.screen_context, m.key.context);
        EXPECT_EQ(messages.count(m.key), 1u) << "not in " << kTsFile.toStdString();
        used[m.key] = true;
    }
    for (const auto& [key, translation] : messages)
        EXPECT_TRUE(used.count(key)) << key.name() << ": in the .ts, no longer in the code";

    // What the program loads: the .ts as lrelease built it.
    QTranslator built;
    ASSERT_TRUE(built.load(QStringLiteral(EQBOND_BINARY_DIR "/src/eqbond_en.qm")));
    for (const Marked& m : marked) {
        if (!messages.count(m.key)) continue;
        const QByteArray context = m.key.context.toUtf8(), source = m.key.source.toUtf8(),
                         disambiguation = m.key.disambiguation.toUtf8();
        EXPECT_EQ(built.translate(context, source,
                                  disambiguation.isEmpty() ? nullptr : disambiguation.constData()),
                  messages.at(m.key).text)
            << m.key.name();
    }
}

}  // namespace
}  // namespace eqbond
