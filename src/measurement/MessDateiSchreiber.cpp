#include "measurement/MessDateiSchreiber.h"

#include "measurement/ByteFolge.h"
#include "measurement/Zeitstempel.h"
#include "shell/TSpeicherDatei.h"
#include "shell/Textkodierung.h"

namespace {

TLeseErgebnis ZuLang(const char* feld, qint64 position) {
    return TLeseErgebnis::Fehler(
        QStringLiteral("Der Text \"%1\" ist länger als 65535 Zeichen").arg(QLatin1String(feld)),
        position);
}

} // namespace

TLeseErgebnis MessDateiKodieren(const TMessDatei& d, bool alsAuftrag, QByteArray& b) {
    using namespace ByteFolge;
    b.clear();
    const qsizetype kanaele = d.KanalInfo[0].size();
    for (const auto& zeile : d.KanalInfo) {
        if (zeile.size() != kanaele || kanaele != d.KanalAnzahl) {
            return TLeseErgebnis::Fehler(
                QStringLiteral("Die Kanaltabelle passt nicht zur Kanalanzahl %1")
                    .arg(d.KanalAnzahl),
                -1);
        }
    }
    if (d.Messreihen.size() != d.Auftrag.AnzahlReihen) {
        return TLeseErgebnis::Fehler(
            QStringLiteral("AnzahlReihen ist %1, es gibt aber %2 Messreihen")
                .arg(d.Auftrag.AnzahlReihen)
                .arg(d.Messreihen.size()),
            -1);
    }

    Zahl<qint32>(b, alsAuftrag ? -1 : 0);
    Zahl<quint16>(b, d.Version);
    Zahl<quint16>(b, d.Firmware);
    QByteArray snr = Textkodierung::NachWindows1252(d.VarekSNr).left(11);
    snr.append(11 - snr.size(), ' ');
    b.append(snr);
    if (!Text(b, d.SerienNummer)) {
        return ZuLang("SerienNummer", b.size());
    }
    if (!Text(b, d.Name)) {
        return ZuLang("Name", b.size());
    }
    Zahl<quint32>(b, d.Speicher);
    Zahl<quint32>(b, d.Takt);
    Zahl<quint32>(b, d.Teiler);
    Zahl<quint8>(b, 0); // Zustand is the instrument's, never the job's
    Zahl<quint8>(b, d.KanalAnzahl);
    for (qsizetype k = 0; k < kanaele; ++k) {
        for (const auto& zeile : d.KanalInfo) {
            Zahl<quint8>(b, zeile[k]);
        }
    }
    const TZeitstempel datum = ZeitstempelKodieren(d.Datum);
    b.append(reinterpret_cast<const char*>(datum.data()), datum.size());
    const TAuftrag& a = d.Auftrag;
    const std::pair<const char*, const QString*> texte[] = {
        {"AuftragName", &a.AuftragName}, {"Firma", &a.Firma},         {"Abteilung", &a.Abteilung},
        {"Bearbeiter", &a.Bearbeiter},   {"Kommentar", &a.Kommentar}, {"Nummer", &a.Nummer}};
    for (const auto& [feld, text] : texte) {
        if (!Text(b, *text)) {
            return ZuLang(feld, b.size());
        }
    }
    Zahl<quint8>(b, a.AnzahlReihen);
    Zahl<quint32>(b, a.AbstandZeitstempel);
    Zahl<quint32>(b, a.MessTakte);
    const TZeitstempel start = ZeitstempelKodieren(a.Start);
    b.append(reinterpret_cast<const char*>(start.data()), start.size());
    for (const TMessreihe& r : d.Messreihen) {
        Zahl<quint8>(b, r.Aktiv);
        Zahl<quint8>(b, r.Kanal);
        Zahl<double>(b, r.Messkonstante);
        Zahl<double>(b, r.Nullwert);
        Zahl<quint32>(b, r.Abstand);
        if (!Text(b, r.Name)) {
            return ZuLang("Name", b.size());
        }
        if (!Text(b, r.Einheit)) {
            return ZuLang("Einheit", b.size());
        }
    }
    return {};
}

TLeseErgebnis MessDateiSchreiben(const QString& datei, bool alsAuftrag, const TMessDatei& quelle) {
    QByteArray bytes;
    TLeseErgebnis e = MessDateiKodieren(quelle, alsAuftrag, bytes);
    if (!e) {
        e.Meldung = datei + QStringLiteral(": ") + e.Meldung;
        return e;
    }
    if (const TErgebnis e = TSpeicherDatei::Alles(datei, bytes); !e) {
        return TLeseErgebnis::Fehler(
            datei + QStringLiteral(": Die Datei lässt sich nicht schreiben: ") + e.Meldung, -1);
    }
    return {};
}
