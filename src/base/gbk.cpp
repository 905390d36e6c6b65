#include "base/gbk.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QTextCodec>
#endif

namespace eqbond {

namespace {
#ifdef Q_OS_WIN
constexpr UINT kGbkCodePage = 936;
#else
QTextCodec* gbk_codec() {
    static QTextCodec* const codec = QTextCodec::codecForName("GBK");
    return codec;
}
#endif
}  // namespace

QByteArray gbk_encoded(const QString& text) {
#ifdef Q_OS_WIN
    if (text.isEmpty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    const int size =
        WideCharToMultiByte(kGbkCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    QByteArray out(size, Qt::Uninitialized);
    WideCharToMultiByte(kGbkCodePage, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
#else
    return gbk_codec()->fromUnicode(text);
#endif
}

QString gbk_decoded(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    if (bytes.isEmpty()) return {};
    const int length = int(bytes.size());
    const int size = MultiByteToWideChar(kGbkCodePage, 0, bytes.constData(), length, nullptr, 0);
    QString out(size, Qt::Uninitialized);
    MultiByteToWideChar(kGbkCodePage, 0, bytes.constData(), length,
                        reinterpret_cast<wchar_t*>(out.data()), size);
    return out;
#else
    return gbk_codec()->toUnicode(bytes);
#endif
}

}  // namespace eqbond
