#include "measurement/MessInfo.h"

#include "shell/DatumZeit.h"
#include "shell/Geraeteversion.h"
#include "shell/TAppConst.h"
#include "shell/TSprachTexte.h"
#include "shell/Textkodierung.h"
#include "shell/Zahlen.h"

#include <QFileInfo>
#include <cmath>

namespace MessInfo {

namespace {

// A caption without its closing colon names the field in messages.
QString FeldName(const QString& caption) {
    QString n = caption.trimmed();
    if (n.endsWith(u':')) {
        n.chop(1);
    }
    return n.trimmed();
}

QString Bereichsfehler(const QString& caption, const QString& text, const QString& von,
                       const QString& bis) {
    return QStringLiteral("Feld \"%1\": \"%2\" ist keine Zahl im Bereich %3 ... %4.")
        .arg(FeldName(caption), text, von, bis);
}

// A decimal integer in [0, maximum]; sets `fehler` naming the field otherwise.
quint32 Kardinal(const QString& text, quint32 maximum, const QString& caption, QString& fehler) {
    if (!fehler.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const qlonglong wert = text.trimmed().toLongLong(&ok);
    if (!ok || wert < 0 || wert > qlonglong(maximum)) {
        fehler = Bereichsfehler(caption, text, QStringLiteral("0"), QString::number(maximum));
        return 0;
    }
    return quint32(wert);
}

double Gleitzahl(const QString& text, const QString& trenner, const QString& caption,
                 QString& fehler) {
    if (!fehler.isEmpty()) {
        return 0;
    }
    const auto wert = ZahlLesen(text, trenner);
    if (!wert) {
        fehler = QStringLiteral("Feld \"%1\": \"%2\" ist keine Zahl.").arg(FeldName(caption), text);
        return 0;
    }
    return *wert;
}

double TagesBruch(double t) {
    return t - std::floor(t);
}

} // namespace

QString KanalTypLangText(const TSprachTexte& t, quint8 typ) {
    const QString* texte[] = {&t.KanalTypText10, &t.KanalTypText11, &t.KanalTypText12,
                              &t.KanalTypText13, &t.KanalTypText14, &t.KanalTypText15,
                              &t.KanalTypText16};
    return typ <= 6 ? *texte[typ] : QString();
}

QStringList KanalZeile(const TGeraet& g, int c, const TSprachTexte& texte) {
    const auto wert = [&](int zeile) -> quint8 {
        const QVector<quint8>& z = g.KanalInfo[zeile];
        return c < z.size() ? z[c] : 0;
    };
    const quint8 typ = wert(KanalInfoZeile::KanalTyp);
    return {QString::number(c), KanalTypLangText(texte, typ),
            typ % 2 == 1 ? QStringLiteral("1")
                         : QString::number(wert(KanalInfoZeile::KanalAufloesung)),
            QString::number(wert(KanalInfoZeile::KanalAbstand))};
}

QString KanalBeschreibung(const QStringList& zeile, const TSprachTexte& t) {
    const QString kopf[] = {t.VGrKanalInfoNrText, t.VGrKanalInfoTypText,
                            t.VGrKanalInfoAufloesungText, t.VGrKanalInfoAbstandText};
    QStringList teile;
    for (int i = 0; i < 4; ++i) {
        teile.append(kopf[i] + QStringLiteral(": ") + zeile.value(i));
    }
    return teile.join(QStringLiteral(", "));
}

bool IstParameterKanal(const QStringList& zeile, const TSprachTexte& texte) {
    return zeile.size() > 1 && zeile[1] == texte.KanalTypText15;
}

quint32 AnzahlAusAbstand(quint32 messTakte, quint32 abstand, quint32 alt) {
    return abstand == 0 ? alt : (messTakte - 1) / abstand + 1;
}

QString ZahlText(double wert, const QString& trenner) {
    QString t = Zahlen::GleitzahlText(wert);
    if (trenner != u".") {
        t.replace(u'.', trenner);
    }
    return t;
}

std::optional<double> ZahlLesen(const QString& text, const QString& trenner) {
    QString t = text;
    if (!trenner.isEmpty() && trenner != u".") {
        if (t.contains(u'.')) {
            return std::nullopt; // only the separator in effect counts
        }
        t.replace(trenner, QStringLiteral("."));
    }
    return Zahlen::GleitzahlLesen(t);
}

QString FormFlagsFehler(const TGeraet& g) {
    if (g.AuftragFormFlags.size() >= kFormFlagsNoetig) {
        return QString();
    }
    return QStringLiteral("Gerät \"%1\": AuftragFormFlags hat nur %2 von %3 Einträgen. "
                          "Der Dialog zeigt die Daten nur an; Aufträge können nicht bearbeitet, "
                          "gespeichert oder gesendet werden.")
        .arg(g.Name)
        .arg(g.AuftragFormFlags.size())
        .arg(kFormFlagsNoetig);
}

void GeraetFelderLesen(const TMessDatei& d, const TAppConst& k, const TSprachTexte& texte,
                       TMessInfoFelder& f) {
    f.GeraetName = d.Name;
    f.VarekSNr = d.VarekSNr;
    f.Version = Geraeteversion::VersionText(d.Version);
    f.SerienNummer = d.SerienNummer;
    f.Firmware = Geraeteversion::VersionText(d.Firmware);
    f.Speicher = QString::number(d.Speicher);
    f.KanalAnzahl = QString::number(d.KanalAnzahl);
    f.Takt = QString::number(d.Takt);
    f.Teiler = QString::number(d.Teiler);
    f.Messfrequenz = ZahlText(d.Messfrequenz, k.Dezimaltrenner);
    // Without a frequency there is no measuring period to show.
    f.MessTakt = d.Messfrequenz != 0 ? ZahlText(1.0 / d.Messfrequenz, k.Dezimaltrenner) : QString();
    f.Datum = DatumZeit::Formatieren(k.DatumsformatKurz, d.Datum);
    f.Zeit = DatumZeit::Formatieren(k.ZeitformatKurz, d.Datum);
    f.Kanaele.clear();
    for (int c = 0; c < d.KanalAnzahl; ++c) {
        f.Kanaele.append(KanalZeile(d, c, texte));
    }
}

void AuftragFelderLesen(const TAuftrag& a, TMessInfoFelder& f) {
    f.AuftragName = a.AuftragName;
    f.Nummer = a.Nummer;
    f.Firma = a.Firma;
    f.Abteilung = a.Abteilung;
    f.Bearbeiter = a.Bearbeiter;
    f.Kommentar = a.Kommentar;
    f.MessTakte = QString::number(a.MessTakte);
    f.AbstandZeitstempel = QString::number(a.AbstandZeitstempel);
    f.Start = a.Start;
}

void ReiheFelderLesen(const TMessreihe& r, quint32 messTakte, const QString& trenner,
                      TReiheFelder& f) {
    f.Aktiv = r.Aktiv != 0;
    f.Abstand = QString::number(r.Abstand);
    f.Anzahl = QString::number(AnzahlAusAbstand(messTakte, r.Abstand, r.Anzahl));
    f.Messkonstante = ZahlText(r.Messkonstante, trenner);
    f.Nullwert = ZahlText(r.Nullwert, trenner);
    f.Einheit = r.Einheit;
}

QString ReiheSetzen(const TReiheFelder& f, const QString& trenner, const TSprachTexte& t,
                    TMessreihe& r) {
    QString fehler;
    TMessreihe neu = r;
    neu.Aktiv = f.Aktiv ? 1 : 0;
    neu.Abstand = Kardinal(f.Abstand, 4294967295u, t.LbeAbstandCaption, fehler);
    neu.Anzahl = Kardinal(f.Anzahl, 4294967295u, t.LbeAnzahlCaption, fehler);
    neu.Messkonstante = Gleitzahl(f.Messkonstante, trenner, t.LbeMesskonstanteCaption, fehler);
    neu.Nullwert = Gleitzahl(f.Nullwert, trenner, t.LbeNullwertCaption, fehler);
    neu.Einheit = f.Einheit;
    if (fehler.isEmpty()) {
        r = std::move(neu);
    }
    return fehler;
}

QString MessAuftragSetzen(const TMessInfoFelder& f, const TAppConst& k, const TSprachTexte& t,
                          double jetzt, TMessDatei& d) {
    QString fehler;
    TMessDatei n = d;
    n.Name = f.GeraetName;
    n.VarekSNr = f.VarekSNr.left(11);
    const auto version = [&](const QString& text, const QString& caption) -> quint16 {
        if (!fehler.isEmpty()) {
            return 0;
        }
        const auto w = Geraeteversion::VersionWert(text);
        if (!w || *w < 0 || *w > 65535) {
            fehler = Bereichsfehler(caption, text, Geraeteversion::VersionText(0),
                                    Geraeteversion::VersionText(65535));
            return 0;
        }
        return quint16(*w);
    };
    n.Version = version(f.Version, t.LbeVersionCaption);
    n.SerienNummer = f.SerienNummer;
    n.Firmware = version(f.Firmware, t.LbeFirmwareCaption);
    n.Speicher = Kardinal(f.Speicher, 4294967295u, t.LbeSpeicherCaption, fehler);
    n.KanalAnzahl = quint8(Kardinal(f.KanalAnzahl, 255, t.LbeKanalAnzahlCaption, fehler));
    n.Takt = Kardinal(f.Takt, 4294967295u, t.LbeTaktCaption, fehler);
    n.Teiler = Kardinal(f.Teiler, 4294967295u, t.LbeTeilerCaption, fehler);
    n.Messfrequenz = n.Teiler == 0 ? 0.0 : double(n.Takt) / double(n.Teiler);
    if (fehler.isEmpty()) {
        const auto datum = DatumZeit::Lesen(f.Datum, k.DatumsformatKurz, jetzt);
        const auto zeit = DatumZeit::Lesen(f.Zeit, k.ZeitformatKurz, jetzt);
        if (!datum) {
            fehler = QStringLiteral("Feld \"%1\": \"%2\" ist kein Datum.")
                         .arg(FeldName(t.LbeDatumCaption), f.Datum);
        } else if (!zeit) {
            fehler = QStringLiteral("Feld \"%1\": \"%2\" ist keine Uhrzeit.")
                         .arg(FeldName(t.LbeZeitCaption), f.Zeit);
        } else {
            n.Datum = std::floor(*datum) + TagesBruch(*zeit);
        }
    }
    if (fehler.isEmpty()) {
        for (QVector<quint8>& zeile : n.KanalInfo) {
            zeile.resize(n.KanalAnzahl);
        }
        const QString tabelle = FeldName(t.LblVGrKanalInfoCaption);
        for (int c = 0; c < n.KanalAnzahl && fehler.isEmpty(); ++c) {
            if (c >= f.Kanaele.size()) {
                fehler = QStringLiteral("Feld \"%1\": Kanal %2 fehlt in der Tabelle (%3 Kanäle "
                                        "angegeben).")
                             .arg(tabelle)
                             .arg(c)
                             .arg(n.KanalAnzahl);
                break;
            }
            const QStringList& zeile = f.Kanaele[c];
            for (quint8 j = 0; j <= 5; ++j) {
                if (KanalTypLangText(t, j) == zeile.value(1)) {
                    n.KanalInfo[KanalInfoZeile::KanalTyp][c] = j;
                    break;
                }
            }
            const QString spalte = QStringLiteral("%1, Kanal %2, %3").arg(tabelle).arg(c);
            n.KanalInfo[KanalInfoZeile::KanalAufloesung][c] = quint8(
                Kardinal(zeile.value(2), 255, spalte.arg(t.VGrKanalInfoAufloesungText), fehler));
            n.KanalInfo[KanalInfoZeile::KanalReserve][c] = 255;
            n.KanalInfo[KanalInfoZeile::KanalAbstand][c] = quint8(
                Kardinal(zeile.value(3), 255, spalte.arg(t.VGrKanalInfoAbstandText), fehler));
        }
    }
    TAuftrag& a = n.Auftrag;
    a.AuftragName = f.AuftragName;
    a.Nummer = f.Nummer;
    a.Firma = f.Firma;
    a.Abteilung = f.Abteilung;
    a.Bearbeiter = f.Bearbeiter;
    a.Kommentar = f.Kommentar;
    a.MessTakte = Kardinal(f.MessTakte, 4294967295u, t.LbeMessTakteCaption, fehler);
    a.AbstandZeitstempel =
        Kardinal(f.AbstandZeitstempel, 4294967295u, t.LbeAbstandZeitstempelCaption, fehler);
    a.Start = f.Start;
    for (int i = 0; i < n.Messreihen.size() && i < f.ReihenNamen.size(); ++i) {
        n.Messreihen[i].Name = f.ReihenNamen[i];
    }
    if (fehler.isEmpty() && f.Reihe >= 0 && f.Reihe < n.Messreihen.size()) {
        fehler = ReiheSetzen(f.ReiheFeld, k.Dezimaltrenner, t, n.Messreihen[f.Reihe]);
    }
    if (fehler.isEmpty()) {
        d = std::move(n);
    }
    return fehler;
}

QString StandardName(const QString& geraet, double jetzt) {
    return geraet + DatumZeit::Formatieren(QStringLiteral("_yyyymmdd_hhnn"), jetzt);
}

void NeuerAuftrag(TMessDatei& d, const TAppConst& k, const TSprachTexte& t, double jetzt) {
    TAuftrag& a = d.Auftrag;
    a.AuftragName = t.NeuerAuftragText + QStringLiteral(" ") + d.Name;
    a.Nummer = t.AuftragsNummerText;
    a.Firma = k.FirmenName;
    a.Abteilung = k.Abteilung;
    a.Bearbeiter = k.Benutzer;
    a.Kommentar = t.KommentarText;
    a.AnzahlReihen = d.KanalAnzahl;
    a.MessTakte = 1000;
    a.AbstandZeitstempel = 0;
    a.Start = jetzt;
    d.Messreihen.clear();
    const QVector<quint8>& abstaende = d.KanalInfo[KanalInfoZeile::KanalAbstand];
    for (int i = 0; i < d.KanalAnzahl; ++i) {
        TMessreihe r;
        r.Name = t.MessreiheText + QString::number(i);
        r.Einheit = t.EinheitText;
        r.Kanal = quint8(i);
        r.Aktiv = 1;
        r.Abstand = i < abstaende.size() ? abstaende[i] : 1;
        r.Anzahl = a.MessTakte;
        r.Messkonstante = 1.0;
        r.Nullwert = 0.0;
        r.Messwerte = TMesswerte{};
        d.Messreihen.append(r);
    }
}

QString VorgeschlagenerName(const QString& angezeigt) {
    const QFileInfo info(angezeigt);
    const QString name = info.fileName();
    const qsizetype punkt = name.lastIndexOf(u'.');
    return (punkt > 0 ? name.left(punkt) : name) + QStringLiteral(".oor");
}

QString AuftragsDateiName(const QString& gewaehlt) {
    return gewaehlt.endsWith(QStringLiteral(".oor"), Qt::CaseInsensitive)
               ? gewaehlt
               : gewaehlt + QStringLiteral(".oor");
}

QStringList NichtSpeicherbar(const TMessDatei& d) {
    QStringList falsch;
    const auto pruefen = [&](const QString& feld, const QString& text) {
        bool ok = true;
        Textkodierung::NachWindows1252(text, &ok);
        if (!ok) {
            falsch.append(feld + QStringLiteral(": ") + text);
        }
    };
    pruefen(QStringLiteral("Name"), d.Name);
    pruefen(QStringLiteral("VarekSNr"), d.VarekSNr);
    pruefen(QStringLiteral("SerienNummer"), d.SerienNummer);
    const TAuftrag& a = d.Auftrag;
    pruefen(QStringLiteral("AuftragName"), a.AuftragName);
    pruefen(QStringLiteral("Firma"), a.Firma);
    pruefen(QStringLiteral("Abteilung"), a.Abteilung);
    pruefen(QStringLiteral("Bearbeiter"), a.Bearbeiter);
    pruefen(QStringLiteral("Kommentar"), a.Kommentar);
    pruefen(QStringLiteral("Nummer"), a.Nummer);
    for (int i = 0; i < d.Messreihen.size(); ++i) {
        pruefen(QStringLiteral("Messreihe %1 Name").arg(i), d.Messreihen[i].Name);
        pruefen(QStringLiteral("Messreihe %1 Einheit").arg(i), d.Messreihen[i].Einheit);
    }
    return falsch;
}

void AenderungenUebernehmen(TAenderungen& a, TMessInfoFelder& f, int reihe, TMessDatei& d) {
    TMessreihe* r = reihe >= 0 && reihe < d.Messreihen.size() ? &d.Messreihen[reihe] : nullptr;
    const auto zahl = [](const QString& text) { return quint32(text.trimmed().toULongLong()); };
    if (a.Aktiv && r) {
        r->Aktiv = f.ReiheFeld.Aktiv ? 1 : 0;
    }
    if (a.Anzahl && r) {
        r->Anzahl = zahl(f.ReiheFeld.Anzahl);
    }
    if (a.Abstand && r) {
        r->Abstand = zahl(f.ReiheFeld.Abstand);
        r->Anzahl = AnzahlAusAbstand(d.Auftrag.MessTakte, r->Abstand, r->Anzahl);
        f.ReiheFeld.Anzahl = QString::number(r->Anzahl);
    }
    if (a.MessTakte) {
        const quint32 takte = zahl(f.MessTakte);
        if (takte != d.Auftrag.MessTakte) {
            d.Auftrag.MessTakte = takte;
            for (TMessreihe& s : d.Messreihen) {
                s.Anzahl = AnzahlAusAbstand(takte, s.Abstand, s.Anzahl);
            }
            if (r) {
                f.ReiheFeld.Anzahl = QString::number(r->Anzahl);
            }
        }
    }
    if (a.AbstandZeitstempel) {
        d.Auftrag.AbstandZeitstempel = zahl(f.AbstandZeitstempel);
    }
    a = TAenderungen();
}

} // namespace MessInfo
