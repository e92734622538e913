// The write-fault table: every kind of file the program writes, against every way a write can
// fail. For each row: orvan-cli reports the failure (message or error line, non-zero exit
// where the command itself failed), and what was there before is still there, byte for byte
// (or still the directory, FIFO or device it was). A full disk and a read-only directory come
// from the fault injector loaded with LD_PRELOAD, so the test needs neither root nor a mount.
#include "TSimProzess.h"
#include "TTestHeim.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QString Arg(const char* a) {
    return QString::fromUtf8(a);
}

enum class TFehler { Voll, NurLesen, Verzeichnis, Fifo, Geraet };
enum class TArt { Konfiguration, Graph, Auftrag, Export, Empfang, Protokoll };

const char* Name(TFehler f) {
    switch (f) {
    case TFehler::Voll:
        return "FullDisk";
    case TFehler::NurLesen:
        return "ReadOnlyDirectory";
    case TFehler::Verzeichnis:
        return "TargetIsADirectory";
    case TFehler::Fifo:
        return "TargetIsAFifo";
    case TFehler::Geraet:
        return "TargetIsADevice";
    }
    return "";
}

const char* Name(TArt a) {
    switch (a) {
    case TArt::Konfiguration:
        return "Configuration";
    case TArt::Graph:
        return "Graph";
    case TArt::Auftrag:
        return "Job";
    case TArt::Export:
        return "Export";
    case TArt::Empfang:
        return "ReceivedData";
    case TArt::Protokoll:
        return "TraceLog";
    }
    return "";
}

struct TErgebnis {
    int Code = -1;
    QString Aus;
    QString Fehler;
};

const QByteArray kAlt = "der alte Inhalt, der bleiben muss\r\n";

class Schreibfehler : public ::testing::TestWithParam<std::tuple<TArt, TFehler>> {
protected:
    void SetUp() override {
        Heim.Schreiben(Heim.Pfad(Arg("Config/ORVANUser.cfg")),
                       "[Allgemein]\nLogFile=1\n[Hardware]\nGeraet=TypA\n");
        // Small, so that every file stays below the 16 KB buffer that once hid a failed write.
        Heim.Schreiben(Heim.Pfad(Arg("m.ome")), Heim.Messdatei(300));
        Heim.Schreiben(Heim.Pfad(Arg("Daten/.keep")), "");
        // The inputs: a graph file, a job as JSON; all files of the start-up already there.
        ASSERT_EQ(
            Cli({Arg("graph"), Heim.Pfad(Arg("m.ome")), Arg("--out"), Heim.Pfad(Arg("G.ogr"))})
                .Code,
            0);
        const TErgebnis dump = Cli({Arg("dump"), Heim.Pfad(Arg("m.ome")), Arg("--job")});
        ASSERT_EQ(dump.Code, 0) << dump.Fehler.toStdString();
        Heim.Schreiben(Heim.Pfad(Arg("J.json")), dump.Aus.toUtf8());
    }

