#include "measurement/MessDateiFormat.h"
#include "measurement/TTaktPlan.h"

#include "measurement/Wertbreite.h"
#include "measurement/Zeitstempel.h"
#include "shell/Arbeitsspeicher.h"
#include "shell/Textkodierung.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// Reads fields one after the other; a field that does not fit into the bytes left ends the
// read with the field's name and position.
class TFeldLeser {
public:
    explicit TFeldLeser(QByteArrayView b) : FB(b) {}

    qint64 Pos() const { return FPos; }
    const TLeseErgebnis& Ergebnis() const { return FErgebnis; }
    bool Ok() const { return FErgebnis.Ok; }

    bool Bytes(void* ziel, qint64 n, const char* feld) {
        if (!Ok()) {
            return false;
        }
        if (n > FB.size() - FPos) {
            FErgebnis = TLeseErgebnis::Fehler(
                QStringLiteral("Die Datei endet im Feld \"%1\" (%2 Bytes nötig, %3 vorhanden)")
                    .arg(QLatin1String(feld))
                    .arg(n)
                    .arg(FB.size() - FPos),
                FPos, true);
            return false;
        }
        if (n > 0) {
            std::memcpy(ziel, FB.data() + FPos, size_t(n));
        }
        FPos += n;
        return true;
    }

    template <typename T> T Zahl(const char* feld) {
        T wert{};
        uchar roh[sizeof(T)] = {};
        if (Bytes(roh, sizeof(T), feld)) {
            wert = qFromLittleEndian<T>(roh);
        }
        return wert;
    }

    // A Word length and that many Windows-1252 characters. A length running past the end of
    // the file is refused: the rest of the header would be missing anyway.
    QString Text(const char* feld) {
        const qint64 start = FPos;
        const quint16 n = Zahl<quint16>(feld);
        if (!Ok()) {
            return {};
        }
        if (n > FB.size() - FPos) {
            FErgebnis = TLeseErgebnis::Fehler(
                QStringLiteral("Der Text \"%1\" ist mit %2 Zeichen angegeben, die Datei hat "
                               "dahinter nur noch %3 Bytes")
                    .arg(QLatin1String(feld))
                    .arg(n)
                    .arg(FB.size() - FPos),
                start, true);
            return {};
        }
        const QString text = Textkodierung::AusWindows1252(FB.data() + FPos, n);
        FPos += n;
        return text;
    }

    void Zeitstempel(double& ziel, const char* feld) {
        quint8 g[8];
        if (Bytes(g, 8, feld)) {
            ZeitstempelLesen(g, ziel);
        }
    }

    void Ueberspringen(qint64 n, const char* feld) {
        if (!Ok()) {
            return;
        }
        if (n > FB.size() - FPos) {
            Bytes(nullptr, n, feld);
            return;
        }
        FPos += n;
    }

    void Fehler(const QString& meldung, qint64 position) {
        FErgebnis = TLeseErgebnis::Fehler(meldung, position);
    }

private:
    QByteArrayView FB;
    qint64 FPos = 0;
    TLeseErgebnis FErgebnis;
};

constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();
constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();

// One series that stores values, prepared for the data loop.
struct TQuelle {
    int Reihe = 0;
    int Breite = 0;
    quint32 Maske = 0;
    double Konstante = 1;
    double Null = 0;
    quint64 Abstand = 1;
    QVector<double>* Zeit = nullptr;
    QVector<double>* Wert = nullptr;
};

// ceil(takte / abstand), saturated well above any data length.
qint64 Vorkommen(qint64 takte, quint64 abstand) {
    const quint64 n = (quint64(takte) + abstand - 1) / abstand;
    return qint64(std::min<quint64>(n, quint64(1) << 40));
}

// The bytes consumed by `takte` whole cycles: the first stamp, the intermediate stamps and
// the values of every storing series.
qint64 Verbrauch(qint64 takte, quint64 abstandZeitstempel, const QVector<TQuelle>& quellen) {
    qint64 summe = 8;
    if (abstandZeitstempel > 0) {
        summe += 8 * Vorkommen(takte, abstandZeitstempel);
    }
    for (const TQuelle& q : quellen) {
        summe += q.Breite * Vorkommen(takte, q.Abstand);
        summe = std::min<qint64>(summe, qint64(1) << 50);
    }
    return summe;
}

