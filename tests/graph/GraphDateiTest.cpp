#include "graph/GraphDatei.h"
#include "app/TAnwendung.h"
#include "shell/TSkriptBenutzer.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray DateiInhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TDiagramm Beispiel() {
    TDiagramm d;
    d.Titel = QStringLiteral("Messung Ölkühler"); // characters above 127
    d.Fusszeile = QStringLiteral("Fuß");
    d.Legende = true;
    d.Rahmenfarbe = 0xC0C0C0;
    d.Hintergrundfarbe = 0x80000005; // a system colour survives as it is
    d.Schriftfarbe = 0x123456;
    d.DatumZeitAchse = true;
    d.AchseLinks = {QStringLiteral("Temperatur"), -10, 10, true, 5, 4, 2, false, 0x808080,
                    QStringLiteral("°C")};
    d.AchseUnten = {QStringLiteral("Zeit"), 0, 100, false, 10, 10, 1, true, 1, QString()};
    d.AchseRechts = {QString(), -1.5, 1e300, false, 0.25, 3, 6, true, 2, QStringLiteral("bar")};
    TKurve a;
    a.Name = QStringLiteral("Kurve 1");
    a.Sichtbar = true;
    a.AchseRechts = false;
    a.Werte = {QVector<double>{45000.5, 45000.25, 45001}, QVector<double>{1.5, -2, 3e-9}};
    a.Anzahl = 3;
    a.Reserve1 = 0.5;
    a.Reserve2 = -0.5;
    a.Intervall = 2;
    a.Start = 1;
    a.YOffset = -3;
    a.YFaktor = 0.1;
    a.Linienfarbe = 0xFF;
    a.Linienstil = 4;
    a.Linienbreite = 3;
    a.LinieSichtbar = true;
    a.Punktfarbe = 0xFF00;
    a.Reserve3 = 0xDEADBEEF;
    a.Punktstil = 8;
    a.Punktbreite = 5;
    a.PunktSichtbar = false;
    TKurve leer;
    leer.Name = QStringLiteral("leer");
    leer.AchseRechts = true;
    d.Kurven = {a, leer};
    d.Marker1X = 45000.3;
    d.Marker1YLinks = 2;
    d.Marker2X = 45000.9;
    d.Marker2YLinks = -1;
    d.Marker1Sichtbar = true;
    d.Marker2Sichtbar = false;
    d.MarkerStil = 2;
    d.MarkerFarbe = 0xFFFF;
    return d;
}

// The layout written independently of the program's writer, field by field.
QByteArray Layout(const TDiagramm& d) {
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
    auto text = [&](const QString& t) {
        const QByteArray l1 = t.toLatin1(); // the test texts are all in Latin-1
        s << qint32(l1.size());
        s.writeRawData(l1.constData(), int(l1.size()));
    };
    auto achse = [&](const TAchse& a) {
        text(a.Titel);
        s << a.Minimum << a.Maximum << quint8(a.MinMaxAutomatik) << a.Gitterabstand
          << a.GitterAnzahl << a.Gitterstil << quint8(a.GitterAutomatik) << a.Gitterfarbe;
        text(a.Einheit);
    };
    text(d.Titel);
    text(d.Fusszeile);
    s << quint8(d.Legende) << d.Rahmenfarbe << d.Hintergrundfarbe << d.Schriftfarbe
      << quint8(d.DatumZeitAchse);
    achse(d.AchseLinks);
    achse(d.AchseUnten);
    achse(d.AchseRechts);
    s << qint32(d.Kurven.size());
    for (const TKurve& k : d.Kurven) {
        text(k.Name);
        s << quint8(k.Sichtbar) << quint8(k.AchseRechts) << qint32(k.Werte[0].size() - 1);
        for (qsizetype j = 0; j < k.Werte[0].size(); ++j) {
            s << k.Werte[0][j] << k.Werte[1][j];
        }
        s << k.Anzahl << k.Reserve1 << k.Reserve2 << k.Intervall << k.Start << k.YOffset
          << k.YFaktor << k.Linienfarbe << k.Linienstil << k.Linienbreite << quint8(k.LinieSichtbar)
          << k.Punktfarbe << k.Reserve3 << k.Punktstil << k.Punktbreite << quint8(k.PunktSichtbar);
    }
    s << d.Marker1X << d.Marker1YLinks << d.Marker2X << d.Marker2YLinks << quint8(d.Marker1Sichtbar)
      << quint8(d.Marker2Sichtbar) << d.MarkerStil << d.MarkerFarbe;
    return b;
}

