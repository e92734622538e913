#include "catalogue/GeraeteKatalog.h"

#include "shell/DatumZeit.h"
#include "shell/Meldungen.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

#include <optional>

namespace {

QString KatalogPfad(const TShellKontext& app) {
    return app.AppConst.PrgKonfigPfad + Dateinamen::GeraeteDatei;
}

// Reads the keys of one section; the first unusable value ends the read with its reason.
class TAbschnittLeser {
public:
    TAbschnittLeser(const TIniDatei& ini, const QString& abschnitt)
        : FIni(ini), FAbschnitt(abschnitt) {}

    const QString& Fehler() const { return FFehler; }
    bool Ok() const { return FFehler.isEmpty(); }

    // An integer within minimum..maximum; a missing key or an empty value gives the default.
    // A value that is no integer, or one too large for 32 bits, is refused like a number out
    // of the range: it must not quietly become the default.
    qint64 Zahl(const QString& schluessel, qint32 vorgabe, qint64 minimum, qint64 maximum) {
        if (!Ok()) {
            return vorgabe;
        }
        const QString text = Text(schluessel).trimmed();
        const std::optional<qint32> gelesen =
            text.isEmpty() ? std::optional<qint32>(vorgabe) : Zahlen::GanzzahlLesen(text);
        const qint64 wert = gelesen ? qint64(*gelesen) : maximum + 1;
        if (wert < minimum || wert > maximum) {
            FFehler = QStringLiteral("%1=%2 liegt nicht im Bereich %3 ... %4")
                          .arg(schluessel, FIni.LiesText(FAbschnitt, schluessel, QString()))
                          .arg(minimum)
                          .arg(maximum);
            return vorgabe;
        }
        return wert;
    }

    bool Bool(const QString& schluessel, bool vorgabe) {
        return FIni.LiesBool(FAbschnitt, schluessel, vorgabe);
    }

    QString Text(const QString& schluessel) {
        return FIni.LiesText(FAbschnitt, schluessel, QString());
    }

    // One flag per character: "0" false, "1" to "9" true, anything else is refused.
    QVector<bool> Flags(const QString& schluessel, const QString& vorgabe) {
        QVector<bool> flags;
        if (!Ok()) {
            return flags;
        }
        const QString text = FIni.LiesText(FAbschnitt, schluessel, vorgabe);
        flags.reserve(text.size());
        for (const QChar c : text) {
            if (c < u'0' || c > u'9') {
                FFehler = QStringLiteral("%1=%2: '%3' ist kein gültiger boolescher Wert")
                              .arg(schluessel, text, QString(c));
                return {};
            }
            flags.append(c != u'0');
        }
        return flags;
    }

private:
    const TIniDatei& FIni;
    QString FAbschnitt;
    QString FFehler;
};

} // namespace

void GeraeteListeLesen(TShellKontext& app, QStringList& liste) {
    liste.clear();
    const TIniDatei ini(KatalogPfad(app));
    if (!ini.Vorhanden()) {
        app.Nachricht(Meldung::KeineGeraeteDatei, Dateinamen::GeraeteDatei);
        return;
    }
    liste = ini.Abschnitte();
}

