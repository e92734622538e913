// orvan-cli stats end to end: a measurement becomes a graph (orvan-cli graph), and a short
// Python program computes the figures on its own from the measurement's values as
// orvan-cli dump gives them (time stamps in full precision; the text export rounds them to
// 15 digits, too coarse for a 10 ms step) and compares them with what orvan-cli stats prints.
#include "cli/CliLauf.h"
#include "measurement/MessDateiSchreiber.h"
#include "shell/DatumZeit.h"

#include <QFile>
#include <QStandardPaths>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const char* const kPruefung = R"PY(
import sys, math, datetime, json
messung, stats, lo, hi = sys.argv[1], sys.argv[2], float(sys.argv[3]), float(sys.argv[4])
lo, hi = min(lo, hi), max(lo, hi)
kurven = {r['Name']: list(zip(*r['Messwerte'])) for r in json.load(open(messung))['Messreihen']}
def datum(x):
    d = datetime.datetime(1899, 12, 30) + datetime.timedelta(milliseconds=round(x * 86400000))
    return d.strftime('%d.%m.%Y %H:%M:%S.') + '%03d' % (d.microsecond // 1000)
aus = open(stats, encoding='utf-8', newline='').read().rstrip('\n').split('\n')
spalten = aus[1].split('\t')
fehler = 0
for z in aus[2:]:
    f = dict(zip(spalten, z.split('\t')))
    p = [(x, y) for x, y in kurven[f['Kurve']] if lo <= x <= hi]
    n = len(p)
    ys = [y for _, y in p]
    xs = [(x - p[0][0]) * 86400 for x, _ in p]  # seconds from the first point
    m = math.fsum(ys) / n
    mx = math.fsum(xs) / n
    soll = {
        'Minimum': min(ys), 'Maximum': max(ys), 'Mittelwert': m,
        'Standardabweichung': math.sqrt(math.fsum((y - m) ** 2 for y in ys) / (n - 1)),
        'RMS': math.sqrt(math.fsum(y * y for y in ys) / n),
        'Erster': ys[0], 'Letzter': ys[-1], 'Differenz': ys[-1] - ys[0],
        'Integral': math.fsum((p[i][0] - p[i - 1][0]) * 86400 * (ys[i] + ys[i - 1]) / 2
                              for i in range(1, n)),
        'Steigung': math.fsum((x - mx) * (y - m) for x, y in zip(xs, ys))
                    / math.fsum((x - mx) ** 2 for x in xs),
    }
    texte = {'Punkte': str(n), 'X Minimum': datum(p[ys.index(min(ys))][0]),
             'X Maximum': datum(p[ys.index(max(ys))][0])}
    for name, wert in soll.items():
        spalte = [s for s in spalten if s == name or s.startswith(name + ' [')][0]
        ist = float(f[spalte])
        if abs(ist - wert) > 1e-9 * max(1.0, abs(wert)):
            print(f['Kurve'], name, ist, '!=', wert); fehler += 1
    for name, text in texte.items():
        if f[name] != text:
            print(f['Kurve'], name, f[name], '!=', text); fehler += 1
print('rows', len(aus) - 2, 'errors', fehler)
sys.exit(1 if fehler else 0)
)PY";

QByteArray Stempel(int j, int m, int t, int h, int n, int s) {
    QByteArray g;
    for (int z : {j - 2000, m, t, h, n, s, 0, 0}) {
        g.append(char((z / 10) * 16 + z % 10));
    }
    return g;
}

TMessreihe Reihe(const QString& name, quint8 aktiv, double konstante, double nullwert,
                 quint8 kanal) {
    TMessreihe r;
    r.Name = name;
    r.Aktiv = aktiv;
    r.Messkonstante = konstante;
    r.Nullwert = nullwert;
    r.Abstand = 1;
    r.Kanal = kanal;
    return r;
}

class StatistikCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(Heim.Pfad("Config"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Geraete.cfg"),
                                Heim.Pfad("Config/Geraete.cfg")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"),
                                Heim.Pfad("Config/Sprache.cfg")));
        Schreiben(Heim.Pfad("Config/ORVANUser.cfg"), "[Hardware]\nGeraet=VL-4 Kompakt\n");
    }

    static void Schreiben(const QString& pfad, const QByteArray& bytes) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Two analog channels of "VL-4 Kompakt", 600 cycles at 100 Hz from 07:08:09 with
    // scrambled raw values.
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
        m.Auftrag.AnzahlReihen = 5;
        m.Auftrag.MessTakte = kTakte;
        m.Auftrag.Start = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 9, 0});
        m.Messreihen = {Reihe("Temp", 1, 0.5, -20, 0), Reihe("Druck", 1, 0.01, 3, 1),
                        Reihe("Schalter", 0, 1, 0, 2), Reihe("Parameter", 0, 1, 0, 3),
                        Reihe("Rechnung", 0, 1, 0, 4)};
        QByteArray b;
        EXPECT_TRUE(MessDateiKodieren(m, false, b));
        b += Stempel(2024, 5, 6, 7, 8, 9);
        for (int c = 0; c < kTakte; ++c) {
            char w[4];
            qToLittleEndian<quint16>(quint16((c * 1237 + 500) % 4096), w);
            qToLittleEndian<quint16>(quint16(2000 + (c * c) % 301), w + 2);
            b.append(w, 4);
        }
        qToLittleEndian<qint32>(qint32(b.size()), b.data());
        const QString pfad = Heim.Pfad("Daten.ome");
        Schreiben(pfad, b);
        return pfad;
    }

    static constexpr int kTakte = 600;
    TCliHeim Heim;
};

