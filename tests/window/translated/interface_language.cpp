#include "window/translated/interface_language.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace eqbond::test {

namespace {
bool has_han(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Han; });
}

struct Caption {
    QString text;
    int width = 0;  // what the control leaves for its text
};

Caption caption_of(const QWidget& w) {
    if (auto* l = qobject_cast<const QLabel*>(&w)) return {l->text(), l->contentsRect().width()};
    if (auto* b = qobject_cast<const QPushButton*>(&w)) {
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                           b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return {b->text(), b->width() - 2 * margin};
    }
    if (auto* g = qobject_cast<const QGroupBox*>(&w)) return {g->title(), g->width()};
    return {};
}
}  // namespace

QStringList english_caption_faults(const QWidget& window) {
    QStringList faults;
    if (has_han(window.windowTitle())) faults << QStringLiteral("title: ") + window.windowTitle();
    QList<const QWidget*> controls{&window};
    for (const QWidget* w : window.findChildren<QWidget*>()) controls << w;
    for (const QWidget* w : controls) {
        // The language button speaks both languages, whatever the interface speaks.
        if (w->objectName() == QLatin1String("LanguageButton")) continue;
        const Caption c = caption_of(*w);
        if (c.text.isEmpty()) continue;
        const QString where = w->objectName() + QStringLiteral(": ") + c.text;
        if (has_han(c.text)) faults << where + QStringLiteral(" (Chinese)");
        const int needed = w->fontMetrics().horizontalAdvance(c.text);
        // Only what is shown must fit: a hidden view is laid out when it is shown.
        if (w->isVisibleTo(&window) && needed > c.width)
            faults << where + QStringLiteral(" (%1 pixels in %2)").arg(needed).arg(c.width);
    }
    return faults;
}

}  // namespace eqbond::test
