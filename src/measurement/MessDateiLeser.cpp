#include "measurement/MessDateiLeser.h"

#include "catalogue/GeraeteKatalog.h"
#include "measurement/MessDateiFormat.h"
#include "shell/Arbeitsspeicher.h"
#include "shell/DateiPruefung.h"
#include "shell/DatumZeit.h"
#include "shell/Meldungen.h"
#include "shell/TNachrichtInhalt.h"
#include "shell/TShellKontext.h"

#include <QFile>
#include <QFileInfo>
#include <new>

namespace {

constexpr qint64 kErsterBlock = 1 << 16;
constexpr qint64 kRohBlock = 1 << 20;
// The longest header part the check reads: position 19, two texts, 13 bytes.
constexpr qint64 kPruefLaenge = 19 + 2 + 65535 + 2 + 65535 + 13;

TLeseErgebnis MitDatei(TLeseErgebnis e, const QString& datei) {
    if (!e) {
        e.Meldung = datei + QStringLiteral(": ") + e.Meldung +
                    (e.Position >= 0 ? QStringLiteral(" (Byte %1)").arg(e.Position) : QString());
    }
    return e;
}

TLeseErgebnis Oeffnen(QFile& f) {
    // Only regular files: a FIFO or a device would keep the reader waiting for ever.
    if (const QString art = DateiPruefung::Lesbar(f.fileName()); !art.isEmpty()) {
        return TLeseErgebnis::Fehler(art, -1);
    }
    if (!f.open(QIODevice::ReadOnly)) {
        return TLeseErgebnis::Fehler(
            QStringLiteral("Die Datei lässt sich nicht öffnen: ") + f.errorString(), -1);
    }
    return {};
}

// Reads on from the file until `puffer` holds `bis` bytes or the file ends.
bool Nachlesen(QFile& f, QByteArray& puffer, qint64 bis) {
    bis = std::min(bis, f.size());
    const qint64 alt = puffer.size();
    if (bis <= alt) {
        return true;
    }
    puffer.resize(bis);
    qint64 gelesen = alt;
    while (gelesen < bis) {
        const qint64 n = f.read(puffer.data() + gelesen, bis - gelesen);
        if (n <= 0) {
            puffer.resize(gelesen);
            return false;
        }
        gelesen += n;
    }
    return true;
}

} // namespace

bool IstMessDatei(const QString& datei, const QStringList& geraeteListe) {
    QFile f(datei);
    if (!Oeffnen(f)) {
        return false;
    }
    return MessKopfPruefen(f.read(kPruefLaenge), geraeteListe);
}

bool MessDateiPruefen(TShellKontext& app, const QString& datei, TMessDatei& arbeit) {
    if (!IstMessDatei(datei, app.AppConst.GeraeteListe)) {
        return false;
    }
    // A catalogue entry that cannot be read makes the file unusable as well.
    const TErgebnis g = GeraetLesen(app, app.AppConst.Geraet, arbeit);
    return g.Meldung.isEmpty();
}

