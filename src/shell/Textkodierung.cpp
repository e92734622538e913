#include "shell/Textkodierung.h"

#include <QStringDecoder>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kBereich80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ZeichenNachByte(char16_t c, bool& ok) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kBereich80[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    ok = false;
    return '?';
}

} // namespace

namespace Textkodierung {

QString AusWindows1252(const char* data, qsizetype laenge) {
    QString text(laenge, Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < laenge; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        ziel[i] = (b >= 0x80 && b < 0xA0) ? QChar(kBereich80[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

QString AusWindows1252(const QByteArray& bytes) {
    return AusWindows1252(bytes.constData(), bytes.size());
}

QByteArray NachWindows1252(const QString& text, bool* verlustfrei) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bytes[i] = ZeichenNachByte(text[i].unicode(), ok);
    }
    if (verlustfrei) {
        *verlustfrei = ok;
    }
    return bytes;
}

bool IstGueltigesUtf8(const QByteArray& bytes) {
    QStringDecoder dekoder(QStringDecoder::Utf8);
    const QString ergebnis = dekoder.decode(bytes);
    return !dekoder.hasError();
}

} // namespace Textkodierung
