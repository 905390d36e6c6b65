#include "inspection/qt_qr_code.h"

#include <qrencode.h>

#include <memory>

namespace eqbond {

std::vector<std::vector<bool>> qr_modules(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code) return {};
    std::vector<std::vector<bool>> rows(size_t(code->width), std::vector<bool>(code->width));
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            rows[size_t(y)][size_t(x)] = code->data[y * code->width + x] & 1;
    return rows;
}

}  // namespace eqbond
