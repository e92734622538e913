// orvan-cli's device commands against orvan-sim: the same runs without windows.
#include "TSimProzess.h"
#include "TTestHeim.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString Arg(const char* a) {
    return QString::fromUtf8(a);
}

struct TCliErgebnis {
    int Code = -1;
    QString Aus;
    QString Fehler;
};

// A program directory with TypA selected, and orvan-cli run in it against the simulator.
class SimCli : public ::testing::Test {
protected:
    void SetUp() override {
        Heim.Schreiben(Heim.Pfad(Arg("Config/ORVANUser.cfg")), "[Hardware]\nGeraet=TypA\n");
        QFile::copy(Arg(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"),
                    Heim.Pfad(Arg("Config/Sprache.cfg")));
    }
    void Starten(const QStringList& argumente) {
        Sim = std::make_unique<TSimProzess>(Heim.Heim(), Arg("TypA"), Heim.Pfad(Arg("tty")),
                                            argumente);
        ASSERT_TRUE(Sim->Bereit());
    }
    TCliErgebnis Cli(const QStringList& argumente, bool ja = false) {
        QProcess p;
        QStringList a = {Arg("--home"), Heim.Heim(), Arg("--port"), Sim->Link()};
        if (ja) {
            a << Arg("--yes");
        }
        p.start(Arg(ORVAN_BIN_DIR "/orvan-cli"), a + argumente);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    TTestHeim Heim;
    std::unique_ptr<TSimProzess> Sim;
};

TEST_F(SimCli, ReadPrintsTheReceivedFileInTheDataDirectory) {
    const QByteArray messung = Heim.Messdatei(20000);
    Heim.Schreiben(Heim.Pfad(Arg("m.ome")), messung);
    Starten({Arg("--data"), Heim.Pfad(Arg("m.ome"))});
    const TCliErgebnis r = Cli({Arg("read"), Arg("/nowhere/neu.ome")});
    EXPECT_EQ(r.Code, 0) << r.Fehler.toStdString();
    EXPECT_EQ(r.Aus.trimmed(), Heim.DatenPfad() + Arg("neu.ome"));
    EXPECT_TRUE(r.Fehler.contains(Arg("status: Anzahl zu übertragende Bytes: ") +
                                  QString::number(messung.size())));
    EXPECT_TRUE(r.Fehler.contains(Arg("status: ...Empfang X-Modem Ende")));
    Heim.GleicheMessung(Heim.Pfad(Arg("m.ome")), Heim.DatenPfad() + Arg("neu.ome"));
}

TEST_F(SimCli, StatusClockAndMemory) {
    Starten({Arg("--status"), Arg("05"), Arg("--clock"), Arg("12:30:45 24.12.02"), Arg("--dot-ms"),
             Arg("100"), Arg("--clear-ms"), Arg("400")});
    EXPECT_EQ(Cli({Arg("status")}).Aus.trimmed(), Arg("5"));
    EXPECT_TRUE(Cli({Arg("clock-read")}).Aus.startsWith(Arg("24.12.2002 12:30:4")));
    const TCliErgebnis test = Cli({Arg("memtest")});
    EXPECT_EQ(test.Code, 0);
    EXPECT_TRUE(test.Fehler.contains(Arg("status: Gerätespeicher ist belegt")));
    EXPECT_EQ(Cli({Arg("clear")}).Aus.trimmed(), Arg("True"));
    EXPECT_TRUE(Cli({Arg("memtest")}).Fehler.contains(Arg("status: Gerätespeicher ist leer")));
    EXPECT_EQ(Cli({Arg("raw"), Arg("x")}).Aus.trimmed(), Arg("S077,x\\r\\n"));
}

TEST_F(SimCli, SilentInstrumentExitsWithFourAndMessage17) {
    Starten({Arg("--fault"), Arg("no-echo")});
    const TCliErgebnis r = Cli({Arg("read"), Arg("x.ome")});
    EXPECT_EQ(r.Code, 4);
    EXPECT_TRUE(r.Fehler.contains(Arg("message 17: ")));
    EXPECT_TRUE(r.Fehler.contains(Arg("status: Protokollfehler: Kein Echo vom Gerät")));
    EXPECT_TRUE(r.Fehler.contains(Arg("message 25: ")));
    EXPECT_FALSE(QFile::exists(Heim.DatenPfad() + Arg("x.ome")));
}

TEST_F(SimCli, SendJobAnswersTheQuestionsWithYes) {
    // A job file of the measurement's header.
    const QString messung = Heim.Pfad(Arg("m.ome"));
    Heim.Schreiben(messung, Heim.Messdatei(2000));
    TMessDatei auftrag;
    ASSERT_TRUE(MessDateiPruefen(Heim.App, messung, Heim.App.ArbeitsDatei));
    ASSERT_TRUE(MessDateiLesen(Heim.App, messung, true, auftrag));
    const QString job = Heim.Pfad(Arg("job.oor"));
    ASSERT_TRUE(MessDateiSchreiben(job, true, auftrag));
    Starten({Arg("--status"), Arg("01")});
    const TCliErgebnis r = Cli({Arg("send-job"), job}, true);
    EXPECT_EQ(r.Code, 0) << r.Fehler.toStdString();
    EXPECT_TRUE(r.Fehler.contains(Arg("message 33: "))) << r.Fehler.toStdString();
    EXPECT_TRUE(r.Fehler.contains(Arg("status: Auftrag an Gerät senden...")));
    EXPECT_TRUE(r.Fehler.trimmed().endsWith(Arg("status: Befehlsausführung in Ordnung")))
        << r.Fehler.toStdString();
    EXPECT_TRUE(Sim->Meldungen().contains(Arg("job of ")));
}

} // namespace
