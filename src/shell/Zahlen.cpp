#include "shell/Zahlen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool IstLeer(QChar c) {
    return c.unicode() <= ' ';
}

std::optional<qint64> GanzzahlRoh(const QString& text, bool& hex) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IstLeer(text[i])) {
        ++i;
    }
    bool negativ = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negativ = text[i] == u'-';
        ++i;
    }
    int basis = 10;
    hex = false;
    if (i < n && text[i] == u'$') {
        basis = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        basis = 16;
        i += 2;
    }
    hex = basis == 16;
    if (i >= n) {
        return std::nullopt;
    }
    quint64 wert = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int ziffer = -1;
        if (c >= u'0' && c <= u'9') {
            ziffer = c - u'0';
        } else if (c >= u'a' && c <= u'f') {
            ziffer = c - u'a' + 10;
        } else if (c >= u'A' && c <= u'F') {
            ziffer = c - u'A' + 10;
        }
        if (ziffer < 0 || ziffer >= basis) {
            return std::nullopt;
        }
        wert = wert * basis + ziffer;
        if (wert > (quint64(1) << 62)) {
            return std::nullopt;
        }
    }
    const auto ergebnis = static_cast<qint64>(wert);
    return negativ ? -ergebnis : ergebnis;
}

} // namespace

namespace Zahlen {

std::optional<qint64> Ganzzahl64Lesen(const QString& text) {
    bool hex = false;
    return GanzzahlRoh(text, hex);
}

std::optional<qint32> GanzzahlLesen(const QString& text) {
    bool hex = false;
    const auto wert = GanzzahlRoh(text, hex);
    if (!wert) {
        return std::nullopt;
    }
    if (hex && *wert >= 0 && *wert <= 0xFFFFFFFFLL) {
        return static_cast<qint32>(static_cast<quint32>(*wert));
    }
    if (*wert < std::numeric_limits<qint32>::min() || *wert > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(*wert);
}

std::optional<double> GleitzahlLesen(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        ++i;
    }
    int ziffern = 0;
    while (i < n && t[i] >= u'0' && t[i] <= u'9') {
        ++i;
        ++ziffern;
    }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0) {
        return std::nullopt;
    }
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) {
            ++i;
        }
        int exp = 0;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            ++i;
            ++exp;
        }
        if (exp == 0) {
            return std::nullopt;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    const QByteArray latin = t.toLatin1();
    const double wert = std::strtod(latin.constData(), nullptr);
    if (!std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

QString GleitzahlText(double wert) {
    if (std::isnan(wert)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(wert)) {
        return wert > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    if (wert == 0.0) {
        return QStringLiteral("0");
    }
    // 15 significant digits: d.dddddddddddddde±x
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.14e", wert);
    const char* p = puffer;
    const bool negativ = *p == '-';
    if (negativ) {
        ++p;
    }
    QByteArray ziffern;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') {
            ziffern.append(*p);
        }
    }
    const int exponent = std::atoi(p + 1);
    while (ziffern.size() > 1 && ziffern.endsWith('0')) {
        ziffern.chop(1);
    }
    QByteArray text;
    if (negativ) {
        text.append('-');
    }
    if (exponent >= 15 || exponent < -4) {
        text.append(ziffern[0]);
        if (ziffern.size() > 1) {
            text.append('.');
            text.append(ziffern.mid(1));
        }
        text.append('E');
        text.append(QByteArray::number(exponent));
    } else if (exponent < 0) {
        text.append("0.");
        text.append(QByteArray(-exponent - 1, '0'));
        text.append(ziffern);
    } else {
        const int vorKomma = exponent + 1;
        if (ziffern.size() <= vorKomma) {
            text.append(ziffern);
            text.append(QByteArray(vorKomma - ziffern.size(), '0'));
        } else {
            text.append(ziffern.left(vorKomma));
            text.append('.');
            text.append(ziffern.mid(vorKomma));
        }
    }
    return QString::fromLatin1(text);
}

} // namespace Zahlen
