// orvan-cli's device commands against orvan-sim: the same runs without windows.
#include "TSimProzess.h"
#include "TTestHeim.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessDateiSchreiber.h"

#include <QFile>
#include <QFileInfo>
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

namespace {

// A job file of the test measurement's header, as the job dialog writes it.
QString JobDatei(TTestHeim& heim) {
    const QString messung = heim.Pfad(Arg("m.ome"));
    heim.Schreiben(messung, heim.Messdatei(4000));
    TMessDatei auftrag;
    EXPECT_TRUE(MessDateiPruefen(heim.App, messung, heim.App.ArbeitsDatei));
    EXPECT_TRUE(MessDateiLesen(heim.App, messung, true, auftrag));
    const QString job = heim.Pfad(Arg("job.oor"));
    EXPECT_TRUE(MessDateiSchreiben(job, true, auftrag));
    return job;
}

TEST_F(SimCli, GarbledRepliesFailTheCommandAndSayWhatArrived) {
    const QString job = JobDatei(Heim);
    Starten({Arg("--fault"), Arg("garble")});
    const QList<QStringList> befehle = {
        {Arg("status")},        {Arg("clock-read")},
        {Arg("reset")},         {Arg("clock-set"), Arg("12:00:00 01.02.03")},
        {Arg("raw"), Arg("x")}, {Arg("send-job"), job}};
    for (const QStringList& befehl : befehle) {
        SCOPED_TRACE(befehl.join(u' ').toStdString());
        const TCliErgebnis r = Cli(befehl, true);
        EXPECT_EQ(r.Code, 4) << r.Fehler.toStdString();
        EXPECT_TRUE(r.Fehler.contains(Arg("message 19: (19) Protokollfehler: ") +
                                      Arg(" Unerwartete Antwort vom Gerät: \"#")))
            << r.Fehler.toStdString();
    }
    EXPECT_FALSE(Sim->Meldungen().contains(Arg("job of ")));
}

// The instrument holds a measurement; --yes answers "read it out first?" and "clear the
// memory?" with Yes. The read-out must land in a complete file before anything is cleared.
TEST_F(SimCli, SendJobReadsAStoredMeasurementOutBeforeItClearsTheMemory) {
    const QString job = JobDatei(Heim);
    for (const bool mitName : {false, true}) {
        SCOPED_TRACE(mitName ? "--read-to" : "derived name");
        Starten({Arg("--status"), Arg("04"), Arg("--data"), Heim.Pfad(Arg("m.ome"))});
        QStringList befehl = {Arg("send-job"), job};
        if (mitName) {
            befehl << Arg("--read-to") << Arg("/anderswo/vorher.ome");
        }
        const TCliErgebnis r = Cli(befehl, true);
        EXPECT_EQ(r.Code, 0) << r.Fehler.toStdString();
        EXPECT_TRUE(r.Fehler.contains(Arg("message 34: "))) << r.Fehler.toStdString();
        const qsizetype stelle = r.Fehler.indexOf(Arg("read-out: ") + Heim.DatenPfad());
        ASSERT_GE(stelle, 0) << r.Fehler.toStdString();
        const QString datei = r.Fehler.mid(stelle + 10).section(u'\n', 0, 0).trimmed();
        if (mitName) {
            EXPECT_EQ(datei, Heim.DatenPfad() + Arg("vorher.ome"));
        } else {
            EXPECT_TRUE(QFileInfo(datei).fileName().startsWith(Arg("Auslesen_")))
                << datei.toStdString();
        }
        Heim.GleicheMessung(Heim.Pfad(Arg("m.ome")), datei);
        const QString log = Sim->Meldungen();
        EXPECT_LT(log.indexOf(Arg("read data")), log.indexOf(Arg("clear memory")))
            << log.toStdString();
        EXPECT_GE(log.indexOf(Arg("read data")), 0) << log.toStdString();
        Sim.reset();
    }
}

TEST_F(SimCli, SendJobClearsNothingWhenTheReadOutFails) {
    const QString job = JobDatei(Heim);
    Starten({Arg("--status"), Arg("04"), Arg("--data"), Heim.Pfad(Arg("m.ome")), Arg("--fault"),
             Arg("stall")});
    const TCliErgebnis r = Cli({Arg("send-job"), job}, true);
    EXPECT_EQ(r.Code, 4) << r.Fehler.toStdString();
    EXPECT_FALSE(r.Fehler.contains(Arg("message 24: "))) << r.Fehler.toStdString();
    EXPECT_FALSE(Sim->Meldungen().contains(Arg("clear memory"))) << Sim->Meldungen().toStdString();
    EXPECT_FALSE(Sim->Meldungen().contains(Arg("job of ")));
    EXPECT_TRUE(r.Fehler.contains(Arg("incomplete: ") + Heim.DatenPfad()))
        << r.Fehler.toStdString();
}

// Whatever cuts a read-out short, what arrived is kept under a name of its own, the target
// name stays free, and the part reads as a measurement whose data part is short (message 40).
TEST_F(SimCli, InterruptedReadOutKeepsWhatArrivedUnderANameOfItsOwn) {
    Heim.Schreiben(Heim.Pfad(Arg("m.ome")), Heim.Messdatei(20000));
    for (const char* fehler : {"stall", "hangup", "cancel"}) {
        SCOPED_TRACE(fehler);
        Starten({Arg("--data"), Heim.Pfad(Arg("m.ome")), Arg("--fault"), Arg(fehler)});
        const TCliErgebnis r = Cli({Arg("read"), Arg("R.ome")});
        EXPECT_EQ(r.Code, 4) << r.Fehler.toStdString();
        EXPECT_TRUE(r.Aus.trimmed().isEmpty()) << "no path of a complete file";
        EXPECT_FALSE(QFile::exists(Heim.DatenPfad() + Arg("R.ome")));
        const QString teil = Heim.DatenPfad() + Arg("R_unvollstaendig.ome");
        EXPECT_TRUE(r.Fehler.contains(Arg("incomplete: ") + teil)) << r.Fehler.toStdString();
        ASSERT_TRUE(QFile::exists(teil));
        const QByteArray angekommen = Heim.Lesen(teil);
        EXPECT_GT(angekommen.size(), 0);
        EXPECT_LT(angekommen.size(), Heim.Lesen(Heim.Pfad(Arg("m.ome"))).size());
        EXPECT_TRUE(Heim.Lesen(Heim.Pfad(Arg("m.ome"))).startsWith(angekommen));
        TMessDatei d;
        Heim.Benutzer.Gezeigt.clear();
        ASSERT_TRUE(MessDateiPruefen(Heim.App, teil, Heim.App.ArbeitsDatei));
        EXPECT_TRUE(MessDateiLesen(Heim.App, teil, false, d));
        EXPECT_TRUE(Heim.Benutzer.Nummern().contains(40));
        QFile::remove(teil);
        Sim.reset();
    }
}

TEST_F(SimCli, MissingSerialDeviceIsNotCalledBusy) {
    QProcess p;
    p.start(Arg(ORVAN_BIN_DIR "/orvan-cli"), {Arg("--home"), Heim.Heim(), Arg("--port"),
                                              Heim.Pfad(Arg("gibtsnicht")), Arg("status")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString fehler = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 4);
    EXPECT_FALSE(fehler.contains(Arg("message 18: "))) << fehler.toStdString();
    EXPECT_TRUE(fehler.contains(Arg("message 0: "))) << fehler.toStdString();
    EXPECT_TRUE(fehler.contains(Arg("gibt es nicht"))) << fehler.toStdString();
    EXPECT_TRUE(fehler.contains(Arg("(") + Heim.Pfad(Arg("gibtsnicht")) + Arg(")")))
        << fehler.toStdString();
}

} // namespace
