#include "device/GeraetBefehl.h"

#include "device/TGeraetLauf.h"
#include "shell/TAnwendung.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool gLaufAktiv = false;
} // namespace

bool GeraetBefehl(TAnwendung& app, const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen) {
    if (gLaufAktiv) {
        return false; // one run at a time: the port is taken
    }
    gLaufAktiv = true;
    bool ok = false;
    {
        TGeraetLauf lauf(app, geraet, dialogZeigen, autoSchliessen);
        ok = lauf.Ausfuehren(befehl, parameter);
    }
    gLaufAktiv = false;
    return ok;
}

QString EmpfangsPfad(const TAnwendung& app, const QString& datei) {
    return QDir(app.AppConst.DatenPfad).filePath(QFileInfo(datei).fileName());
}

std::optional<QString> GeraetDatenLesen(TAnwendung& app, const QString& datei) {
    QString parameter = datei;
    const QString ziel = EmpfangsPfad(app, datei);
    const QDateTime vorher = QFileInfo(ziel).lastModified();
    if (!GeraetBefehl(app, app.AktuellesGeraet.DatenLesenBefehl, parameter, app.AktuellesGeraet,
                      true, true)) {
        return std::nullopt;
    }
    // A run that ended without a finished transfer (cancelled before it began) left no new
    // file: the old one must not pass for the read-out.
    const QFileInfo info(ziel);
    if (!info.exists() || (vorher.isValid() && info.lastModified() == vorher)) {
        return std::nullopt;
    }
    return ziel;
}

void GeraetBefehlEinrichten(TAnwendung& app) {
    app.DatenAusGeraetLesen = [](TAnwendung& a, const QString& datei) {
        return GeraetDatenLesen(a, datei);
    };
}
