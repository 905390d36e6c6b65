#pragma once
// The typeface of every caption and of the printed report, and the faces that stand in for it
// where it is not installed, Song/Ming faces first.
#include <QString>
#include <QStringList>

namespace eqbond {

inline const QString kSongTypeface = QStringLiteral("宋体");

inline const QStringList kSongStandIns{
    QStringLiteral("SimSun"),
    QStringLiteral("NSimSun"),
    QStringLiteral("AR PL UMing CN"),
    QStringLiteral("AR PL UMing TW"),
    QStringLiteral("AR PL SungtiL GB"),
    QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Source Han Serif SC"),
    QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("WenQuanYi Zen Hei"),
    QStringLiteral("Droid Sans Fallback"),
};

}  // namespace eqbond
