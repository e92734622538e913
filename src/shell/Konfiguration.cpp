#include "shell/Konfiguration.h"
#include "shell/ZuletztGeoeffnet.h"

#include "shell/HilfeSeite.h"

#include "shell/Einheiten.h"
#include "shell/KommaText.h"
#include "shell/Meldungen.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

#include <QDir>

namespace {

const QString kAllgemein = QStringLiteral("Allgemein");
const QString kEinheiten = QStringLiteral("Einheiten");
const QString kHardware = QStringLiteral("Hardware");

// The window keys, shared by the complete write and by FensterPositionSpeichern.
struct TFensterSchluessel {
    const char* Schluessel;
    int TAppConst::*Zahl;
    bool TAppConst::*Schalter;
};
constexpr TFensterSchluessel kHauptfenster[] = {
    {"Links", &TAppConst::Links, nullptr},         {"Oben", &TAppConst::Oben, nullptr},
    {"Hoehe", &TAppConst::Hoehe, nullptr},         {"Breite", &TAppConst::Breite, nullptr},
    {"Maximiert", nullptr, &TAppConst::Maximiert},
};
constexpr TFensterSchluessel kGraphfenster[] = {
    {"Fenster Links", &TAppConst::FensterLinks, nullptr},
    {"Fenster Oben", &TAppConst::FensterOben, nullptr},
    {"Fenster Hoehe", &TAppConst::FensterHoehe, nullptr},
    {"Fenster Breite", &TAppConst::FensterBreite, nullptr},
    {"Fenster Maximiert", nullptr, &TAppConst::FensterMaximiert},
    {"Fenster Statistik", nullptr, &TAppConst::FensterStatistik},
};

template <size_t N>
void FensterLesen(const TIniDatei& ini, TAppConst& a, const TFensterSchluessel (&liste)[N]) {
    const TAppConst vorgaben;
    for (const auto& s : liste) {
        const QString key = QLatin1String(s.Schluessel);
        if (s.Zahl) {
            a.*s.Zahl = ini.LiesGanzzahl(kAllgemein, key, vorgaben.*s.Zahl);
        } else {
            a.*s.Schalter = ini.LiesBool(kAllgemein, key, vorgaben.*s.Schalter);
        }
    }
}

template <size_t N>
void FensterSchreiben(TIniDatei& ini, const TAppConst& a, const TFensterSchluessel (&liste)[N]) {
    for (const auto& s : liste) {
        const QString key = QLatin1String(s.Schluessel);
        if (s.Zahl) {
            ini.SchreibeGanzzahl(kAllgemein, key, a.*s.Zahl);
        } else {
            ini.SchreibeBool(kAllgemein, key, a.*s.Schalter);
        }
    }
}

void EinheitenLesen(const TIniDatei& ini, TAppConst& a) {
    for (const QString& name : ini.Schluessel(kEinheiten)) {
        const bool bekannt = std::any_of(a.Einheiten.cbegin(), a.Einheiten.cend(),
                                         [&](const TEinheiten& e) { return e.Name == name; });
        if (bekannt) {
            continue;
        }
        // A damaged entry is kept with defaults for what cannot be read, so that the next
        // complete write does not silently drop the user's unit.
        const QStringList felder = KommaTextZerlegen(ini.LiesText(kEinheiten, name, QString()));
        TEinheiten e;
        e.Name = name;
        e.Zeichen = felder.value(0);
        e.Faktor = Zahlen::GleitzahlLesen(felder.value(1)).value_or(1.0);
        e.Offset = Zahlen::GleitzahlLesen(felder.value(2)).value_or(0.0);
        e.Bezug = felder.value(3);
        a.Einheiten.append(e);
    }
}

bool Speichern(TShellKontext& app, const TIniDatei& ini) {
    const TErgebnis e = ini.Speichern();
    if (e) {
        return true;
    }
    // The reason goes with the name: a full disk needs another remedy than a missing right.
    app.Nachricht(Meldung::DateiNichtAnlegbar,
                  QDir::toNativeSeparators(ini.Pfad()) + QChar(13) + e.Meldung);
    return false;
}

void LesefehlerMelden(TShellKontext& app, const TIniDatei& ini) {
    if (!ini.Lesefehler().isEmpty()) {
        app.Nachricht(Meldung::Allgemein, ini.Pfad() + QStringLiteral(": ") + ini.Lesefehler());
    }
}

} // namespace