// The number of cycles the parse touches before the data part of `laenge` bytes is used
// up, so that every series can be given its memory at once.
qint64 TakteBisEnde(qint64 laenge, quint64 abstandZeitstempel, const QVector<TQuelle>& quellen) {
    if (quellen.isEmpty() && abstandZeitstempel == 0) {
        return 1;
    }
    qint64 unten = 1;
    qint64 oben = qint64(1) << 62;
    while (unten < oben) {
        const qint64 mitte = unten + (oben - unten) / 2;
        if (Verbrauch(mitte, abstandZeitstempel, quellen) >= laenge) {
            oben = mitte;
        } else {
            unten = mitte + 1;
        }
    }
    return unten;
}

} // namespace

bool MessKopfPruefen(QByteArrayView bytes, const QStringList& liste) {
    if (bytes.size() <= 20) {
        return false;
    }
    TFeldLeser l(bytes);
    l.Ueberspringen(19, "Kopf");
    const quint16 n = l.Zahl<quint16>("SerienNummer");
    l.Ueberspringen(n, "SerienNummer");
    const QString name = l.Text("Name");
    l.Ueberspringen(12, "Speicher/Takt/Teiler");
    l.Zahl<quint8>("Zustand");
    return l.Ok() && liste.contains(name, Qt::CaseInsensitive);
}

TLeseErgebnis MessKopfLesen(QByteArrayView bytes, TMessDatei& d, TKopfInfo& kopf) {
    TFeldLeser l(bytes);
    kopf.Gesamtlaenge = l.Zahl<qint32>("Gesamtlaenge");
    d.Version = l.Zahl<quint16>("Version");
    d.Firmware = l.Zahl<quint16>("Firmware");
    char snr[11];
    if (l.Bytes(snr, 11, "VarekSNr")) {
        d.VarekSNr = Textkodierung::AusWindows1252(snr, 11);
    }
    d.SerienNummer = l.Text("SerienNummer");
    d.Name = l.Text("Name");
    d.Speicher = l.Zahl<quint32>("Speicher");
    d.Takt = l.Zahl<quint32>("Takt");
    d.Teiler = l.Zahl<quint32>("Teiler");
    d.Messfrequenz = d.Teiler ? double(d.Takt) / double(d.Teiler) : 0.0;
    d.Zustand = l.Zahl<quint8>("Zustand");
    d.KanalAnzahl = l.Zahl<quint8>("KanalAnzahl");
    kopf.KanalInfoPos = l.Pos();
    for (auto& zeile : d.KanalInfo) {
        zeile.fill(0, d.KanalAnzahl);
    }
    for (int k = 0; l.Ok() && k < d.KanalAnzahl; ++k) {
        quint8 b[4];
        if (l.Bytes(b, 4, "KanalInfo")) {
            for (int z = 0; z < 4; ++z) {
                d.KanalInfo[z][k] = b[z];
            }
        }
    }
    l.Zeitstempel(d.Datum, "Datum");
    TAuftrag& a = d.Auftrag;
    a.AuftragName = l.Text("AuftragName");
    a.Firma = l.Text("Firma");
    a.Abteilung = l.Text("Abteilung");
    a.Bearbeiter = l.Text("Bearbeiter");
    a.Kommentar = l.Text("Kommentar");
    a.Nummer = l.Text("Nummer");
    a.AnzahlReihen = l.Zahl<quint8>("AnzahlReihen");
    a.AbstandZeitstempel = l.Zahl<quint32>("AbstandZeitstempel");
    const qint64 messTaktePos = l.Pos();
    a.MessTakte = l.Zahl<quint32>("MessTakte");
    l.Zeitstempel(a.Start, "Start");
    d.Messreihen.clear();
    if (l.Ok()) {
        d.Messreihen.resize(a.AnzahlReihen);
    }
    for (int i = 0; l.Ok() && i < a.AnzahlReihen; ++i) {
        TMessreihe& r = d.Messreihen[i];
        r.Aktiv = l.Zahl<quint8>("Aktiv");
        r.Kanal = l.Zahl<quint8>("Kanal");
        r.Messkonstante = l.Zahl<double>("Messkonstante");
        r.Nullwert = l.Zahl<double>("Nullwert");
        const qint64 abstandPos = l.Pos();
        r.Abstand = l.Zahl<quint32>("Abstand");
        r.Name = l.Text("Name");
        r.Einheit = l.Text("Einheit");
        if (!l.Ok()) {
            break;
        }
        // Anzahl = (MessTakte - 1) div Abstand + 1: neither term may be 0.
        if (a.MessTakte == 0) {
            l.Fehler(
                QStringLiteral("MessTakte ist 0, es gibt aber %1 Messreihen").arg(a.AnzahlReihen),
                messTaktePos);
        } else if (r.Abstand == 0) {
            l.Fehler(QStringLiteral("Messreihe %1 hat den Abstand 0").arg(i), abstandPos);
        } else {
            r.Anzahl = (a.MessTakte - 1) / r.Abstand + 1;
        }
    }
    kopf.Ende = l.Pos();
    return l.Ergebnis();
}

