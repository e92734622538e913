#include "shell/ProgrammStart.h"

#include "shell/HilfeSeite.h"
#include "shell/Meldungen.h"
#include "shell/TShellKontext.h"
#include "shell/VersionsInfo.h"
#include "shell/Verzeichnis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The shipped files of an installed copy: the data directory of the installation as seen
// from its bin directory (set by the build, "../share/orvan" for the usual layout).
QString InstallierterPfad(const QString& programmDatei) {
    QString pfad = QDir::cleanPath(QFileInfo(programmDatei).absolutePath() +
                                   QStringLiteral("/" ORVAN_INSTALLIERTE_DATEN));
    Verzeichnis::BackslashAnhaengen(pfad);
    return pfad;
}

bool Beschreibbar(const QString& verzeichnis) {
    const QFileInfo info(verzeichnis);
    return info.isDir() && info.isWritable();
}

// The user's own directory of kind `art`, for all three programs alike.
QString XdgVerzeichnis(QStandardPaths::StandardLocation art) {
    QString pfad = QStandardPaths::writableLocation(art) + QStringLiteral("/orvan");
    Verzeichnis::BackslashAnhaengen(pfad);
    return pfad;
}

} // namespace

QString ProgrammPfadErmitteln(const QString& programmDatei) {
    QString pfad = qEnvironmentVariable("ORVAN_HOME");
    if (pfad.isEmpty()) {
        pfad = QFileInfo(programmDatei).absolutePath();
        // An installed program finds its shipped files beside the bin directory.
        const QString installiert = InstallierterPfad(programmDatei);
        if (!QFileInfo(pfad + QStringLiteral("/") + Dateinamen::KonfigVerzeichnis).isDir() &&
            QFileInfo(installiert + Dateinamen::KonfigVerzeichnis).isDir()) {
            pfad = installiert;
        }
    }
    pfad = QDir::cleanPath(QDir(pfad).absolutePath());
    Verzeichnis::BackslashAnhaengen(pfad);
    return pfad;
}

bool BenutzerVerzeichnisseVerwenden(TAppConst& a, const QString& programmDatei) {
    // A program directory of its own (the build tree, ORVAN_HOME, an unpacked copy) keeps
    // everything in its Config/ and Daten/ as long as the program may write there. The
    // installed files are never written, whatever the rights of the user.
    const bool installiert = a.ProgrammPfad == InstallierterPfad(programmDatei);
    const bool eigenesVerzeichnis = QFileInfo(a.PrgKonfigPfad).exists()
                                        ? Beschreibbar(a.PrgKonfigPfad)
                                        : Beschreibbar(a.ProgrammPfad);
    if (!installiert && eigenesVerzeichnis) {
        return false;
    }
    // Otherwise the configuration goes to the user's configuration directory, which starts as
    // a copy of the shipped one, and the data to the user's data directory. The help stays
    // where it was installed.
    const QString versandt = a.PrgKonfigPfad;
    const QString eigen = XdgVerzeichnis(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(eigen);
    const QStringList dateien = QDir(versandt).entryList(QDir::Files);
    for (const QString& datei : dateien) {
        if (!QFileInfo::exists(eigen + datei)) {
            QFile::copy(versandt + datei, eigen + datei);
            // The copy belongs to the user: writable even when the shipped file was not.
            QFile(eigen + datei)
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                QFile::ReadOther);
        }
    }
    a.PrgKonfigPfad = eigen;
    a.KonfigurationsPfad = eigen;
    a.DatenPfad =
        XdgVerzeichnis(QStandardPaths::GenericDataLocation) + Dateinamen::DatenVerzeichnis;
    QDir().mkpath(a.DatenPfad);
    return true;
}

void ProgrammDatenSetzen(TShellKontext& app, const QString& programmDatei,
                         const QString& programmPfad) {
    TAppConst& a = app.AppConst;

    // Numbers are always converted with "." and two-digit years always lie in the current
    // century; the conversion routines of the program do both by themselves.

    QStringList version;
    if (!VersionsInfoLesen(programmDatei, version)) {
        app.Nachricht(Meldung::DateiEigenschaftenFehlen);
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
    BenutzerVerzeichnisseVerwenden(a, programmDatei);

    app.Titel = a.InternerName;
    app.IconPfad = a.ProgrammPfad + a.IconDatei;
    app.HilfeDatei = HilfeSeite::Datei(a.HilfePfad, a.Sprache);
}
