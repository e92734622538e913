#include "CliLauf.h"
#include "cli/MessDateiJson.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// A program directory whose selected device D sends every job field.
struct TMessHeim : TCliHeim {
    TMessHeim() {
        QDir().mkpath(Pfad("Config"));
        Schreiben(Pfad("Config/Geraete.cfg"),
                  "[D]\nSpeicher=32768\nTakt=1000\nTeiler=10\nKanalTyp0=2\nKanalAufloesung0=12\n"
                  "AuftragSendFlags=111111111111111111\n");
        Schreiben(Pfad("Config/ORVANUser.cfg"), "[Hardware]\nGeraet=D\n");
    }
};

const QByteArray kBeispielAuftrag = QByteArray::fromHex(
    QByteArray("FFFFFFFF 0000 0000 2020202020202020202020 0000 010044"
               "00800000 E8030000 0A000000 00 01 020CFF01 0001010000000000"
               "01004A 0000 0000 0000 0000 0000 01 00000000 E8030000 2405060708090000"
               "01 00 000000000000F03F 0000000000000000 01000000 010053 0300426974")
        .replace(' ', ""));

TMessDatei Reicher() {
    TMessDatei d;
    d.Name = "D";
    d.Version = 103;
    d.VarekSNr = QString::fromLatin1("AB\0CD", 5) + QString(6, u' ');
    d.SerienNummer = QStringLiteral("Nr. ½ – ü");
    d.Speicher = 0xFFFFFFFF;
    d.Takt = 1;
    d.Teiler = 0;
    d.KanalAnzahl = 2;
    d.KanalInfo = {QVector<quint8>{2, 5}, {16, 0}, {255, 7}, {1, 9}};
    d.Datum = *DatumZeit::Kodieren({2042, 2, 28, 23, 59, 58, 999});
    d.Auftrag = {"Ä",      "", "x", "", "Kommentar\r\nzweite Zeile",
                 "Nr. 1A", 2,  7,   99, *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9, 123})};
    for (int i = 0; i < 2; ++i) {
        TMessreihe r;
        r.Aktiv = quint8(i == 0 ? 1 : 200);
        r.Kanal = quint8(i);
        r.Messkonstante = i == 0 ? std::numeric_limits<double>::quiet_NaN() : -0.0;
        r.Nullwert = i == 0 ? std::numeric_limits<double>::infinity() : 1e-310;
        r.Abstand = 3;
        r.Name = QStringLiteral("°C-Reihe %1").arg(i);
        r.Einheit = "°C";
        d.Messreihen.append(r);
    }
    return d;
}

TEST(DumpUndWriteJob, ReproduceTheJobFileByteForByte) {
    TMessHeim h;
    QByteArray reicher;
    ASSERT_TRUE(MessDateiKodieren(Reicher(), true, reicher));
    for (const QByteArray& inhalt : {kBeispielAuftrag, reicher}) {
        Schreiben(h.Pfad("a.oor"), inhalt);
        const TCliLauf dump = h.Lauf({"dump", h.Pfad("a.oor"), "--job"});
        ASSERT_EQ(dump.Ergebnis, 0) << dump.Fehler.toStdString() << dump.Ausgabe.toStdString();
        Schreiben(h.Pfad("a.json"), dump.Ausgabe.toUtf8());
        const TCliLauf schreiben = h.Lauf({"write-job", h.Pfad("a.json"), h.Pfad("b.oor")});
        ASSERT_EQ(schreiben.Ergebnis, 0) << schreiben.Fehler.toStdString();
        EXPECT_EQ(Lesen(h.Pfad("b.oor")).toHex(' '), inhalt.toHex(' '));
    }
}

TEST(Dump, JsonOfAMeasurement) {
    TMessHeim h;
    QByteArray datei = kBeispielAuftrag;
    datei[68] = 3; // MessTakte 3
    datei[69] = 0;
    const QByteArray daten = QByteArray::fromHex("2405060708090010FF0F34F20000");
    const qint32 gesamt = qint32(datei.size() + daten.size());
    memcpy(datei.data(), &gesamt, 4);
    Schreiben(h.Pfad("m.ome"), datei + daten);
    const TCliLauf lauf = h.Lauf({"dump", h.Pfad("m.ome")});
    ASSERT_EQ(lauf.Ergebnis, 0) << lauf.Fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(lauf.Ausgabe.toUtf8()).object();
    EXPECT_EQ(o["Name"].toString(), "D");
    EXPECT_EQ(o["KanalInfo"].toArray().size(), 4);
    EXPECT_EQ(o["AuftragSendFlags"].toString(), "111111111111111111");
    EXPECT_EQ(o["Auftrag"].toObject()["MessTakte"].toInt(), 3);
    const QJsonArray werte = o["Messreihen"].toArray()[0].toObject()["Messwerte"].toArray();
    EXPECT_EQ(werte[1].toArray(), (QJsonArray{4095, 564, 0}));
    EXPECT_EQ(o["Nachrichten"].toArray(), QJsonArray());
}