void AppConstLesen(const TIniDatei& ini, TAppConst& a) {
    const TAppConst v; // fixed defaults
    auto text = [&](const char* key, const QString& vorgabe) {
        return ini.LiesText(kAllgemein, QLatin1String(key), vorgabe);
    };
    a.DatenPfad = text("Daten-Pfad", a.DatenPfad);
    a.HilfePfad = text("Hilfe-Pfad", a.HilfePfad);
    a.KonfigurationsPfad = text("Konfigurations-Pfad", a.KonfigurationsPfad);
    a.FirmenName = text("Firmen-Name", v.FirmenName);
    a.Abteilung = text("Abteilung", v.Abteilung);
    a.Benutzer = text("Benutzer", v.Benutzer);
    a.LogFile = ini.LiesBool(kAllgemein, QStringLiteral("LogFile"), v.LogFile);
    a.AlteFileDialoge =
        ini.LiesBool(kAllgemein, QStringLiteral("Alte File-Dialoge"), v.AlteFileDialoge);
    FensterLesen(ini, a, kHauptfenster);
    FensterLesen(ini, a, kGraphfenster);
    a.ZeitformatKurz = text("Zeitformat kurz", v.ZeitformatKurz);
    a.ZeitformatLang = text("Zeitformat lang", v.ZeitformatLang);
    a.DatumsformatKurz = text("Datumsformat kurz", v.DatumsformatKurz);
    a.DatumsformatLang = text("Datumsformat lang", v.DatumsformatLang);
    a.ZeitDatumsformat = text("Zeit/Datumsformat", v.ZeitDatumsformat);
    a.Dezimaltrenner = text("Dezimaltrenner", v.Dezimaltrenner);
    a.Sprache = text("Sprache", v.Sprache);
    a.DialogOptionen = ofHideReadOnly | (a.AlteFileDialoge ? ofOldStyleDialog : 0);

    a.SeriellePortNr =
        ini.LiesGanzzahl(kHardware, QStringLiteral("Serielle Port-Nr."), v.SeriellePortNr);
    a.Geraet = ini.LiesText(kHardware, QStringLiteral("Geraet"), v.Geraet);
    for (const QString& key : ini.Schluessel(kHardware)) {
        if (const auto nr = PortNummer(key)) {
            a.PortGeraete[*nr] = ini.LiesText(kHardware, key, QString()).trimmed();
        }
    }

    EinheitenLesen(ini, a);
    // Only the user file has the list; the program file read before it leaves it alone.
    if (ZuletztGeoeffnet::Vorhanden(ini)) {
        a.ZuletztGeoeffnet = ZuletztGeoeffnet::Lesen(ini);
    }
}

void AppConstLesen(const QString& verzeichnis, const QString& datei, TAppConst& ziel) {
    AppConstLesen(TIniDatei(verzeichnis + datei), ziel);
}

