#include "shell/ZuletztGeoeffnet.h"

#include "shell/Konfiguration.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"

#include <QDir>
#include <QFileInfo>

namespace ZuletztGeoeffnet {

namespace {

const QString kAbschnitt = QStringLiteral("Zuletzt");

QString Schluessel(qsizetype nr) {
    return QStringLiteral("Datei%1").arg(nr);
}

QString Vergleichsform(const QString& datei) {
    return QDir::cleanPath(QFileInfo(datei).absoluteFilePath());
}

} // namespace

QStringList Entfernen(const QStringList& liste, const QString& datei) {
    const QString form = Vergleichsform(datei);
    QStringList neu;
    for (const QString& eintrag : liste) {
        if (Vergleichsform(eintrag) != form) {
            neu.append(eintrag);
        }
    }
    return neu;
}

QStringList Eintragen(const QStringList& liste, const QString& datei) {
    QStringList neu = Entfernen(liste, datei);
    neu.prepend(Vergleichsform(datei));
    while (neu.size() > kAnzahl) {
        neu.removeLast();
    }
    return neu;
}

bool Vorhanden(const TIniDatei& ini) {
    return ini.AbschnittVorhanden(kAbschnitt);
}

QStringList Lesen(const TIniDatei& ini) {
    QStringList liste;
    for (qsizetype nr = 1; nr <= kAnzahl; ++nr) {
        const QString datei = ini.LiesText(kAbschnitt, Schluessel(nr), QString()).trimmed();
        if (!datei.isEmpty()) {
            liste.append(datei);
        }
    }
    return liste;
}

void Schreiben(TIniDatei& ini, const QStringList& liste) {
    ini.AbschnittLoeschen(kAbschnitt);
    for (qsizetype i = 0; i < liste.size() && i < kAnzahl; ++i) {
        ini.SchreibeText(kAbschnitt, Schluessel(i + 1), liste[i]);
    }
}

bool Speichern(TShellKontext& app) {
    const TAppConst& a = app.AppConst;
    if (!KonfigVerzeichnisAnlegen(app, a.KonfigurationsPfad)) {
        return false;
    }
    TIniDatei ini(a.KonfigurationsPfad + a.UserKonfigDatei);
    Schreiben(ini, a.ZuletztGeoeffnet);
    return KonfigDateiSpeichern(app, ini);
}

} // namespace ZuletztGeoeffnet
