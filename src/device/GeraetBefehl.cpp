#include "device/GeraetBefehl.h"

#include "device/TGeraetLauf.h"
#include "shell/Meldungen.h"
#include "shell/TShellKontext.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool gLaufAktiv = false;
} // namespace

bool GeraetBefehl(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                  const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen, TLaufBericht* bericht) {
    if (gLaufAktiv) {
        return false; // one run at a time: the port is taken
    }
    gLaufAktiv = true;
    bool ok = false;
    {
        TGeraetLauf lauf(app, umgebung, aktuell, geraet, dialogZeigen, autoSchliessen);
        ok = lauf.Ausfuehren(befehl, parameter);
        if (bericht) {
            bericht->Teil = lauf.TeilDatei;
            bericht->Abgebrochen = lauf.Abgebrochen;
        }
    }
    gLaufAktiv = false;
    return ok;
}

QString EmpfangsPfad(const TShellKontext& app, const QString& datei) {
    return QDir(app.AppConst.DatenPfad).filePath(QFileInfo(datei).fileName());
}

TAuslesen GeraetAuslesen(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         const QString& datei) {
    TAuslesen a;
    QString parameter = datei;
    const QString ziel = EmpfangsPfad(app, datei);
    const QDateTime vorher = QFileInfo(ziel).lastModified();
    if (!GeraetBefehl(app, umgebung, aktuell, aktuell.DatenLesenBefehl, parameter, aktuell, true,
                      true, &a.Bericht)) {
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

void AuslesenFehlschlagMelden(TShellKontext& app, const TAuslesen& auslesen) {
    if (!auslesen.Datei && !auslesen.Bericht.Abgebrochen) {
        app.Nachricht(Meldung::MessdateiLesefehler);
    }
}

std::optional<QString> GeraetDatenLesen(TShellKontext& app, TGeraetUmgebung& umgebung,
                                        TGeraet& aktuell, const QString& datei) {
    return GeraetAuslesen(app, umgebung, aktuell, datei).Datei;
}
