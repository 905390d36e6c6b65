#pragma once
// GBK (code page 936): the text report's encoding, and one a test plan may come in. On Windows
// the system's own code page 936 does it; elsewhere Qt's codec.
#include <QByteArray>
#include <QString>

namespace eqbond {

QByteArray gbk_encoded(const QString& text);
QString gbk_decoded(const QByteArray& bytes);

}  // namespace eqbond
