#include "inspection/field_conflict.h"

#include <QRegularExpression>
#include <utility>

namespace eqbond {

namespace {

const std::pair<ConflictSubject, const char*> kDetailNames[] = {
    {ConflictSubject::Site, "site"},           {ConflictSubject::Location, "location"},
    {ConflictSubject::Inspector, "inspector"}, {ConflictSubject::Instrument, "instrument"},
    {ConflictSubject::Notes, "notes"},
};

}  // namespace

QString conflict_field_name(const ConflictField& field) {
    if (field.subject == ConflictSubject::TestPoint)
        return QStringLiteral("group %1 test point").arg(field.group);
    for (const auto& [subject, name] : kDetailNames)
        if (subject == field.subject) return QString::fromLatin1(name);
    return {};
}

std::optional<ConflictField> conflict_field(const QString& name) {
    for (const auto& [subject, detail] : kDetailNames)
        if (name == QLatin1String(detail)) return ConflictField{subject, 0};
    static const QRegularExpression test_point(
        QStringLiteral("^group ([1-9][0-9]{0,8}) test point$"));
    const QRegularExpressionMatch match = test_point.match(name);
    if (!match.hasMatch()) return std::nullopt;
    return ConflictField{ConflictSubject::TestPoint, match.captured(1).toInt()};
}

}  // namespace eqbond
