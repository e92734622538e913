#include "measurement/Auftrag.h"

#include "measurement/ByteFolge.h"
#include "measurement/Wertbreite.h"
#include "measurement/Zeitstempel.h"
#include "shell/TSprachTexte.h"

#include <cmath>

namespace {

// Positions of AuftragSendFlags.
enum : int {
    fMarke = 0,
    fAuftragName = 1,
    fKanalAnzahl = 7,
    fAbstandZeitstempel = 8,
    fMessTakte = 9,
    fStart = 10,
    fAktiv = 11,
    fKanal = 12,
    fMesskonstante = 13,
    fNullwert = 14,
    fAbstand = 15,
    fName = 16,
    fEinheit = 17,
};

} // namespace

TAuftragErgebnis AuftragErzeugen(TMessDatei& d, double jetzt) {
    using namespace ByteFolge;
    TAuftragErgebnis e;
    const QVector<bool>& f = d.AuftragSendFlags;
    auto flag = [&](int k) {
        if (k >= f.size()) {
            e.Fehler = QStringLiteral("AuftragSendFlags hat nur %1 Einträge, Eintrag %2 fehlt")
                           .arg(f.size())
                           .arg(k);
            return false;
        }
        return f[k];
    };
    auto text = [&](const QString& t, const char* feld) {
        if (!Text(e.Auftrag, t)) {
            e.Fehler = QStringLiteral("Der Text \"%1\" ist länger als 65535 Zeichen")
                           .arg(QLatin1String(feld));
        }
    };
    QByteArray& b = e.Auftrag;
    TAuftrag& a = d.Auftrag;
    const std::pair<const char*, const QString*> texte[] = {
        {"AuftragName", &a.AuftragName}, {"Firma", &a.Firma},         {"Abteilung", &a.Abteilung},
        {"Bearbeiter", &a.Bearbeiter},   {"Kommentar", &a.Kommentar}, {"Nummer", &a.Nummer}};

    if (flag(fMarke)) {
        b.append(4, char(0xFF));
    }
    for (int k = 0; k < 6 && e; ++k) {
        if (flag(fAuftragName + k)) {
            text(*texte[k].second, texte[k].first);
        }
    }
    if (e && flag(fKanalAnzahl)) {
        Zahl<quint8>(b, d.KanalAnzahl);
    }
    if (e && flag(fAbstandZeitstempel)) {
        Zahl<quint32>(b, a.AbstandZeitstempel);
    }
    if (e && flag(fMessTakte)) {
        Zahl<quint32>(b, a.MessTakte);
    }
    if (e && flag(fStart)) {
        if (jetzt > a.Start) {
            a.Start = jetzt;
        }
        const TZeitstempel s = ZeitstempelKodieren(a.Start);
        b.append(reinterpret_cast<const char*>(s.data()), 6);
        b.append(2, '\0');
    }
    for (int c = 0; e && c < d.KanalAnzahl; ++c) {
        const TMessreihe* r = c < d.Messreihen.size() ? &d.Messreihen[c] : nullptr;
        for (int k = fAktiv; e && k <= fEinheit; ++k) {
            if (!flag(k)) {
                continue;
            }
            if (!r) {
                e.Fehler = QStringLiteral("Zu Kanal %1 gibt es keine Messreihe").arg(c);
                break;
            }
            switch (k) {
            case fAktiv:
                Zahl<quint8>(b, r->Aktiv);
                break;
            case fKanal:
                Zahl<quint8>(b, r->Kanal);
                break;
            case fMesskonstante:
                Zahl<double>(b, r->Messkonstante);
                break;
            case fNullwert:
                Zahl<double>(b, r->Nullwert);
                break;
            case fAbstand:
                Zahl<quint32>(b, r->Abstand);
                break;
            case fName:
                text(r->Name, "Name");
                break;
            case fEinheit:
                text(r->Einheit, "Einheit");
                break;
            }
        }
    }
    if (!e) {
        b.clear();
    }
    return e;
}

TBerechnungen Berechnungen(const TMessDatei& d, const TSprachTexte& texte) {
    TBerechnungen e;
    quint64 speicher = 0;
    for (int i = 0; i < d.Messreihen.size(); ++i) {
        const TMessreihe& r = d.Messreihen[i];
        if (!r.Aktiv) {
            continue;
        }
        ++e.AnzahlReihen;
        // Once the memory is full, further series add nothing.
        if (speicher < d.Speicher) {
            speicher += quint64(r.Anzahl) * quint64(WertBreite(d, i));
        }
    }
    speicher += quint64(d.Auftrag.AbstandZeitstempel) * 8;
    if (speicher > 0xFFFFFFFFu) {
        e.Fehler = QStringLiteral("Der Speicherbedarf von %1 Bytes übersteigt den Zahlenbereich")
                       .arg(speicher);
        return e;
    }
    e.Speicherbedarf = quint32(speicher);
    if (d.Speicher == 0) {
        e.Fehler = QStringLiteral("Die Speichergröße des Geräts ist 0: der Anteil lässt sich "
                                  "nicht berechnen");
        return e;
    }
    e.Prozent = double(e.Speicherbedarf) / double(d.Speicher) * 100.0;
    e.Fortschritt = int(std::trunc(e.Prozent));
    e.Rot = e.Prozent > 100.0;

    if (d.Messfrequenz == 0) {
        e.Fehler = QStringLiteral("Die Messfrequenz ist 0: die Messdauer lässt sich nicht "
                                  "berechnen");
        return e;
    }
    const double t = double(d.Auftrag.MessTakte) / (d.Messfrequenz * 86400.0);
    const double tage = std::trunc(t);
    const double stunden = std::trunc(std::fabs(t - tage) * 24);
    const double m = tage + stunden / 24;
    const double minuten = std::trunc(std::fabs(t - m) * 1440);
    const double sekunden = std::trunc(std::fabs(t - (m + minuten / 1440)) * 86400);
    const double ms = std::trunc(std::fabs(t - (m + minuten / 1440 + sekunden / 86400)) * 86400000);
    auto zahl = [](double wert) { return QString::number(qint64(wert)); };
    e.Messdauer = zahl(tage) + u' ' + texte.TageKurzText + u' ' + zahl(stunden) + u' ' +
                  texte.StundenKurzText + u' ' + zahl(minuten) + u' ' + texte.MinutenKurzText +
                  u' ' + zahl(sekunden) + u'.' + zahl(ms).rightJustified(3, u'0') + u' ' +
                  texte.SekundenKurzText;
    return e;
}