    TErgebnis Cli(const QStringList& argumente,
                  const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
        QProcess p;
        p.setProcessEnvironment(umgebung);
        QStringList a = {Arg("--home"), Heim.Heim()};
        if (Sim) {
            a << Arg("--port") << Sim->Link();
        }
        p.start(Arg(ORVAN_BIN_DIR "/orvan-cli"), a + argumente);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    TTestHeim Heim;
    std::unique_ptr<TSimProzess> Sim;
};

TEST_P(Schreibfehler, IsReportedAndKeepsWhatWasThere) {
    const auto [art, fehler] = GetParam();
    // The directory the kind writes into, and its target there.
    QString verzeichnis = Heim.Pfad(Arg("ziel"));
    QString ziel;
    QStringList befehl;
    switch (art) {
    case TArt::Konfiguration:
        // The program configuration is written at start-up when it is missing.
        verzeichnis = Heim.Pfad(Arg("Config"));
        ziel = verzeichnis + Arg("/ORVANPrg.cfg");
        QFile::remove(ziel);
        befehl = {Arg("text"), Arg("BefehlOKText")};
        break;
    case TArt::Graph:
        ziel = verzeichnis + Arg("/G.ogr");
        befehl = {Arg("graph"), Heim.Pfad(Arg("m.ome")), Arg("--out"), ziel};
        break;
    case TArt::Auftrag:
        ziel = verzeichnis + Arg("/J.oor");
        befehl = {Arg("write-job"), Heim.Pfad(Arg("J.json")), ziel};
        break;
    case TArt::Export:
        ziel = verzeichnis + Arg("/E.csv");
        befehl = {Arg("export"), Heim.Pfad(Arg("G.ogr")), ziel};
        break;
    case TArt::Empfang:
        verzeichnis = Heim.Pfad(Arg("Daten"));
        ziel = verzeichnis + Arg("/R.ome");
        befehl = {Arg("read"), Arg("R.ome")};
        break;
    case TArt::Protokoll:
        verzeichnis = Heim.Pfad(Arg("Config"));
        ziel = verzeichnis + Arg("/ComTrace.trc");
        befehl = {Arg("status")};
        break;
    }
    QDir().mkpath(verzeichnis);

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    switch (fehler) {
    case TFehler::Voll:
    case TFehler::NurLesen:
        if (art != TArt::Konfiguration) {
            Heim.Schreiben(ziel, kAlt);
        }
        umgebung.insert(Arg("LD_PRELOAD"), Arg(ORVAN_BIN_DIR "/liborvan_schreibfehler.so"));
        umgebung.insert(Arg("ORVAN_FEHLER_PFAD"), QDir::cleanPath(verzeichnis));
        umgebung.insert(Arg("ORVAN_FEHLER_ART"),
                        fehler == TFehler::Voll ? Arg("voll") : Arg("nurlesen"));
        break;
    case TFehler::Verzeichnis:
        ASSERT_TRUE(QDir().mkpath(ziel));
        break;
    case TFehler::Fifo:
        ASSERT_EQ(mkfifo(QFile::encodeName(ziel).constData(), 0644), 0);
        break;
    case TFehler::Geraet:
        if (geteuid() != 0) {
            GTEST_SKIP() << "making a device node needs root";
        }
        // A null device of our own, so nothing outside the test directory is at stake.
        ASSERT_EQ(mknod(QFile::encodeName(ziel).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        break;
    }
    if (art == TArt::Empfang || art == TArt::Protokoll) {
        Sim = std::make_unique<TSimProzess>(Heim.Heim(), Arg("TypA"), Heim.Pfad(Arg("tty")),
                                            QStringList{Arg("--data"), Heim.Pfad(Arg("m.ome"))});
        ASSERT_TRUE(Sim->Bereit());
    }

    const TErgebnis r = Cli(befehl, umgebung);
    const std::string gesehen = "exit " + std::to_string(r.Code) + "\n" + r.Fehler.toStdString();
    std::fprintf(stderr, "[%s x %s] %s\n", Name(art), Name(fehler), gesehen.c_str());

    // What the user saw: a message naming the failure, and no success.
    if (art == TArt::Konfiguration) {
        // The start-up reports the file it could not create and goes on with the defaults.
        EXPECT_TRUE(r.Fehler.contains(Arg("message 29: "))) << gesehen;
    } else {
        EXPECT_NE(r.Code, 0) << gesehen;
        EXPECT_TRUE(r.Fehler.contains(Arg("message 29: ")) ||
                    r.Fehler.contains(Arg("message 19: ")) ||
                    r.Fehler.contains(Arg("cannot write")) ||
                    r.Fehler.contains(Arg("lässt sich nicht schreiben")))
            << gesehen;
    }
    if (art == TArt::Empfang) {
        EXPECT_TRUE(r.Aus.trimmed().isEmpty()) << "no path of a received file: " << gesehen;
    }

    // What was there is still there.
    const QFileInfo info(ziel);
    switch (fehler) {
    case TFehler::Voll:
    case TFehler::NurLesen:
        if (art == TArt::Konfiguration) {
            EXPECT_FALSE(info.exists()) << "no empty or cut configuration file is left";
        } else {
            EXPECT_EQ(Heim.Lesen(ziel), kAlt);
        }
        break;
    case TFehler::Verzeichnis:
        EXPECT_TRUE(info.isDir());
        break;
    case TFehler::Fifo:
    case TFehler::Geraet: {
        struct stat s {};
        ASSERT_EQ(stat(QFile::encodeName(ziel).constData(), &s), 0);
        EXPECT_EQ(fehler == TFehler::Fifo ? S_ISFIFO(s.st_mode) : S_ISCHR(s.st_mode), true)
            << "the node was replaced";
        break;
    }
    }
    // No temporary file is left behind beside the target.
    for (const QString& name : QDir(verzeichnis).entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_FALSE(name.contains(Arg(".XXXXXX")) || name.endsWith(Arg(".tmp")))
            << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Schreibfehler,
    ::testing::Combine(::testing::Values(TArt::Konfiguration, TArt::Graph, TArt::Auftrag,
                                         TArt::Export, TArt::Empfang, TArt::Protokoll),
                       ::testing::Values(TFehler::Voll, TFehler::NurLesen, TFehler::Verzeichnis,
                                         TFehler::Fifo, TFehler::Geraet)),
    [](const auto& info) {
        return std::string(Name(std::get<0>(info.param))) + "_" + Name(std::get<1>(info.param));
    });

} // namespace
