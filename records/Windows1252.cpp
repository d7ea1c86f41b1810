#include "Windows1252.h"

#include <array>

namespace Windows1252 {
namespace {

// Bytes 0x80 to 0x9F. The five bytes the code page leaves free stand for the control
// characters of the same number, as Windows decodes them.
constexpr std::array<char16_t, 32> Oberhalb7F{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char zeichenKodieren(char16_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<char>(zeichen);
    for (std::size_t i = 0; i < Oberhalb7F.size(); ++i) {
        if (Oberhalb7F[i] == zeichen)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray kodieren(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar zeichen = text[i];
        if (zeichen.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a character outside the first plane: one "?"
        bytes.append(zeichen.isSurrogate() ? '?' : zeichenKodieren(zeichen.unicode()));
    }
    return bytes;
}

QString dekodieren(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto wert = static_cast<unsigned char>(byte);
        text.append(wert >= 0x80 && wert < 0xA0 ? QChar(Oberhalb7F[wert - 0x80])
                                                : QChar(char16_t(wert)));
    }
    return text;
}

} // namespace Windows1252
