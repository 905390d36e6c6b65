#include "issued/issued_content.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "base/value_format.h"

namespace eqbond {

namespace {

QString verdict_word(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return QStringLiteral("pass");
        case Verdict::Fail:
            return QStringLiteral("fail");
        case Verdict::NotJudged:
            break;
    }
    return QString();
}

QJsonObject details_of(const InspectionReportInput& in) {
    const InspectionDetails& d = in.download.details;
    QJsonObject details{
        {QStringLiteral("location"), d.location},
        {QStringLiteral("inspector"), d.inspector},
        {QStringLiteral("instrument"), d.instrument_serial},
        {QStringLiteral("standard"), in.standard},
        {QStringLiteral("limit"), in.limit ? bonding_limit_text(*in.limit) : QString()}};
    if (in.site) {
        details[QStringLiteral("site")] = in.site->name;
        details[QStringLiteral("address")] = in.site->address;
        details[QStringLiteral("customer")] = in.site->customer;
    }
    if (in.instrument) {
        details[QStringLiteral("certificate")] = in.instrument->certificate;
        details[QStringLiteral("calibration due")] = in.instrument->due.toString(Qt::ISODate);
    }
    return details;
}

QJsonObject group_of(const Group& g, const PointComparison* point, const GroupLimits& limits) {
    const std::optional<JudgedLimit> limit = limits.of(g);
    QJsonObject group{{QStringLiteral("group"), g.number},
                      {QStringLiteral("value"), measured_resistance(g.milliohm).trimmed()},
                      {QStringLiteral("measured"),
                       QStringLiteral("20%1-%2-%3 %4:%5")
                           .arg(pad_date_time(g.year), pad_date_time(g.month), pad_date_time(g.day),
                                pad_date_time(g.hour), pad_date_time(g.minute))},
                      {QStringLiteral("limit"), limit ? limit_number(*limit) : QString()},
                      {QStringLiteral("verdict"), verdict_word(limits.verdict(g))}};
    if (!point) return group;
    group[QStringLiteral("test point")] = point->label;
    group[QStringLiteral("deteriorated")] = point->deteriorated;
    if (point->previous)
        group[QStringLiteral("previous")] =
            measured_resistance(point->previous->group.milliohm).trimmed();
    return group;
}

std::map<int, QJsonObject> groups_by_number(const QJsonArray& groups) {
    std::map<int, QJsonObject> by_number;
    for (const QJsonValue& g : groups) {
        const QJsonObject group = g.toObject();
        by_number[group.value(QStringLiteral("group")).toInt()] = group;
    }
    return by_number;
}

// The keys whose values differ between two objects, in key order.
QStringList differing_keys(const QJsonObject& was, const QJsonObject& now) {
    QStringList keys = was.keys() + now.keys();
    keys.removeDuplicates();
    keys.sort();
    QStringList differing;
    for (const QString& key : keys)
        if (was.value(key) != now.value(key)) differing << key;
    return differing;
}

}  // namespace

QByteArray issued_content(const InspectionReportInput& in) {
    const std::vector<PointComparison> points =
        compare_with_previous(in.download, in.previous, in.limit, in.rule);
    std::map<int32_t, const PointComparison*> by_group;
    for (const PointComparison& c : points) by_group[c.number] = &c;
    const GroupLimits limits(in.download.own_limits, in.limit);
    QJsonArray groups;
    for (const Group& g : in.download.groups) {
        const auto point = by_group.find(g.number);
        groups.append(group_of(g, point == by_group.end() ? nullptr : point->second, limits));
    }
    const QJsonObject content{{QStringLiteral("details"), details_of(in)},
                              {QStringLiteral("groups"), groups}};
    return QJsonDocument(content).toJson(QJsonDocument::Compact);
}

QStringList content_changes(const QByteArray& was, const QByteArray& now) {
    const QJsonObject before = QJsonDocument::fromJson(was).object();
    const QJsonObject after = QJsonDocument::fromJson(now).object();
    QStringList changes;
    for (const QString& key : differing_keys(before.value(QStringLiteral("details")).toObject(),
                                             after.value(QStringLiteral("details")).toObject()))
        changes << QStringLiteral("the ") + key;
    std::map<int, QJsonObject> old_groups =
        groups_by_number(before.value(QStringLiteral("groups")).toArray());
    std::map<int, QJsonObject> new_groups =
        groups_by_number(after.value(QStringLiteral("groups")).toArray());
    for (const auto& [number, group] : new_groups)
        old_groups.try_emplace(number);  // a group the old report did not have
    for (const auto& [number, group] : old_groups) {
        const auto now_group = new_groups.find(number);
        if (now_group == new_groups.end() || group.isEmpty()) {
            changes << QStringLiteral("group %1").arg(number);
            continue;
        }
        for (const QString& key : differing_keys(group, now_group->second))
            changes << QStringLiteral("group %1's %2").arg(number).arg(key);
    }
    return changes;
}

QString sha256_hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

}  // namespace eqbond