class GraphDateiTest : public ::testing::Test {
protected:
    QString Pfad(const char* name) const { return Dir.filePath(QLatin1String(name)); }
    QTemporaryDir Dir;
};

TEST_F(GraphDateiTest, EmptyDocumentIs206BytesAndReadsBackEqual) {
    const TDiagramm leer;
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("leer.ogr"), leer));
    const QByteArray bytes = DateiInhalt(Pfad("leer.ogr"));
    EXPECT_EQ(bytes.size(), 206);
    EXPECT_EQ(bytes, Layout(leer));

    TDiagramm gelesen = Beispiel();
    ASSERT_TRUE(GraphDatei::GraphDateiLesen(Pfad("leer.ogr"), gelesen));
    TDiagramm erwartet = leer;
    erwartet.XMin = gelesen.XMin; // no point: XMin stays as it was
    erwartet.Marker1YRechts = gelesen.Marker1YRechts;
    erwartet.Marker2YRechts = gelesen.Marker2YRechts;
    EXPECT_EQ(gelesen, erwartet);
    EXPECT_TRUE(gelesen.Kurven.isEmpty()); // earlier curves are dropped
}

TEST_F(GraphDateiTest, LayoutFieldByFieldAndRoundTrip) {
    const TDiagramm d = Beispiel();
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("b.ogr"), d));
    const QByteArray bytes = DateiInhalt(Pfad("b.ogr"));
    EXPECT_EQ(bytes, Layout(d));
    // "Messung Ölkühler" as single Windows-1252 bytes after its 32-bit length.
    EXPECT_EQ(bytes.left(4), QByteArray("\x10\0\0\0", 4));
    EXPECT_EQ(bytes.mid(4, 16), QByteArray("Messung \xD6lk\xFChler"));

    TDiagramm gelesen;
    gelesen.Marker1YRechts = 11;
    gelesen.Marker2YRechts = 12;
    ASSERT_TRUE(GraphDatei::GraphDateiLesen(Pfad("b.ogr"), gelesen));
    TDiagramm erwartet = d;
    erwartet.XMin = 45000.25;
    erwartet.Marker1YRechts = 11; // not stored: kept
    erwartet.Marker2YRechts = 12;
    EXPECT_EQ(gelesen, erwartet);
    EXPECT_EQ(gelesen.Kurven[1].Werte[0].size(), 0);
    EXPECT_EQ(gelesen.Kurven[1].Werte[1].size(), 0);

    // Saving again unchanged writes the same bytes.
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("c.ogr"), gelesen));
    EXPECT_EQ(DateiInhalt(Pfad("c.ogr")), bytes);
}

TEST_F(GraphDateiTest, CurveWithoutPointsIsWrittenWithMinusOne) {
    TDiagramm d;
    TKurve k;
    k.Name = QStringLiteral("K");
    d.Kurven = {k};
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("k.ogr"), d));
    const QByteArray bytes = DateiInhalt(Pfad("k.ogr"));
    // 206 bytes, plus the curve group: name (4 + 1), two flags, h, 76 bytes after the points.
    EXPECT_EQ(bytes.size(), 206 + 5 + 2 + 4 + 76);
    const qsizetype kurvenStart = 4 + 4 + 1 + 12 + 1 + 3 * 47 + 4;
    EXPECT_EQ(bytes.mid(kurvenStart, 5), QByteArray("\x01\0\0\0K", 5));
    EXPECT_EQ(bytes.mid(kurvenStart + 5 + 2, 4), QByteArray("\xFF\xFF\xFF\xFF"));
}