namespace {

TLeseErgebnis Lesen(TShellKontext& app, const QString& datei, bool nurAuftrag, TMessDatei& ziel) {
    QFile f(datei);
    TLeseErgebnis e = Oeffnen(f);
    if (!e) {
        return MitDatei(e, datei);
    }
    const qint64 groesse = f.size();

    // The header is read from the file's first bytes, with more of the file when it is longer.
    QByteArray puffer;
    Nachlesen(f, puffer, kErsterBlock);
    TMessDatei d;
    TKopfInfo kopf;
    for (;;) {
        d = ziel;
        d.Messreihen.clear();
        e = MessKopfLesen(puffer, d, kopf);
        if (e || !e.Dateiende || puffer.size() >= groesse) {
            break;
        }
        if (!Nachlesen(f, puffer, puffer.size() * 2)) {
            return MitDatei(TLeseErgebnis::Fehler(QStringLiteral("Lesefehler: ") + f.errorString(),
                                                  puffer.size()),
                            datei);
        }
    }
    if (!e) {
        return MitDatei(e, datei);
    }
    TDatenBefund befund;
    if (!nurAuftrag) {
        // Only the declared data part and the few bytes its last cycle may reach beyond it.
        const qint64 daten = std::max<qint64>(0, qint64(kopf.Gesamtlaenge) - kopf.Ende);
        if (!Nachlesen(f, puffer, kopf.Ende + daten + 16)) {
            return MitDatei(TLeseErgebnis::Fehler(QStringLiteral("Lesefehler: ") + f.errorString(),
                                                  puffer.size()),
                            datei);
        }
        f.close();
        e = MessDatenLesen(puffer, kopf, d, befund);
        puffer = QByteArray();
        if (!e) {
            return MitDatei(e, datei);
        }
    }
    ziel = std::move(d);
    if (!nurAuftrag) {
        if (befund.Zurueck) {
            app.Nachricht(Meldung::ZeitAbweichung);
        }
        if (befund.Erwartet != befund.Uebertragen) {
            app.Nachricht(Meldung::AuftragNichtErfuellt,
                          app.Texte.MesswerteBerechnetText + QString::number(befund.Erwartet) +
                              QStringLiteral("\n\r") + app.Texte.MesswerteUebertragenText +
                              QString::number(befund.Uebertragen));
        }
    }
    return {};
}

TLeseErgebnis RohLesen(TShellKontext& app, const QString& datei, TMessDatei& ziel) {
    QFile f(datei);
    TLeseErgebnis e = Oeffnen(f);
    if (!e) {
        return MitDatei(e, datei);
    }
    const qint64 groesse = f.size();
    if (groesse >= (qint64(1) << 32)) {
        return MitDatei(TLeseErgebnis::Fehler(
                            QStringLiteral("Die Datei ist mit %1 Bytes zu groß").arg(groesse), 0),
                        datei);
    }
    // Two doubles per byte; the bytes themselves are read a block at a time.
    const QString zuViel = Arbeitsspeicher::Pruefen(
        16 * groesse + kRohBlock, QStringLiteral("Der Import von %1 Bytes").arg(groesse));
    if (!zuViel.isEmpty()) {
        return MitDatei(TLeseErgebnis::Fehler(zuViel, -1), datei);
    }

    // The modification time as the old file systems kept it: local time in 2-second steps.
    QDateTime zeit = QFileInfo(datei).lastModified();
    const QTime uhr = zeit.time();
    zeit.setTime(QTime(uhr.hour(), uhr.minute(), uhr.second() - uhr.second() % 2));
    const double start = DatumZeit::AusQDateTime(zeit);

    TMessreihe r;
    r.Aktiv = 1;
    r.Abstand = 1;
    r.Kanal = 0;
    r.Messkonstante = 1.0;
    r.Nullwert = 0.0;
    r.Name = app.Texte.MessreiheText + QStringLiteral("0");
    r.Einheit = app.Texte.EinheitText;
    r.Anzahl = quint32(groesse);
    if (groesse == 0) {
        r.Anzahl = 1;
        r.Messwerte[0] = {start};
        r.Messwerte[1] = {0.0};
    } else {
        // A record without a measuring frequency (nothing read yet) counts one byte per
        // second rather than dividing by zero.
        const double tage = (ziel.Messfrequenz > 0 ? ziel.Messfrequenz : 1.0) * 86400.0;
        r.Messwerte[0].resize(groesse);
        r.Messwerte[1].resize(groesse);
        double* zeiten = r.Messwerte[0].data();
        double* werte = r.Messwerte[1].data();
        QByteArray block(std::min(groesse, kRohBlock), Qt::Uninitialized);
        qint64 j = 0;
        while (j < groesse) {
            const qint64 n = f.read(block.data(), std::min<qint64>(block.size(), groesse - j));
            if (n <= 0) {
                return MitDatei(
                    TLeseErgebnis::Fehler(QStringLiteral("Lesefehler: ") + f.errorString(), j),
                    datei);
            }
            const uchar* b = reinterpret_cast<const uchar*>(block.constData());
            for (qint64 k = 0; k < n; ++k, ++j) {
                zeiten[j] = start + double(j) / tage;
                werte[j] = double(b[k]);
            }
        }
    }
    f.close();
    TAuftrag& a = ziel.Auftrag;
    a.AnzahlReihen = 1;
    a.MessTakte = groesse == 0 ? 1 : quint32(groesse);
    a.AbstandZeitstempel = 0;
    a.Start = start;
    ziel.Messreihen = {std::move(r)};
    // The raw bytes are measured values of one 8-bit channel. A record without such a
    // channel 0 (nothing read yet, or a device whose first channel is a parameter or a
    // computed one) would make the graph import take the series name for a formula and
    // fail, so channel 0 is described as what the import produced.
    if (ziel.KanalAnzahl == 0 || ziel.KanalInfo[KanalInfoZeile::KanalTyp].isEmpty() ||
        ziel.KanalInfo[KanalInfoZeile::KanalTyp][0] > ktSAna) {
        if (ziel.KanalAnzahl == 0) {
            ziel.KanalAnzahl = 1;
        }
        for (auto& zeile : ziel.KanalInfo) {
            if (zeile.size() < ziel.KanalAnzahl) {
                zeile.resize(ziel.KanalAnzahl);
            }
        }
        ziel.KanalInfo[KanalInfoZeile::KanalTyp][0] = ktAna;
        ziel.KanalInfo[KanalInfoZeile::KanalAufloesung][0] = 8;
        ziel.KanalInfo[KanalInfoZeile::KanalReserve][0] = 0;
        ziel.KanalInfo[KanalInfoZeile::KanalAbstand][0] = 1;
    }
    return {};
}

} // namespace

