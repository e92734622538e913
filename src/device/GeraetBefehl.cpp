#include "device/GeraetBefehl.h"

#include "device/TGeraetLauf.h"
#include "shell/TAnwendung.h"
#include "shell/TBenutzer.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool gLaufAktiv = false;

bool Lauf(TAnwendung& app, const QString& befehl, QString& parameter, const TGeraet& geraet,
          bool dialogZeigen, bool autoSchliessen, QString* teil) {
    if (gLaufAktiv) {
        return false; // one run at a time: the port is taken
    }
    gLaufAktiv = true;
    bool ok = false;
    {
        TGeraetLauf lauf(app, geraet, dialogZeigen, autoSchliessen);
        ok = lauf.Ausfuehren(befehl, parameter);
        if (teil) {
            *teil = lauf.TeilDatei;
        }
    }
    gLaufAktiv = false;
    return ok;
}
} // namespace

bool GeraetBefehl(TAnwendung& app, const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen, QString* teil) {
    return Lauf(app, befehl, parameter, geraet, dialogZeigen, autoSchliessen, teil);
}

QString EmpfangsPfad(const TAnwendung& app, const QString& datei) {
    return QDir(app.AppConst.DatenPfad).filePath(QFileInfo(datei).fileName());
}

TAuslesen GeraetAuslesen(TAnwendung& app, const QString& datei) {
    TAuslesen a;
    QString parameter = datei;
    const QString ziel = EmpfangsPfad(app, datei);
    const QDateTime vorher = QFileInfo(ziel).lastModified();
    if (!Lauf(app, app.AktuellesGeraet.DatenLesenBefehl, parameter, app.AktuellesGeraet, true, true,
              &a.Teil)) {
        return a;
    }
    // A run that ended without a finished transfer (cancelled before it began) left no new
    // file: the old one must not pass for the read-out.
    const QFileInfo info(ziel);
    if (!info.exists() || (vorher.isValid() && info.lastModified() == vorher)) {
        return a;
    }
    a.Datei = ziel;
    return a;
}

std::optional<QString> GeraetDatenLesen(TAnwendung& app, const QString& datei) {
    return GeraetAuslesen(app, datei).Datei;
}

void GeraetBefehlEinrichten(TAnwendung& app) {
    app.DatenAusGeraetLesen = [](TAnwendung& a, const QString& datei) -> std::optional<QString> {
        const TAuslesen gelesen = GeraetAuslesen(a, datei);
        if (!gelesen.Datei && !gelesen.Teil.isEmpty() && a.Nachricht(16, gelesen.Teil) == mrYes) {
            return gelesen.Teil;
        }
        return gelesen.Datei;
    };
}