TEST_F(GraphDateiTest, XMinIsTheSmallestXOfTheFile) {
    struct TFall {
        const char* Name;
        QVector<QVector<double>> KurvenX;
        double XMinVorher;
        double XMinErwartet;
    };
    const TFall faelle[] = {
        {"first point sets it", {{5, 3, 4}, {6}}, -100, 3},
        {"later curve lowers it", {{5, 6}, {1, 9}}, -100, 1},
        {"empty curve after points", {{5, 6}, {}}, -100, 5},
        // A first curve without points does not pin XMin to the old value: it is still the
        // smallest X read.
        {"first curve empty", {{}, {45000, 45001}}, 0, 45000},
        {"no point at all keeps it", {{}, {}}, 7, 7},
    };
    for (const TFall& f : faelle) {
        TDiagramm d;
        for (const auto& xs : f.KurvenX) {
            TKurve k;
            k.Werte = {xs, QVector<double>(xs.size(), 0.0)};
            d.Kurven.append(k);
        }
        ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("x.ogr"), d));
        TDiagramm gelesen;
        gelesen.XMin = f.XMinVorher;
        ASSERT_TRUE(GraphDatei::GraphDateiLesen(Pfad("x.ogr"), gelesen)) << f.Name;
        EXPECT_EQ(gelesen.XMin, f.XMinErwartet) << f.Name;
    }
}

TEST_F(GraphDateiTest, EveryTruncationIsRefusedAndLeavesTheDocument) {
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("b.ogr"), Beispiel()));
    const QByteArray voll = DateiInhalt(Pfad("b.ogr"));
    TDiagramm vorher;
    vorher.Titel = QStringLiteral("bleibt");
    vorher.Kurven.resize(1);
    for (qsizetype n = 0; n < voll.size(); ++n) {
        TDiagramm d = vorher;
        // Both from memory and through the file reader, which reads in blocks.
        const auto e = GraphDatei::GraphDatenLesen(voll.constData(), n, d);
        ASSERT_EQ(e.Zustand, GraphDatei::TGraphLeseErgebnis::Unlesbar) << n;
        EXPECT_EQ(d, vorher) << n;
        EXPECT_LE(e.Position, n);
        EXPECT_FALSE(e.Meldung.isEmpty());
    }
    DateiSchreiben(Pfad("t.ogr"), voll.left(voll.size() - 1));
    TDiagramm d = vorher;
    EXPECT_EQ(GraphDatei::GraphDateiLesen(Pfad("t.ogr"), d).Zustand,
              GraphDatei::TGraphLeseErgebnis::Unlesbar);
    EXPECT_EQ(d, vorher);
}

TEST_F(GraphDateiTest, ReadingInBlocksGivesTheSameDocument) {
    // Fields and points straddle the block ends; the file reader's own blocks of about a
    // megabyte are crossed by a curve of 100000 points.
    TDiagramm d = Beispiel();
    TKurve gross;
    gross.Name = QStringLiteral("gross");
    for (int j = 0; j < 100000; ++j) {
        gross.Werte[0].append(j * 0.25 - 3);
        gross.Werte[1].append(-j);
    }
    d.Kurven.insert(1, gross);
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Pfad("g.ogr"), d));
    QByteArray bytes = DateiInhalt(Pfad("g.ogr"));
    ASSERT_GT(bytes.size(), 1 << 20);
    TDiagramm ausDatei;
    ASSERT_TRUE(GraphDatei::GraphDateiLesen(Pfad("g.ogr"), ausDatei));
    TDiagramm erwartet = d;
    erwartet.XMin = -3;
    EXPECT_EQ(ausDatei, erwartet);
    for (qint64 block : {16, 17, 31, 100, 4096}) {
        QBuffer puffer(&bytes);
        ASSERT_TRUE(puffer.open(QIODevice::ReadOnly));
        TDiagramm gelesen;
        ASSERT_TRUE(GraphDatei::GraphDatenLesen(puffer, bytes.size(), gelesen, block)) << block;
        EXPECT_EQ(gelesen, erwartet) << block;
    }
    // Cut inside the large curve: refused through the file reader as well.
    DateiSchreiben(Pfad("kurz.ogr"), bytes.left(bytes.size() / 2));
    TDiagramm vorher;
    const auto e = GraphDatei::GraphDateiLesen(Pfad("kurz.ogr"), vorher);
    EXPECT_EQ(e.Zustand, GraphDatei::TGraphLeseErgebnis::Unlesbar);
    EXPECT_EQ(vorher, TDiagramm{});
}