TLeseErgebnis MessDatenLesen(QByteArrayView bytes, const TKopfInfo& kopf, TMessDatei& d,
                             TDatenBefund& befund) {
    const qint64 start = kopf.Ende;
    const TAuftrag& a = d.Auftrag;
    const qint64 deklariert = qint64(kopf.Gesamtlaenge) - start;
    if (deklariert < kInt32Min || deklariert > kInt32Max) {
        return TLeseErgebnis::Fehler(
            QStringLiteral("Die Länge des Datenteils (%1) liegt außerhalb des Zahlenbereichs")
                .arg(deklariert),
            0);
    }
    qint64 erwartet = 0;
    for (int i = 0; i < d.Messreihen.size(); ++i) {
        if (d.Messreihen[i].Aktiv) {
            erwartet += qint64(d.Messreihen[i].Anzahl) * WertBreite(d, i);
            if (erwartet > kInt32Max) {
                return TLeseErgebnis::Fehler(
                    QStringLiteral("Die erwartete Datenmenge liegt außerhalb des Zahlenbereichs"),
                    start);
            }
        }
    }
    erwartet += a.AbstandZeitstempel > 0 ? qint64(a.MessTakte / a.AbstandZeitstempel) * 8 : 8;
    if (erwartet > kInt32Max) {
        return TLeseErgebnis::Fehler(
            QStringLiteral("Die erwartete Datenmenge liegt außerhalb des Zahlenbereichs"), start);
    }
    if (d.Messfrequenz == 0) {
        return TLeseErgebnis::Fehler(
            QStringLiteral("Die Messfrequenz ist 0 (Takt %1, Teiler %2): die Zeitstempel "
                           "lassen sich nicht berechnen")
                .arg(d.Takt)
                .arg(d.Teiler),
            start);
    }
    // A file shorter than it claims ends the data where its bytes end: values are never
    // invented for bytes the file does not hold.
    const qint64 vorhanden = std::max<qint64>(0, bytes.size() - start);
    const qint64 laenge = std::min(deklariert, vorhanden);
    befund.Erwartet = erwartet;
    befund.Uebertragen = laenge;
    befund.Zurueck = false;

    for (TMessreihe& r : d.Messreihen) {
        r.Messwerte = {};
    }
    const uchar* daten = reinterpret_cast<const uchar*>(bytes.data());
    const qint64 groesse = bytes.size();
    qint64 pos = start;

    auto rohWert = [&](int breite) {
        quint32 roh = 0;
        if (pos + 4 <= groesse) {
            roh = qFromLittleEndian<quint32>(daten + pos);
            if (breite < 4) {
                roh &= (quint32(1) << (8 * breite)) - 1;
            }
        } else {
            for (int b = 0; b < breite && pos + b < groesse; ++b) {
                roh |= quint32(daten[pos + b]) << (8 * b);
            }
        }
        return roh;
    };
    // An intermediate stamp not earlier than the computed time replaces it; an earlier or
    // unreadable one keeps the computed time and is reported.
    auto zwischenstempel = [&](double& t) {
        double neu = t;
        if (pos + 8 <= groesse) {
            ZeitstempelLesen(daten + pos, neu);
        } else {
            neu = -std::numeric_limits<double>::infinity();
        }
        pos += 8;
        if (neu >= t) {
            t = neu;
        } else {
            befund.Zurueck = true;
        }
    };

    // The running time starts at the job's start when the first stamp is missing or invalid.
    double t = a.Start;
    if (pos + 8 <= groesse) {
        ZeitstempelLesen(daten + pos, t);
    }
    pos += 8;
    qint64 verbraucht = 8;
    const double periode = 1.0 / (d.Messfrequenz * 86400.0);
    const quint64 az = a.AbstandZeitstempel;
    const int reihen = d.Messreihen.size();

    QVector<TQuelle> quellen;
    for (int i = 0; i < reihen; ++i) {
        TMessreihe& r = d.Messreihen[i];
        const int breite = WertBreite(d, i);
        if (r.Aktiv && breite > 0) {
            TQuelle q;
            q.Reihe = i;
            q.Breite = breite;
            q.Maske = WertMaske(d, i).value_or(0);
            q.Konstante = r.Messkonstante;
            q.Null = r.Nullwert;
            q.Abstand = r.Abstand;
            q.Zeit = &r.Messwerte[0];
            q.Wert = &r.Messwerte[1];
            quellen.append(q);
        }
    }
    const qint64 takte = TakteBisEnde(laenge, az, quellen);
    // Each stored value uses up its bytes, so no series can get more than the data part's
    // length allows, whatever the file declares.
    auto werteDerReihe = [&](const TQuelle& q) {
        return std::min(Vorkommen(takte, q.Abstand), std::max<qint64>(laenge, 0) / q.Breite + 1);
    };
    qint64 alleWerte = 0;
    for (const TQuelle& q : quellen) {
        alleWerte += werteDerReihe(q);
    }
    const QString zuViel = Arbeitsspeicher::Pruefen(
        16 * alleWerte, QStringLiteral("Das Lesen von %1 Messwerten").arg(alleWerte));
    if (!zuViel.isEmpty()) {
        return TLeseErgebnis::Fehler(zuViel, start);
    }
    for (TQuelle& q : quellen) {
        const qint64 n = werteDerReihe(q);
        q.Zeit->reserve(n);
        q.Wert->reserve(n);
    }
    auto speichern = [&](TQuelle& q) {
        const quint32 roh = rohWert(q.Breite) & q.Maske;
        q.Zeit->append(t);
        q.Wert->append((double(roh) + q.Null) * q.Konstante);
        pos += q.Breite;
        verbraucht += q.Breite;
    };

    // Cycle 0 walks every series in order, as later cycles do; it is also where a channel
    // too wide for its mask is found.
    t += periode;
    if (az > 0) {
        zwischenstempel(t);
        verbraucht += 8;
    }
    bool fertig = false;
    int naechste = 0;
    for (int i = 0; i < reihen && !fertig; ++i) {
        using namespace KanalInfoZeile;
        if (i < d.KanalAnzahl) {
            const quint8 typ = d.KanalInfo[KanalTyp][i];
            const int aufloesung = d.KanalInfo[KanalAufloesung][i];
            if ((typ == ktAna || typ == ktSAna) && aufloesung >= 32) {
                return TLeseErgebnis::Fehler(
                    QStringLiteral("Kanal %1 hat die Auflösung %2 Bit, höchstens 31 sind möglich")
                        .arg(i)
                        .arg(aufloesung),
                    kopf.KanalInfoPos + 4 * i + 1);
            }
        }
        if (naechste < quellen.size() && quellen[naechste].Reihe == i) {
            speichern(quellen[naechste++]);
        }
        fertig = verbraucht >= laenge;
    }
    if (reihen == 0 || (quellen.isEmpty() && az == 0)) {
        fertig = true;
    }

    // Later cycles: only the cycles that store something are visited, in order (the plan
    // knows which), and within a cycle the intermediate stamp comes first, then the series in
    // their order. The time runs on by one period per cycle, skipped cycles included.
    const bool erstZuerst = !quellen.isEmpty() && quellen[0].Reihe == 0;
    QVector<quint64> abstaende;
    for (const TQuelle& q : quellen) {
        abstaende.append(q.Abstand);
    }
    TTaktPlan plan(abstaende, az);
    while (!fertig) {
        const quint64 schritt = plan.Weiter();
        t = schritt == 1 ? t + periode : ZeitFortschreiben(t, periode, schritt);
        if (plan.Stempel()) {
            zwischenstempel(t);
            verbraucht += 8;
            if (verbraucht >= laenge) {
                // The check after series 0 ends the data part; series 0 may still get its
                // value of this cycle.
                if (erstZuerst && plan.ErsteFaellig()) {
                    speichern(quellen[0]);
                }
                break;
            }
        }
        for (int i : plan.Faellige()) {
            speichern(quellen[i]);
            if (verbraucht >= laenge) {
                fertig = true;
                break;
            }
        }
    }
    return {};
}

TLeseErgebnis MessBytesLesen(QByteArrayView bytes, bool nurAuftrag, TMessDatei& ziel,
                             TDatenBefund& befund) {
    TMessDatei d = ziel;
    d.Messreihen.clear();
    TKopfInfo kopf;
    TLeseErgebnis e = MessKopfLesen(bytes, d, kopf);
    if (e && !nurAuftrag) {
        e = MessDatenLesen(bytes, kopf, d, befund);
    }
    if (e) {
        ziel = std::move(d);
    }
    return e;
}
