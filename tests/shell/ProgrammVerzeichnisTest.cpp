// Where the program keeps its configuration and data: in a program directory of its own as
// long as it may write there, in the user's XDG directories for an installed copy.
#include "shell/ProgrammStart.h"
#include "shell/TAppConst.h"

#include "TestHilfen.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// An installation under a temporary prefix (bin/ and share/orvan/Config) and an XDG home.
struct TInstallation {
    QTemporaryDir Wurzel;
    QByteArray AltConfig = qgetenv("XDG_CONFIG_HOME");
    QByteArray AltData = qgetenv("XDG_DATA_HOME");

    TInstallation() {
        QDir(Wurzel.path()).mkpath(QStringLiteral("usr/bin"));
        QDir(Wurzel.path()).mkpath(QStringLiteral("usr/share/orvan/Config"));
        DateiSchreiben(Pfad("usr/share/orvan/Config/Sprache.cfg"), "[Deutsch]\n");
        DateiSchreiben(Pfad("usr/share/orvan/Config/Geraete.cfg"), "[D]\n");
        qputenv("XDG_CONFIG_HOME", Pfad("home/config").toUtf8());
        qputenv("XDG_DATA_HOME", Pfad("home/data").toUtf8());
    }
    ~TInstallation() {
        qputenv("XDG_CONFIG_HOME", AltConfig);
        qputenv("XDG_DATA_HOME", AltData);
    }
    QString Pfad(const char* relativ) const {
        return Wurzel.path() + u'/' + QLatin1String(relativ);
    }
    QString Programm() const { return Pfad("usr/bin/orvan"); }

    // What the start-up derives from the program directory before deciding.
    TAppConst Orte(const QString& programmPfad) const {
        TAppConst a;
        a.ProgrammPfad = programmPfad;
        a.PrgKonfigPfad = programmPfad + Dateinamen::KonfigVerzeichnis;
        a.KonfigurationsPfad = a.PrgKonfigPfad;
        a.DatenPfad = programmPfad + Dateinamen::DatenVerzeichnis;
        return a;
    }
};

} // namespace

TEST(ProgrammVerzeichnis, AnInstalledCopyFindsItsFilesAndKeepsTheUsersInXdgDirectories) {
    TInstallation inst;
    qunsetenv("ORVAN_HOME");
    const QString pfad = ProgrammPfadErmitteln(inst.Programm());
    EXPECT_EQ(pfad, inst.Pfad("usr/share/orvan/"));

    TAppConst a = inst.Orte(pfad);
    EXPECT_TRUE(BenutzerVerzeichnisseVerwenden(a, inst.Programm()));
    EXPECT_EQ(a.PrgKonfigPfad, inst.Pfad("home/config/orvan/"));
    EXPECT_EQ(a.KonfigurationsPfad, inst.Pfad("home/config/orvan/"));
    EXPECT_EQ(a.DatenPfad, inst.Pfad("home/data/orvan/Daten/"));
    EXPECT_TRUE(QFileInfo(a.DatenPfad).isDir());
    // The shipped files are copied, and the copies can be written by the user.
    EXPECT_EQ(DateiLesen(inst.Pfad("home/config/orvan/Sprache.cfg")), "[Deutsch]\n");
    EXPECT_TRUE(QFileInfo(inst.Pfad("home/config/orvan/Geraete.cfg")).isWritable());

    // A copy the user changed is kept on the next start.
    DateiSchreiben(inst.Pfad("home/config/orvan/Sprache.cfg"), "[Eigene]\n");
    TAppConst b = inst.Orte(pfad);
    EXPECT_TRUE(BenutzerVerzeichnisseVerwenden(b, inst.Programm()));
    EXPECT_EQ(DateiLesen(inst.Pfad("home/config/orvan/Sprache.cfg")), "[Eigene]\n");
}

TEST(ProgrammVerzeichnis, AWritableProgramDirectoryOfItsOwnWorksAsBefore) {
    TInstallation inst;
    // The build tree: the executable's own directory holds Config/.
    QDir(inst.Pfad("build/bin")).mkpath(QStringLiteral("Config"));
    const QString programm = inst.Pfad("build/bin/orvan");
    qunsetenv("ORVAN_HOME");
    const QString pfad = ProgrammPfadErmitteln(programm);
    EXPECT_EQ(pfad, inst.Pfad("build/bin/"));
    TAppConst a = inst.Orte(pfad);
    const TAppConst vorher = a;
    EXPECT_FALSE(BenutzerVerzeichnisseVerwenden(a, programm));
    EXPECT_EQ(a.PrgKonfigPfad, vorher.PrgKonfigPfad);
    EXPECT_EQ(a.DatenPfad, vorher.DatenPfad);
    EXPECT_FALSE(QFileInfo::exists(inst.Pfad("home/config/orvan")));

    // ORVAN_HOME names the program directory, also one without Config/ yet.
    qputenv("ORVAN_HOME", inst.Pfad("eigen").toUtf8());
    QDir().mkpath(inst.Pfad("eigen"));
    EXPECT_EQ(ProgrammPfadErmitteln(inst.Programm()), inst.Pfad("eigen/"));
    TAppConst b = inst.Orte(inst.Pfad("eigen/"));
    EXPECT_FALSE(BenutzerVerzeichnisseVerwenden(b, inst.Programm()));
    qunsetenv("ORVAN_HOME");
}
