#include "demo/generated_groups.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>

namespace eqbond::sim {

std::vector<StoredGroup> generate_groups(int count, uint32_t seed) {
    constexpr int kHighestValue = 65535;
    QRandomGenerator random(seed);
    QDateTime stamp(QDate(2024, 3, 15), QTime(8, 0));
    const int low_battery_from = count - count / 12;
    std::vector<StoredGroup> groups;
    groups.reserve(size_t(std::max(count, 0)));
    for (int i = 1; i <= count; ++i) {
        StoredGroup g;
        const int draw = random.bounded(100);
        if (draw < 3) {
            g.value = random.bounded(40001, kHighestValue + 1);  // an open connection
        } else if (draw < 75) {
            g.value = random.bounded(5, 500);
        } else {
            g.value = random.bounded(500, 5000);
        }
        g.battery = i > low_battery_from ? 1 : 0;
        stamp = stamp.addSecs(60 * random.bounded(1, 41));
        if (random.bounded(40) == 0) stamp = stamp.addDays(1);  // the next site
        g.year = stamp.date().year() % 100;
        g.month = stamp.date().month();
        g.day = stamp.date().day();
        g.hour = stamp.time().hour();
        g.minute = stamp.time().minute();
        groups.push_back(g);
    }
    return groups;
}

}  // namespace eqbond::sim
