#include "device/GeraetAntworten.h"

#include "shell/DatumZeit.h"
#include "shell/Textkodierung.h"

#include <cctype>
#include <cmath>

namespace GeraetAntworten {

int WarteTicks(qint32 wartezeitMs) {
    return int(qint64(wartezeitMs) * 18 / 1000);
}

bool ResetPruefen(const QByteArray& antwort, const QByteArray& befehl, const QString& name) {
    return antwort == befehl + Textkodierung::NachWindows1252(name) + "\r\n";
}

std::optional<double> UhrLesen(const QByteArray& antwort, double jetzt) {
    if (antwort.size() < 20) {
        return std::nullopt;
    }
    const QString zeit = QString::fromLatin1(antwort.mid(3, 8));
    const QString datum = QString::fromLatin1(antwort.mid(12, 8));
    const auto z = DatumZeit::Lesen(zeit, QStringLiteral("hh:nn:ss"), jetzt);
    const auto d = DatumZeit::Lesen(datum, QStringLiteral("dd.mm.yy"), jetzt);
    if (!z || !d) {
        return std::nullopt;
    }
    // A time alone reads as a time of 30 December 1899: only its fraction counts.
    const double wert = *d + (*z - std::floor(*z));
    // The date reader is lenient ("06.5.204" reads as a date); the instrument always sends
    // two digits per field, so a reply that does not come out again as it was read is
    // damaged and is refused rather than setting a wrong clock.
    if (UhrSetzenText(wert) != zeit + QLatin1Char(' ') + datum) {
        return std::nullopt;
    }
    return wert;
}

QString StandardDatumZeit(double wert) {
    return DatumZeit::Formatieren(QStringLiteral("dd.mm.yyyy hh:nn:ss"), wert);
}

QString UhrSetzenText(double wert) {
    return DatumZeit::Formatieren(QStringLiteral("hh:nn:ss dd.mm.yy"), wert);
}

std::optional<quint8> ZustandLesen(const QByteArray& antwort, const QByteArray& befehl) {
    const QByteArray ziffern = antwort.mid(befehl.size() + 1, 2);
    if (ziffern.size() != 2 || !std::isdigit(static_cast<unsigned char>(ziffern[0])) ||
        !std::isdigit(static_cast<unsigned char>(ziffern[1]))) {
        return std::nullopt;
    }
    const int n = ziffern.toInt();
    return quint8((n / 10) * 16 + n % 10);
}

std::optional<qint32> DatenAnzahl(const QByteArray& stromAnfang) {
    if (stromAnfang.size() < 7) {
        return std::nullopt;
    }
    const auto b = [&](int i) { return quint32(static_cast<quint8>(stromAnfang[i])); };
    if (b(6) >= 0x80) {
        return std::nullopt;
    }
    return qint32(b(3) | (b(4) << 8) | (b(5) << 16) | (b(6) << 24));
}

} // namespace GeraetAntworten