TEST_F(GraphDateiTest, CountsThatCannotFitAreRefusedBeforeAllocating) {
    const QByteArray leer = Layout(TDiagramm{});
    auto mitZahl = [](QByteArray b, qsizetype pos, qint32 wert) {
        qToLittleEndian(wert, b.data() + pos);
        return b;
    };
    // Curve count position: after two texts, 1+12+1 bytes and three axis groups of 47.
    const qsizetype kurvenPos = 4 + 4 + 1 + 12 + 1 + 3 * 47;
    TDiagramm eineKurve;
    eineKurve.Kurven.resize(1);
    const QByteArray mitKurve = Layout(eineKurve);
    const qsizetype punktPos = kurvenPos + 4 + 4 + 2;
    struct TFall {
        const char* Name;
        QByteArray Bytes;
    };
    const TFall faelle[] = {
        {"title length 2^31-1", mitZahl(leer, 0, 0x7FFFFFFF)},
        {"negative title length", mitZahl(leer, 0, -1)},
        {"title one byte too long", mitZahl(leer, 0, 203)},
        {"curve count 2^31-1", mitZahl(leer, kurvenPos, 0x7FFFFFFF)},
        {"negative curve count", mitZahl(leer, kurvenPos, -5)},
        {"point count 2^31-1", mitZahl(mitKurve, punktPos, 0x7FFFFFFF)},
        {"point count below -1", mitZahl(mitKurve, punktPos, -2)},
        {"one point more than there is", mitZahl(mitKurve, punktPos, 0)},
    };
    for (const TFall& f : faelle) {
        TDiagramm d;
        d.Titel = QStringLiteral("bleibt");
        const auto e = GraphDatei::GraphDatenLesen(f.Bytes.constData(), f.Bytes.size(), d);
        EXPECT_EQ(e.Zustand, GraphDatei::TGraphLeseErgebnis::Unlesbar) << f.Name;
        EXPECT_EQ(d.Titel, QStringLiteral("bleibt")) << f.Name;
    }
    // The unchanged bytes are fine.
    TDiagramm d;
    EXPECT_TRUE(GraphDatei::GraphDatenLesen(mitKurve.constData(), mitKurve.size(), d));
    EXPECT_EQ(d.Kurven.size(), 1);
}

TEST_F(GraphDateiTest, MissingAndDamagedFilesAreReportedToTheUser) {
    TSkriptBenutzer benutzer;
    TAnwendung app(benutzer);
    TDiagramm d = Beispiel();
    EXPECT_EQ(GraphDatei::GraphDateiLesen(Pfad("fehlt.ogr"), d).Zustand,
              GraphDatei::TGraphLeseErgebnis::Fehlt);
    EXPECT_FALSE(GraphDatei::GraphDateiOeffnen(app, Pfad("fehlt.ogr"), d));
    DateiSchreiben(Pfad("kaputt.ogr"), QByteArray("\x05\0\0\0ab", 6));
    EXPECT_FALSE(GraphDatei::GraphDateiOeffnen(app, Pfad("kaputt.ogr"), d));
    EXPECT_EQ(benutzer.Nummern(), (QList<int>{28, 0}));
    const QString text = benutzer.Gezeigt.last().Text;
    EXPECT_TRUE(text.contains(Pfad("kaputt.ogr"))) << text.toStdString();
    EXPECT_TRUE(text.contains(app.Texte.GraphDateiUnlesbarText)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Byte 0"))) << text.toStdString();
    EXPECT_EQ(d, Beispiel());
}

TEST_F(GraphDateiTest, FailedWriteKeepsTheOldFile) {
    EXPECT_FALSE(GraphDatei::GraphDateiSchreiben(Pfad("gibtsnicht/x.ogr"), Beispiel()));
    DateiSchreiben(Pfad("alt.ogr"), "alt");
    // A directory in the way of the file: the write fails and says why.
    const TErgebnis e = GraphDatei::GraphDateiSchreiben(Dir.path(), Beispiel());
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.Meldung.isEmpty());
    EXPECT_EQ(DateiInhalt(Pfad("alt.ogr")), QByteArray("alt"));
}

} // namespace
