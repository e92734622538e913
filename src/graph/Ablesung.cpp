#include "graph/Ablesung.h"

#include "shell/DatumZeit.h"

#include <algorithm>
#include <cmath>

namespace Ablesung {

namespace {

QString OhneNullenAmEnde(QString text) {
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) {
            text.chop(1);
        }
        if (text.endsWith(u'.')) {
            text.chop(1);
        }
    }
    return text;
}

} // namespace

int Nachkommastellen(double spanne) {
    spanne = std::fabs(spanne);
    if (!std::isfinite(spanne) || spanne == 0) {
        return 6;
    }
    const int stellen = static_cast<int>(std::ceil(3 - std::log10(spanne)));
    return std::clamp(stellen, 0, 12);
}

QString Zahl(double wert, double spanne) {
    if (!std::isfinite(wert)) {
        return QString::number(wert);
    }
    const double betrag = std::fabs(wert);
    if (betrag >= 1e15 || (betrag != 0 && betrag < 1e-9 && std::fabs(spanne) < 1e-9)) {
        return QString::number(wert, 'g', 6);
    }
    QString text = QString::number(wert, 'f', Nachkommastellen(spanne));
    // "-0.00" reads as a sign that is not there.
    if (text.startsWith(u'-') && text.toDouble() == 0) {
        text.remove(0, 1);
    }
    return text;
}

QString Dauer(double tage, double spanne) {
    if (!std::isfinite(tage)) {
        return QString::number(tage);
    }
    const int stellen = std::min(3, Nachkommastellen(spanne * 86400.0));
    const double einheit = std::pow(10.0, stellen);
    // Count in whole steps of the shown precision, so that 59.96 s do not read as "00:00:60".
    const double schritte = std::round(std::fabs(tage) * 86400.0 * einheit);
    const double sekundenGanz = std::floor(schritte / einheit);
    const qint64 bruch = static_cast<qint64>(schritte - sekundenGanz * einheit);
    const double tageGanz = std::floor(sekundenGanz / 86400.0);
    const qint64 rest = static_cast<qint64>(sekundenGanz - tageGanz * 86400.0);
    QString text = schritte == 0 || tage >= 0 ? QString() : QStringLiteral("-");
    if (tageGanz > 0) {
        text += QString::number(tageGanz, 'f', 0) + QStringLiteral(" d ");
    }
    text += QStringLiteral("%1:%2:%3")
                .arg(rest / 3600, 2, 10, QChar(u'0'))
                .arg(rest / 60 % 60, 2, 10, QChar(u'0'))
                .arg(rest % 60, 2, 10, QChar(u'0'));
    if (stellen > 0 && bruch > 0) {
        text += OhneNullenAmEnde(u'.' + QString::number(bruch).rightJustified(stellen, u'0'));
    }
    return text;
}

QString Wert(double wert, double spanne, bool datumZeit, const QString& muster) {
    // Outside the calendar the date formatter has nothing to show.
    if (datumZeit && std::isfinite(wert) && wert > -693593 && wert < 2958466) {
        return DatumZeit::Formatieren(muster, wert);
    }
    return Zahl(wert, spanne);
}

QString Differenz(double differenz, double spanne, bool datumZeit) {
    return datumZeit ? Dauer(differenz, spanne) : Zahl(differenz, spanne);
}

QString Zeile(const QString& titel, const QString& wert, const QString& einheit) {
    QString text = titel + u'=' + wert;
    if (!einheit.isEmpty()) {
        text += u' ' + einheit;
    }
    return text;
}

} // namespace Ablesung