TEST(Dump, ForeignAndDamagedFiles) {
    TMessHeim h;
    Schreiben(h.Pfad("fremd.bin"), QByteArray::fromHex("0102FF"));
    const TCliLauf ja = h.Lauf({"--yes", "dump", h.Pfad("fremd.bin")});
    ASSERT_EQ(ja.Ergebnis, 0) << ja.Fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(ja.Ausgabe.toUtf8()).object();
    EXPECT_EQ(o["Nachrichten"].toArray(), (QJsonArray{3, 16, 2}));
    EXPECT_EQ(o["Messreihen"].toArray()[0].toObject()["Messwerte"].toArray()[1].toArray(),
              (QJsonArray{1, 2, 255}));

    const TCliLauf nein = h.Lauf({"dump", h.Pfad("fremd.bin")});
    EXPECT_EQ(nein.Ergebnis, 2);
    EXPECT_TRUE(nein.Ausgabe.isEmpty());
    EXPECT_TRUE(nein.Fehler.contains("message 16:"));

    QByteArray kaputt = kBeispielAuftrag;
    kaputt[98] = 0; // Abstand 0
    Schreiben(h.Pfad("k.oor"), kaputt);
    const TCliLauf k = h.Lauf({"dump", h.Pfad("k.oor"), "--job"});
    EXPECT_EQ(k.Ergebnis, 2);
    EXPECT_TRUE(k.Fehler.contains(h.Pfad("k.oor") + ": Messreihe 0 hat den Abstand 0 (Byte 98)"))
        << k.Fehler.toStdString();

    Schreiben(h.Pfad("x.json"), "{\"Name\": 5}");
    const TCliLauf w = h.Lauf({"write-job", h.Pfad("x.json"), h.Pfad("x.oor")});
    EXPECT_EQ(w.Ergebnis, 2);
    EXPECT_TRUE(w.Fehler.contains("Name ist kein Text")) << w.Fehler.toStdString();
    EXPECT_FALSE(QFile::exists(h.Pfad("x.oor")));
}

TEST(Payload, JobCommandAndFigures) {
    TMessHeim h;
    QByteArray auftrag = kBeispielAuftrag;
    auftrag.replace(50, 3, QByteArray::fromHex("010041"));  // job name A
    auftrag.replace(102, 3, QByteArray::fromHex("010042")); // series name B
    auftrag.replace(72, 8, QByteArray::fromHex("3102030405060000"));
    Schreiben(h.Pfad("a.oor"), auftrag);
    const TCliLauf lauf = h.Lauf({"payload", h.Pfad("a.oor"), "--now", "45000"});
    ASSERT_EQ(lauf.Ergebnis, 0) << lauf.Fehler.toStdString();
    const QStringList zeilen = lauf.Ausgabe.split(u'\n');
    EXPECT_EQ(zeilen.value(0), "ffffffff010041000000000000000000000100000000e803000031020304050600"
                               "000100000000000000f03f00000000000000000100000001004203004269"
                               "74");
    EXPECT_EQ(zeilen.value(1),
              "Speicherbedarf=2000 Prozent=6 Farbe=normal Reihen=1 Dauer=0 Tage 0 Std 0 Min "
              "10.000 Sek");

    // The catalogue's default of 17 send flags cannot build a job.
    Schreiben(h.Pfad("Config/Geraete.cfg"), "[D]\nSpeicher=1\n");
    const TCliLauf kurz = h.Lauf({"payload", h.Pfad("a.oor"), "--now", "45000"});
    EXPECT_EQ(kurz.Ergebnis, 3);
    EXPECT_TRUE(kurz.Ausgabe.isEmpty());
    EXPECT_TRUE(kurz.Fehler.contains("Eintrag 17 fehlt")) << kurz.Fehler.toStdString();
}

} // namespace