TErgebnis GeraetLesen(TShellKontext& app, const QString& name, TGeraet& geraet) {
    const TIniDatei ini(KatalogPfad(app));
    // A missing file or section fails without a text of its own: the message told the user.
    if (!ini.Vorhanden()) {
        app.Nachricht(Meldung::KeineGeraeteDatei, Dateinamen::GeraeteDatei);
        return TErgebnis::Fehler(QString());
    }
    if (!ini.AbschnittVorhanden(name) || ini.Schluessel(name).isEmpty()) {
        app.Nachricht(Meldung::GeraetNichtImKatalog, name);
        return TErgebnis::Fehler(QString());
    }

    // Filled in a copy, taken over only when every key was usable.
    TGeraet g = geraet;
    TAbschnittLeser l(ini, name);
    g.Name = name;
    g.Version = quint16(l.Zahl(QStringLiteral("Version"), 0, 0, 65535));
    g.Firmware = quint16(l.Zahl(QStringLiteral("Firmware"), 0, 0, 65535));
    g.DatenBits = quint8(l.Zahl(QStringLiteral("DatenBits"), 0, 0, 255));
    g.StopBits = quint8(l.Zahl(QStringLiteral("StopBits"), 0, 0, 255));
    g.Parity = quint8(l.Zahl(QStringLiteral("Parity"), 0, 0, 255));
    g.AutoStart = l.Bool(QStringLiteral("AutoStart"), false);
    g.AutoAus = l.Bool(QStringLiteral("AutoAus"), false);
    g.ResetBefehl = l.Text(QStringLiteral("ResetBefehl"));
    g.UhrLesenBefehl = l.Text(QStringLiteral("UhrLesenBefehl"));
    g.UhrSetzenBefehl = l.Text(QStringLiteral("UhrSetzenBefehl"));
    g.MessungAbbrechenBefehl = l.Text(QStringLiteral("MessungAbbrechenBefehl"));
    g.GeraeteZustandBefehl = l.Text(QStringLiteral("GeraeteZustandBefehl"));
    g.GeraeteInformationLesenBefehl = l.Text(QStringLiteral("GeraeteInformationLesenBefehl"));
    g.AuftragSendenBefehl = l.Text(QStringLiteral("AuftragSendenBefehl"));
    g.DatenLesenBefehl = l.Text(QStringLiteral("DatenLesenBefehl"));
    g.SpeicherTestBefehl = l.Text(QStringLiteral("SpeicherTestBefehl"));
    g.SpeicherLeerenBefehl = l.Text(QStringLiteral("SpeicherLeerenBefehl"));
    g.Speicher = quint32(l.Zahl(QStringLiteral("Speicher"), 0, 0, 2147483647));
    g.Wartezeit = qint32(l.Zahl(QStringLiteral("Wartezeit"), 0, INT32_MIN, INT32_MAX));
    g.Baud = qint32(l.Zahl(QStringLiteral("Baud"), 0, INT32_MIN, INT32_MAX));
    g.Takt = quint32(l.Zahl(QStringLiteral("Takt"), 1, 0, 2147483647));
    // A divider of 0 would make the measuring frequency a division by zero.
    g.Teiler = quint32(l.Zahl(QStringLiteral("Teiler"), 1, 1, 2147483647));
    g.Messfrequenz = g.Teiler ? double(g.Takt) / double(g.Teiler) : 0.0;

    g.KanalAnzahl = quint8(l.Zahl(QStringLiteral("KanalAnzahl"), 1, 0, 255));
    for (auto& zeile : g.KanalInfo) {
        zeile.fill(0, l.Ok() ? g.KanalAnzahl : 0);
    }
    for (int n = 0; l.Ok() && n < g.KanalAnzahl; ++n) {
        const QString nr = QString::number(n);
        using namespace KanalInfoZeile;
        g.KanalInfo[KanalTyp][n] = quint8(l.Zahl(QStringLiteral("KanalTyp") + nr, 0, 0, 255));
        g.KanalInfo[KanalAufloesung][n] =
            quint8(l.Zahl(QStringLiteral("KanalAufloesung") + nr, 1, 0, 255));
        g.KanalInfo[KanalReserve][n] =
            quint8(l.Zahl(QStringLiteral("KanalReserve") + nr, 255, 0, 255));
        g.KanalInfo[KanalAbstand][n] =
            quint8(l.Zahl(QStringLiteral("KanalAbstand") + nr, 1, 0, 255));
    }
    g.Datum = *DatumZeit::Kodieren({2000, 1, 1, 0, 0, 0, 0});
    g.AuftragFormFlags = l.Flags(QStringLiteral("AuftragFormFlags"),
                                 QStringLiteral("1010101010101010101010101010101010"));
    g.AuftragSendFlags =
        l.Flags(QStringLiteral("AuftragSendFlags"), QStringLiteral("11111111111111111"));
    g.MessungEmpfFlags = l.Flags(QStringLiteral("MessungEmpfFlags"),
                                 QStringLiteral("11111111111111111111111111111"));

    if (!l.Ok()) {
        return TErgebnis::Fehler(
            QStringLiteral("%1 [%2]: %3").arg(Dateinamen::GeraeteDatei, name, l.Fehler()));
    }
    geraet = std::move(g);
    return {};
}

void GeraeteLaden(TShellKontext& app, TGeraet& aktuell) {
    GeraeteListeLesen(app, app.AppConst.GeraeteListe);
    const TErgebnis e = GeraetLesen(app, app.AppConst.Geraet, aktuell);
    if (!e.Meldung.isEmpty()) {
        app.Nachricht(Meldung::Allgemein, e.Meldung);
    }
}
