// orvan-cli graph and export, end to end: a measurement file becomes a graph file and then a
// CSV file.
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"
#include "shell/Zahlen.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct TLauf {
    int Code = -1;
    QString Aus;
    QString Fehler;
};

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Stempel(int j, int m, int t, int h, int n, int s) {
    QByteArray g;
    for (int z : {j - 2000, m, t, h, n, s, 0, 0}) {
        g.append(char((z / 10) * 16 + z % 10));
    }
    return g;
}

TMessreihe Reihe(const QString& name, quint8 aktiv, double konstante, double nullwert) {
    TMessreihe r;
    r.Name = name;
    r.Aktiv = aktiv;
    r.Messkonstante = konstante;
    r.Nullwert = nullwert;
    r.Abstand = 1;
    return r;
}

class GraphCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(Pfad("Config"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Geraete.cfg"),
                                Pfad("Config/Geraete.cfg")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"),
                                Pfad("Config/Sprache.cfg")));
        Schreiben(Pfad("Config/ORVANUser.cfg"), "[Hardware]\nGeraet=VL-4 Kompakt\n");
    }

    QString Pfad(const QString& relativ) const { return Home.path() + u'/' + relativ; }

    TLauf Cli(const QStringList& argumente) const {
        QProcess p;
        p.start(QStringLiteral(ORVAN_BIN_DIR "/orvan-cli"),
                QStringList{"--home", Home.path()} + argumente);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // Five channels of "VL-4 Kompakt" (ANA, ANA, BIN, PARA, COMP) and a sixth series without
    // a channel; three cycles at 100 Hz. Measured: Temp raw 100, 200, 300 scaled by 0.5;
    // Druck raw 10, 20, 30 plus 1. Calculated: Summe=M0+M1 (COMP channel), Flaeche=IGR(M0).
    QString Messdatei() const {
        TMessDatei m;
        m.Name = QStringLiteral("VL-4 Kompakt");
        m.Version = 103;
        m.Speicher = 32768;
        m.Takt = 1000;
        m.Teiler = 10;
        m.KanalAnzahl = 5;
        m.KanalInfo = {QVector<quint8>{2, 2, 1, 5, 6},
                       {12, 12, 8, 0, 0},
                       {255, 255, 255, 255, 255},
                       {1, 1, 1, 1, 1}};
        m.Datum = *DatumZeit::Kodieren({2024, 5, 6, 7, 0, 0, 0});
        m.Auftrag.AuftragName = QStringLiteral("Kessel 3");
        m.Auftrag.Kommentar = QStringLiteral("Probelauf");
        m.Auftrag.AnzahlReihen = 6;
        m.Auftrag.MessTakte = 3;
        m.Auftrag.Start = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9, 0});
        m.Messreihen = {Reihe("Temp", 1, 0.5, 0),      Reihe("Druck", 1, 1, 1),
                        Reihe("Schalter", 0, 1, 0),    Reihe("Parameter", 1, 1, 0),
                        Reihe("Summe=M0+M1", 1, 1, 0), Reihe("Flaeche=IGR(M0)", 1, 1, 0)};
        for (int i = 0; i < m.Messreihen.size(); ++i) {
            m.Messreihen[i].Kanal = quint8(i);
        }
        QByteArray b;
        EXPECT_TRUE(MessDateiKodieren(m, false, b));
        QByteArray daten = Stempel(2024, 5, 6, 7, 8, 9);
        for (quint16 c : {1, 2, 3}) {
            char w[4];
            qToLittleEndian<quint16>(quint16(100 * c), w);
            qToLittleEndian<quint16>(quint16(10 * c), w + 2);
            daten.append(w, 4);
        }
        b += daten;
        qToLittleEndian<qint32>(qint32(b.size()), b.data());
        const QString pfad = Pfad("Daten.ome");
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
        return pfad;
    }

    QTemporaryDir Home;
};

