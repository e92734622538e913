#include "shell/ProgrammStart.h"

#include "shell/Diverse.h"
#include "shell/TShellKontext.h"
#include "shell/VersionsInfo.h"

#include <QDir>
#include <QFileInfo>

QString ProgrammPfadErmitteln(const QString& programmDatei) {
    QString pfad = qEnvironmentVariable("ORVAN_HOME");
    if (pfad.isEmpty()) {
        pfad = QFileInfo(programmDatei).absolutePath();
    }
    pfad = QDir::cleanPath(QDir(pfad).absolutePath());
    Diverse::BackslashAnhaengen(pfad);
    return pfad;
}

void ProgrammDatenSetzen(TShellKontext& app, const QString& programmDatei,
                         const QString& programmPfad) {
    TAppConst& a = app.AppConst;

    // Numbers are always converted with "." and two-digit years always lie in the current
    // century; the conversion routines of the program do both by themselves.

    QStringList version;
    if (!VersionsInfoLesen(programmDatei, version)) {
        app.Nachricht(26);
    }
    // Without version information the program still needs its names.
    a.InternerName = version.value(3, QStringLiteral("ORVAN"));
    a.Beschreibung = version.value(1, QStringLiteral("Kurven-Auswertungs-Software"));
    a.IconDatei = Dateinamen::IconDatei;
    a.ProgrammPfad = programmPfad;
    VersionLesen(QStringLiteral("%d.%d%d/%d"), programmDatei, a.Version);

    a.DatenPfad = a.ProgrammPfad + Dateinamen::DatenVerzeichnis;
    a.HilfePfad = a.ProgrammPfad + Dateinamen::HilfeVerzeichnis;
    a.PrgKonfigPfad = a.ProgrammPfad + Dateinamen::KonfigVerzeichnis;
    a.PrgKonfigDatei = a.InternerName + Dateinamen::PrgEndung;
    a.KonfigurationsPfad = a.ProgrammPfad + Dateinamen::KonfigVerzeichnis;
    a.UserKonfigDatei = a.InternerName + Dateinamen::UserEndung;

    app.Titel = a.InternerName;
    app.IconPfad = a.ProgrammPfad + a.IconDatei;
    app.HilfeDatei = a.HilfePfad + Dateinamen::HilfeDatei;
}
