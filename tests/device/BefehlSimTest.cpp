// Every command against orvan-sim on a pseudo-terminal, with the progress display and
// without, as the GUI, the settings dialog and orvan-cli run them.
#include "TSimLauf.h"
#include "device/GeraetBefehl.h"
#include "device/port/TQtSeriellerPort.h"
#include "shell/DatumZeit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <gtest/gtest.h>

namespace {

QString Arg(const char* a) {
    return QString::fromLatin1(a);
}

TEST(BefehlSim, ResetChecksTheTypeName) {
    TSimLauf t;
    ASSERT_TRUE(t.Sim->Bereit());
    QString p;
    EXPECT_TRUE(t.Befehl(Arg("R01"), p));
    EXPECT_EQ(t.Zeilen,
              QStringList({t.Heim.App.Texte.ResetBefehlText, t.Heim.App.Texte.BefehlOKText}));
    // The same reply in a run for TypB is a failure.
    t.Zeilen.clear();
    TGeraet typB = t.Heim.App.AktuellesGeraet;
    typB.Name = Arg("TypB");
    QString q;
    t.Befehl(Arg("R01"), q, true, &typB);
    // A reply naming another type is no reply of the expected form: the user is told what
    // came (message 19).
    ASSERT_EQ(t.Zeilen.size(), 3);
    EXPECT_EQ(t.Zeilen.mid(0, 2),
              QStringList({t.Heim.App.Texte.ResetBefehlText, t.Heim.App.Texte.BefehlFehlerText}));
    EXPECT_TRUE(t.Zeilen[2].endsWith(Arg(": \"R01TypA<0d><0a>\""))) << t.Zeilen[2].toStdString();
    EXPECT_EQ(t.Heim.Benutzer.Nummern(), QList<int>({19}));
}

TEST(BefehlSim, ClockReadAndSetWithoutDisplay) {
    TSimLauf t({Arg("--clock"), Arg("12:30:45 24.12.02")});
    ASSERT_TRUE(t.Sim->Bereit());
    QString p;
    EXPECT_TRUE(t.Befehl(Arg("U01"), p, false));
    // The instrument's clock runs on from 12:30:45.
    EXPECT_TRUE(p.startsWith(Arg("24.12.2002 12:30:4"))) << p.toStdString();

    QString setzen = Arg("08:15:00 01.02.03");
    EXPECT_TRUE(t.Befehl(Arg("U02"), setzen, false));
    EXPECT_EQ(setzen, Arg("08:15:00 01.02.03"));
    QString neu;
    EXPECT_TRUE(t.Befehl(Arg("U01"), neu, false));
    EXPECT_TRUE(neu.startsWith(Arg("01.02.2003 08:15:0"))) << neu.toStdString();

    // An empty parameter sends the computer's time and hands it back.
    QString jetzt;
    EXPECT_TRUE(t.Befehl(Arg("U02"), jetzt, false));
    EXPECT_EQ(jetzt.size(), 17);
    EXPECT_TRUE(DatumZeit::Lesen(jetzt, Arg("hh:nn:ss dd.mm.yy"), 45000.0));
}

TEST(BefehlSim, StatusDigitsIntoTheSelectedDevice) {
    const std::pair<const char*, int> faelle[] = {{"05", 5}, {"12", 18}, {"99", 153}};
    for (const auto& [ziffern, byte] : faelle) {
        SCOPED_TRACE(ziffern);
        TSimLauf t({Arg("--status"), Arg(ziffern)});
        ASSERT_TRUE(t.Sim->Bereit());
        QString p;
        EXPECT_TRUE(t.Befehl(Arg("Z01"), p, false));
        EXPECT_EQ(p, QString::number(byte));
        EXPECT_EQ(t.Heim.App.AktuellesGeraet.Zustand, byte);
    }
}

TEST(BefehlSim, MemoryTestClearAndAbort) {
    TTestHeim fixtur;
    const QString daten = fixtur.Pfad(Arg("m.ome"));
    fixtur.Schreiben(daten, fixtur.Messdatei(3000));
    // Clearing takes 3 s with a dot every 300 ms, three times the waiting time.
    TSimLauf t({Arg("--data"), daten, Arg("--dot-ms"), Arg("300"), Arg("--clear-ms"), Arg("3000")});
    ASSERT_TRUE(t.Sim->Bereit());
    const TSprachTexte& x = t.Heim.App.Texte;
    QString p;
    EXPECT_TRUE(t.Befehl(Arg("T01"), p));
    EXPECT_TRUE(t.Zeilen.contains(x.SpeicherVollText));
    EXPECT_FALSE(t.Heim.App.AppConst.GeraetOnline);

    t.Zeilen.clear();
    QString leeren;
    EXPECT_TRUE(t.Befehl(Arg("L01"), leeren, false));
    EXPECT_EQ(leeren, Arg("True"));

    t.Zeilen.clear();
    EXPECT_TRUE(t.Befehl(Arg("T01"), p));
    EXPECT_TRUE(t.Zeilen.contains(x.SpeicherLeerText));

    t.Zeilen.clear();
    EXPECT_TRUE(t.Befehl(Arg("M01"), p));
    EXPECT_EQ(t.Zeilen.last(), x.BefehlOKText);

    QString roh = Arg("hallo");
    EXPECT_TRUE(t.Befehl(Arg("S077,"), roh, false));
    EXPECT_EQ(roh, Arg("S077,hallo\r\n"));
    // A full memory is an answer, not a silent instrument: no message 17.
    EXPECT_TRUE(t.Heim.Benutzer.Nummern().isEmpty());
}

TEST(BefehlSim, ReadDataLandsInTheDataDirectory) {
    TTestHeim fixtur;
    const QString daten = fixtur.Pfad(Arg("m.ome"));
    const QByteArray messung = fixtur.Messdatei(10000);
    fixtur.Schreiben(daten, messung);
    TSimLauf t({Arg("--data"), daten});
    ASSERT_TRUE(t.Sim->Bereit());
    const auto ziel = GeraetDatenLesen(t.Heim.App, t.Heim.App.Geraete, t.Heim.App.AktuellesGeraet,
                                       Arg("/somewhere/else/Messung 1.ome"));
    ASSERT_TRUE(ziel);
    EXPECT_EQ(*ziel, t.Heim.DatenPfad() + Arg("Messung 1.ome"));
    EXPECT_TRUE(t.Heim.Lesen(*ziel).startsWith(messung));
    t.Heim.GleicheMessung(daten, *ziel);
}

TEST(BefehlSim, ReadDataShowsTheAnnouncedCount) {
    TTestHeim fixtur;
    const QString daten = fixtur.Pfad(Arg("m.ome"));
    const QByteArray messung = fixtur.Messdatei(10000);
    fixtur.Schreiben(daten, messung);
    TSimLauf t({Arg("--data"), daten});
    ASSERT_TRUE(t.Sim->Bereit());
    QString ziel = Arg("x.ome");
    EXPECT_TRUE(t.Befehl(Arg("D01"), ziel));
    const TSprachTexte& x = t.Heim.App.Texte;
    EXPECT_EQ(t.Zeilen, QStringList({x.DatenLesenBefehlText, x.BefehlOKText, x.GeraeteEmpfangText,
                                     x.DatenAnzahlText + QString::number(messung.size()),
                                     x.GeraeteEmpfangEndeText}));
    EXPECT_EQ(t.GaugeMaximum, messung.size());
    EXPECT_FALSE(t.Heim.App.AppConst.GeraetOnline);
}

TEST(BefehlSim, SendJobAsksAndNestsAbortReadAndClear) {
    TTestHeim fixtur;
    const QString daten = fixtur.Pfad(Arg("m.ome"));
    fixtur.Schreiben(daten, fixtur.Messdatei(4000));
    // Job entered, measuring, memory full.
    TSimLauf t({Arg("--data"), daten, Arg("--status"), Arg("07"), Arg("--dot-ms"), Arg("100"),
                Arg("--clear-ms"), Arg("500")});
    ASSERT_TRUE(t.Sim->Bereit());
    t.Heim.Benutzer.FrageAntwort = mrYes;
    t.Heim.Benutzer.Dateien = {Arg("/tmp/elsewhere/ausgelesen.ome")};
    QString auftrag = Arg("J1");
    EXPECT_TRUE(t.Befehl(Arg("A01"), auftrag));
    EXPECT_EQ(t.Heim.Benutzer.Nummern(), QList<int>({32, 34, 24, 33}));
    EXPECT_TRUE(QFileInfo::exists(t.Heim.DatenPfad() + Arg("ausgelesen.ome")));
    const TSprachTexte& x = t.Heim.App.Texte;
    EXPECT_TRUE(t.Zeilen.contains(x.MessungAbbrechenBefehlText));
    EXPECT_TRUE(t.Zeilen.contains(x.GeraeteEmpfangEndeText));
    EXPECT_TRUE(t.Zeilen.contains(x.SpeicherGeloeschtText));
    EXPECT_EQ(t.Zeilen.last(), x.BefehlOKText);
    EXPECT_TRUE(t.Sim->Meldungen().contains(Arg("job of 2 characters")));
}

TEST(BefehlSim, SendJobStopsWhenTheMeasurementMustGoOn) {
    TSimLauf t({Arg("--status"), Arg("02")});
    ASSERT_TRUE(t.Sim->Bereit());
    t.Heim.Benutzer.FrageAntwort = mrNo;
    QString auftrag = Arg("J1");
    EXPECT_TRUE(t.Befehl(Arg("A01"), auftrag));
    EXPECT_EQ(t.Heim.Benutzer.Nummern(), QList<int>({32}));
    EXPECT_FALSE(t.Zeilen.contains(t.Heim.App.Texte.AuftragSendenBefehlText));
    EXPECT_FALSE(t.Sim->Meldungen().contains(Arg("job of")));
}

// Each fault: the run ends in bounded time with its message and result, an older file of
// the same name stays, and the next run works.
TEST(BefehlSim, FaultsOfTheInstrument) {
    struct TFall {
        const char* Fehler;
        bool Ergebnis;
        QList<int> Nachrichten;
    };
    const TFall faelle[] = {
        {"no-echo", false, {17}}, {"garble", false, {17}}, {"stall", false, {19}},
        {"cancel", false, {19}},  {"hangup", false, {19}}, {"bad-block", true, {}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Fehler);
        TTestHeim fixtur;
        const QString daten = fixtur.Pfad(Arg("m.ome"));
        const QByteArray messung = fixtur.Messdatei(3000);
        fixtur.Schreiben(daten, messung);
        TSimLauf t({Arg("--data"), daten, Arg("--fault"), Arg(f.Fehler)}, 500);
        ASSERT_TRUE(t.Sim->Bereit());
        const QString ziel = t.Heim.DatenPfad() + Arg("alt.ome");
        t.Heim.Schreiben(ziel, "old");
        const auto gelesen =
            GeraetDatenLesen(t.Heim.App, t.Heim.App.Geraete, t.Heim.App.AktuellesGeraet, ziel);
        EXPECT_EQ(gelesen.has_value(), f.Ergebnis);
        EXPECT_EQ(t.Heim.Benutzer.Nummern(), f.Nachrichten) << t.Sim->Meldungen().toStdString();
        EXPECT_EQ(t.Heim.Lesen(ziel).startsWith(messung), f.Ergebnis);
        if (!f.Ergebnis) {
            EXPECT_EQ(t.Heim.Lesen(ziel), QByteArray("old"));
        }
        // Besides the old file only the kept part of an interrupted transfer (its own test).
        QStringList dateien = QDir(t.Heim.DatenPfad()).entryList(QDir::Files);
        dateien.removeIf([](const QString& n) { return n.contains(u"_unvollstaendig"); });
        EXPECT_EQ(dateien, QStringList{"alt.ome"});
        EXPECT_FALSE(t.Heim.App.AppConst.GeraetOnline);
    }
    // The program goes on: a fresh instrument answers the next run.
    TSimLauf t;
    ASSERT_TRUE(t.Sim->Bereit());
    QString p;
    EXPECT_TRUE(t.Befehl(Arg("R01"), p));
}

// A device that does not exist is not called busy (message 18 is for a port another program
// holds): a missing path (an unplugged adapter, an ended simulator), a relative one, and a
// link whose device went away.
TEST(BefehlSim, PortThatDoesNotExistIsSaidNotToExist) {
    struct TFall {
        const char* Name;
        std::function<QString(const TTestHeim&)> Port;
    };
    const TFall faelle[] = {
        {"absolute path", [](const TTestHeim& h) { return h.Pfad(Arg("no-such-tty")); }},
        {"relative path",
         [](const TTestHeim& h) { return QDir::current().relativeFilePath(h.Pfad(Arg("weg"))); }},
        {"link left by a device that went away",
         [](const TTestHeim& h) {
             const QString link = h.Pfad(Arg("by-id-link"));
             QFile::link(h.Pfad(Arg("ttyUSB-gone")), link);
             return link;
         }},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TTestHeim heim;
        SeriellenPortEinrichten(heim.App.Geraete);
        heim.App.Geraete.PortGeraet = f.Port(heim);
        QString p;
        EXPECT_FALSE(GeraetBefehl(heim.App, heim.App.Geraete, heim.App.AktuellesGeraet, Arg("R01"),
                                  p, heim.App.AktuellesGeraet, true, true));
        ASSERT_EQ(heim.Benutzer.Nummern(), QList<int>({0}));
        EXPECT_TRUE(heim.Benutzer.Gezeigt[0].Text.contains(heim.App.Geraete.PortGeraet));
        EXPECT_TRUE(heim.Benutzer.Gezeigt[0].Text.contains(Arg("gibt es nicht")));
    }
}

TEST(BefehlSim, TraceAndLogWhenLogFileIsSet) {
    TSimLauf t;
    ASSERT_TRUE(t.Sim->Bereit());
    t.Heim.App.AppConst.LogFile = true;
    QString p;
    EXPECT_TRUE(t.Befehl(Arg("R01"), p));
    const QByteArray trace = t.Heim.Lesen(t.Heim.App.AppConst.PrgKonfigPfad + Arg("ComTrace.trc"));
    // "R01" out, in hex. Bytes sent within one millisecond share a line; on a slow run (the
    // sanitizer build) each character may get a line of its own, so the lines are joined.
    QByteArray aus;
    for (const QByteArray& zeile : trace.split('\n')) {
        const qsizetype pfeil = zeile.indexOf("  ->  ");
        if (pfeil >= 0) {
            aus += zeile.mid(pfeil + 6, zeile.indexOf(" |", pfeil) - pfeil - 6).trimmed() + ' ';
        }
    }
    EXPECT_TRUE(aus.contains("52 30 31")) << trace.data();
    EXPECT_TRUE(trace.contains("|R01TypA..|")); // the reply, printable
    const QByteArray log = t.Heim.Lesen(t.Heim.App.AppConst.PrgKonfigPfad + Arg("ComLog.log"));
    EXPECT_TRUE(log.contains("DTR aus nicht möglich") || log.contains("Öffnen")) << log.data();
}

} // namespace