// An allocation that fails despite the checks ends the read with a message; `ziel` is only
// assigned at the very end, so it stays as it was.
TLeseErgebnis MessDateiLesen(TShellKontext& app, const QString& datei, bool nurAuftrag,
                             TMessDatei& ziel) {
    try {
        return Lesen(app, datei, nurAuftrag, ziel);
    } catch (const std::bad_alloc&) {
        return MitDatei(TLeseErgebnis::Fehler(Arbeitsspeicher::ErschoepftText(), -1), datei);
    }
}

TLeseErgebnis RohDateiLesen(TShellKontext& app, const QString& datei, TMessDatei& ziel) {
    try {
        return RohLesen(app, datei, ziel);
    } catch (const std::bad_alloc&) {
        return MitDatei(TLeseErgebnis::Fehler(Arbeitsspeicher::ErschoepftText(), -1), datei);
    }
}

TEinleseErgebnis MessDateiEinlesen(TShellKontext& app, const QString& datei, bool nurAuftrag,
                                   TMessDatei& arbeit) {
    TEinleseErgebnis e;
    // A missing file or a FIFO is no foreign format: it is said as what it is, and the raw
    // import is not offered.
    if (const QString art = DateiPruefung::Lesbar(datei); !art.isEmpty()) {
        e.Weg = TEinleseWeg::Fehler;
        e.Lesen = TLeseErgebnis::Fehler(art, -1);
        return e;
    }
    if (MessDateiPruefen(app, datei, arbeit)) {
        e.Lesen = MessDateiLesen(app, datei, nurAuftrag, arbeit);
        e.Weg = e.Lesen ? TEinleseWeg::Gelesen : TEinleseWeg::Fehler;
        return e;
    }
    app.Nachricht(Meldung::GeraetNichtImKatalog, QStringLiteral("???"));
    if (app.Nachricht(Meldung::RohdatenEinlesenFragen, datei) != mrYes) {
        e.Weg = TEinleseWeg::Abgelehnt;
        return e;
    }
    e.Lesen = RohDateiLesen(app, datei, arbeit);
    e.Weg = e.Lesen ? TEinleseWeg::RohGelesen : TEinleseWeg::Fehler;
    return e;
}