TEST_F(GraphCliTest, MeasurementToGraphToCsv) {
    const QString ome = Messdatei();
    const TLauf g = Cli({"graph", ome, "--out", Pfad("g.ogr")});
    ASSERT_EQ(g.Code, 0) << g.Fehler.toStdString();
    EXPECT_FALSE(g.Fehler.contains(QStringLiteral("message"))) << g.Fehler.toStdString();
    const TLauf e = Cli({"export", Pfad("g.ogr"), Pfad("g.csv")});
    ASSERT_EQ(e.Code, 0) << e.Fehler.toStdString();

    // The time of cycle c is the stamp plus c + 1 measuring periods, counted on period by
    // period as the reader does.
    const double periode = 1.0 / (100.0 * 86400.0);
    double t = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9, 0});
    QVector<double> zeiten;
    QStringList zeit;
    for (int c = 0; c < 3; ++c) {
        t += periode;
        zeiten << t;
        zeit << Zahlen::GleitzahlText(t);
    }
    // Integral: 0 at the first point, then (100 + 0) * 1 * (t1 - t0), the step in days.
    const QString igr = Zahlen::GleitzahlText(100 * (zeiten[1] - zeiten[0]));
    const QStringList erwartet = {
        "TempX,TempY,DruckX,DruckY,Summe=M0+M1X,Summe=M0+M1Y,Flaeche=IGR(M0)X,Flaeche=IGR(M0)Y",
        zeit[0] + ",50," + zeit[0] + ",11," + zeit[0] + ",61," + zeit[0] + ",0",
        zeit[1] + ",100," + zeit[1] + ",21," + zeit[1] + ",121," + zeit[1] + "," + igr,
        zeit[2] + ",150," + zeit[2] + ",31,,,,",
        ",,,,,,,",
    };
    const QString csv = QString::fromLatin1(Lesen(Pfad("g.csv")));
    EXPECT_EQ(csv.split(QStringLiteral("\r\n")), erwartet + QStringList{QString()})
        << csv.toStdString();
}

TEST_F(GraphCliTest, IntoAnExistingGraphAppendsTheCurves) {
    const QString ome = Messdatei();
    ASSERT_EQ(Cli({"graph", ome, "--out", Pfad("a.ogr")}).Code, 0);
    ASSERT_EQ(Cli({"graph", ome, "--into", Pfad("a.ogr"), "--out", Pfad("b.ogr")}).Code, 0);
    ASSERT_EQ(Cli({"export", Pfad("b.ogr"), Pfad("b.txt")}).Code, 0);
    const QStringList zeilen = QString::fromLatin1(Lesen(Pfad("b.txt"))).split("\r\n");
    EXPECT_EQ(zeilen[0].count(QStringLiteral("TempX")), 2) << zeilen[0].toStdString();
    EXPECT_EQ(zeilen[0].split(u'\t').size(), 16);

    // No measurement file: a new document from the defaults, written as it is.
    ASSERT_EQ(Cli({"graph", "--out", Pfad("leer.ogr")}).Code, 0);
    EXPECT_GE(Lesen(Pfad("leer.ogr")).size(), 206);
}

TEST_F(GraphCliTest, RefusedInputAndUsage) {
    const QString ome = Messdatei();
    ASSERT_EQ(Cli({"graph", ome, "--out", Pfad("g.ogr")}).Code, 0);
    struct TFall {
        QStringList Argumente;
        int Code;
        const char* Meldung; // part of standard error
        const char* Nicht;   // a file that must not exist afterwards
    };
    Schreiben(Pfad("kaputt.ogr"), QByteArray(300, '\x7f'));
    Schreiben(Pfad("kein.ome"), "kein Messdatei-Inhalt, nur Text");
    const TFall faelle[] = {
        {{"export", Pfad("g.ogr"), Pfad("g.CSV")}, 1, ".csv or .txt", "g.CSV"},
        {{"export", Pfad("g.ogr"), Pfad("g.dat")}, 1, ".csv or .txt", "g.dat"},
        {{"export", Pfad("fehlt.ogr"), Pfad("f.csv")}, 2, "message 28:", "f.csv"},
        {{"export", Pfad("kaputt.ogr"), Pfad("k.csv")}, 2, "message 0:", "k.csv"},
        {{"graph", ome}, 1, "usage", nullptr},
        {{"graph", "--into", Pfad("kaputt.ogr"), "--out", Pfad("x.ogr")}, 2, "message 0:", "x.ogr"},
        {{"--no", "graph", Pfad("kein.ome"), "--out", Pfad("y.ogr")}, 2, "message 16:", "y.ogr"},
    };
    for (const TFall& f : faelle) {
        const TLauf l = Cli(f.Argumente);
        EXPECT_EQ(l.Code, f.Code) << f.Argumente.join(' ').toStdString();
        EXPECT_TRUE(l.Fehler.contains(QLatin1String(f.Meldung)))
            << f.Argumente.join(' ').toStdString() << "\n"
            << l.Fehler.toStdString();
        if (f.Nicht) {
            EXPECT_FALSE(QFile::exists(Pfad(QLatin1String(f.Nicht)))) << f.Nicht;
        }
    }
}

} // namespace