TEST_F(StatistikCliTest, FiguresMatchAnIndependentComputationOverTheExport) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    ASSERT_FALSE(python.isEmpty()) << "python3 is needed for the independent check";
    const QString g = Heim.Pfad("g.ogr");
    TCliLauf l = Heim.Lauf({"graph", Messdatei(), "--out", g});
    ASSERT_EQ(l.Ergebnis, 0) << l.Fehler.toStdString();
    l = Heim.Lauf({"dump", Heim.Pfad("Daten.ome")});
    ASSERT_EQ(l.Ergebnis, 0) << l.Fehler.toStdString();
    Schreiben(Heim.Pfad("messung.json"), l.Ausgabe.toUtf8());
    Schreiben(Heim.Pfad("pruefung.py"), kPruefung);

    // Both ends between two samples; given as dates in the user's format, as a number and
    // in reverse order.
    const double von = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 10, 5});
    const double bis = *DatumZeit::Kodieren({2024, 5, 6, 7, 8, 13, 505});
    const QString vonText = QStringLiteral("06.05.2024 07:08:10.005");
    const QString bisText = QStringLiteral("06.05.2024 07:08:13.505");
    struct TFall {
        const char* Name;
        QStringList Bereich;
    } const faelle[] = {
        {"dates", {"--from", vonText, "--to", bisText}},
        {"number and reverse order", {"--from", bisText, "--to", QString::number(von, 'g', 17)}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        l = Heim.Lauf(QStringList{"stats", g} + f.Bereich);
        ASSERT_EQ(l.Ergebnis, 0) << l.Fehler.toStdString();
        const QStringList zeilen = l.Ausgabe.split(u'\n');
        ASSERT_EQ(zeilen.size(), 5) << l.Ausgabe.toStdString(); // range, head, 2 rows, ""
        EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("Bereich\tEingabe\t")));
        EXPECT_TRUE(zeilen[2].startsWith(QStringLiteral("Temp\t\t350\t")))
            << zeilen[2].toStdString();
        Schreiben(Heim.Pfad("stats.txt"), l.Ausgabe.toUtf8());

        QProcess p;
        p.start(python,
                {Heim.Pfad("pruefung.py"), Heim.Pfad("messung.json"), Heim.Pfad("stats.txt"),
                 QString::number(von, 'g', 17), QString::number(bis, 'g', 17)});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString bericht = QString::fromUtf8(p.readAll());
        EXPECT_EQ(p.exitCode(), 0)
            << bericht.toStdString() << p.readAllStandardError().toStdString();
        EXPECT_TRUE(bericht.contains(QStringLiteral("rows 2 errors 0"))) << bericht.toStdString();
    }

    // Without a range and without markers in the file: every point.
    l = Heim.Lauf({"stats", g});
    ASSERT_EQ(l.Ergebnis, 0);
    EXPECT_TRUE(l.Ausgabe.startsWith(QStringLiteral("Bereich\tAlle Punkte\t\t\n")));
    EXPECT_TRUE(l.Ausgabe.contains(QStringLiteral("\nDruck\t\t600\t"))) << l.Ausgabe.toStdString();
}

TEST_F(StatistikCliTest, RefusedInputAndUsage) {
    const QString g = Heim.Pfad("g.ogr");
    ASSERT_EQ(Heim.Lauf({"graph", Messdatei(), "--out", g}).Ergebnis, 0);
    struct TFall {
        QStringList Argumente;
        int Ergebnis;
        const char* Meldung;
    } const faelle[] = {
        {{"stats"}, 1, "usage: stats"},
        {{"stats", g, "--from"}, 1, "usage: stats"},
        {{"stats", g, g}, 1, "usage: stats"},
        {{"stats", g, "--from", "gestern"}, 2, "not a number nor a date"},
        {{"stats", g, "--to", "31.02.2024 10:00:00.000"}, 2, "not a number nor a date"},
        {{"stats", Heim.Pfad("fehlt.ogr")}, 2, "message 28:"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Argumente.join(' ').toStdString());
        const TCliLauf l = Heim.Lauf(f.Argumente);
        EXPECT_EQ(l.Ergebnis, f.Ergebnis);
        EXPECT_TRUE(l.Fehler.contains(QLatin1String(f.Meldung))) << l.Fehler.toStdString();
        EXPECT_TRUE(l.Ausgabe.isEmpty());
    }
}

} // namespace