void AppConstSchreiben(TIniDatei& ini, const TAppConst& a) {
    auto text = [&](const char* key, const QString& wert) {
        ini.SchreibeText(kAllgemein, QLatin1String(key), wert);
    };
    text("Daten-Pfad", a.DatenPfad);
    text("Hilfe-Pfad", a.HilfePfad);
    text("Konfigurations-Pfad", a.KonfigurationsPfad);
    text("Firmen-Name", a.FirmenName);
    text("Abteilung", a.Abteilung);
    text("Benutzer", a.Benutzer);
    ini.SchreibeBool(kAllgemein, QStringLiteral("LogFile"), a.LogFile);
    ini.SchreibeBool(kAllgemein, QStringLiteral("Alte File-Dialoge"), a.AlteFileDialoge);
    FensterSchreiben(ini, a, kHauptfenster);
    FensterSchreiben(ini, a, kGraphfenster);
    text("Zeitformat kurz", a.ZeitformatKurz);
    text("Zeitformat lang", a.ZeitformatLang);
    text("Datumsformat kurz", a.DatumsformatKurz);
    text("Datumsformat lang", a.DatumsformatLang);
    text("Zeit/Datumsformat", a.ZeitDatumsformat);
    text("Dezimaltrenner", a.Dezimaltrenner);
    text("Sprache", a.Sprache);
    if (!a.ZuletztGeoeffnet.isEmpty() || ZuletztGeoeffnet::Vorhanden(ini)) {
        ZuletztGeoeffnet::Schreiben(ini, a.ZuletztGeoeffnet);
    }

    ini.AbschnittLoeschen(kEinheiten);
    for (const TEinheiten& e : a.Einheiten) {
        ini.SchreibeText(kEinheiten, e.Name, EinheitWertText(e));
    }

    ini.SchreibeGanzzahl(kHardware, QStringLiteral("Serielle Port-Nr."), a.SeriellePortNr);
    ini.SchreibeText(kHardware, QStringLiteral("Geraet"), a.Geraet);
    // Every "ComN" key stands for an entry of the list: one that was removed goes.
    for (const QString& key : ini.Schluessel(kHardware)) {
        if (const auto nr = PortNummer(key); nr && a.PortGeraete.value(*nr).isEmpty()) {
            ini.SchluesselLoeschen(kHardware, key);
        }
    }
    for (auto it = a.PortGeraete.cbegin(); it != a.PortGeraete.cend(); ++it) {
        if (!it.value().isEmpty()) {
            ini.SchreibeText(kHardware, PortSchluessel(it.key()), it.value());
        }
    }
}

QString PortSchluessel(int nr) {
    return QStringLiteral("Com%1").arg(nr);
}

std::optional<int> PortNummer(const QString& schluessel) {
    if (schluessel.size() < 4 ||
        !schluessel.startsWith(QStringLiteral("Com"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    bool ok = false;
    const int nr = schluessel.mid(3).toInt(&ok);
    return ok && nr > 0 && schluessel.mid(3) == QString::number(nr) ? std::optional<int>(nr)
                                                                    : std::nullopt;
}

QString PortGeraet(const TAppConst& a, int nr) {
    const QString eingetragen = a.PortGeraete.value(nr);
    return !eingetragen.isEmpty() ? eingetragen
                                  : QStringLiteral("/dev/ttyS%1").arg(std::max(nr - 1, 0));
}

TIniDatei KonfigurationLesen(TShellKontext& app, const QString& verzeichnis, const QString& datei) {
    TIniDatei ini(verzeichnis + datei);
    LesefehlerMelden(app, ini);
    AppConstLesen(ini, app.AppConst);
    app.HilfeDatei = HilfeSeite::Datei(app.AppConst.HilfePfad, app.AppConst.Sprache);
    return ini;
}

bool KonfigVerzeichnisAnlegen(TShellKontext& app, const QString& verzeichnis) {
    if (!QDir().mkpath(verzeichnis)) {
        app.Nachricht(Meldung::KonfigurationNichtAnlegbar, verzeichnis);
        return false;
    }
    return true;
}

bool KonfigDateiSpeichern(TShellKontext& app, const TIniDatei& ini) {
    return Speichern(app, ini);
}

bool KonfigurationSchreiben(TShellKontext& app, const QString& verzeichnis, const QString& datei) {
    if (!KonfigVerzeichnisAnlegen(app, verzeichnis)) {
        return false;
    }
    TIniDatei ini(verzeichnis + datei);
    AppConstSchreiben(ini, app.AppConst);
    return Speichern(app, ini);
}

bool KonfigPfadSpeichern(TShellKontext& app) {
    const TAppConst& a = app.AppConst;
    TIniDatei ini(a.PrgKonfigPfad + a.PrgKonfigDatei);
    ini.SchreibeText(kAllgemein, QStringLiteral("Konfigurations-Pfad"), a.KonfigurationsPfad);
    return Speichern(app, ini);
}

bool FensterPositionSpeichern(TShellKontext& app) {
    const TAppConst& a = app.AppConst;
    TIniDatei ini(a.KonfigurationsPfad + a.UserKonfigDatei);
    FensterSchreiben(ini, a, kHauptfenster);
    FensterSchreiben(ini, a, kGraphfenster);
    ini.SchreibeText(kAllgemein, QStringLiteral("Sprache"), a.Sprache);
    return Speichern(app, ini);
}
