// orvan-cli render: the picture of a graph file without a display, as PNG, SVG and PDF.
#include "CliLauf.h"

#include "graph/GraphDatei.h"

#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const TColor kFarben[4] = {Farbe::clRed, Farbe::clGreen, Farbe::clBlue, Farbe::clFuchsia};

TDiagramm Vierkurven() {
    TDiagramm d;
    d.Titel = QStringLiteral("Vier Kurven");
    d.Schriftfarbe = Farbe::clBlack;
    d.Rahmenfarbe = Farbe::clWhite;
    d.Hintergrundfarbe = Farbe::clWhite;
    d.Legende = true;
    for (TAchse* a : {&d.AchseLinks, &d.AchseUnten, &d.AchseRechts}) {
        a->MinMaxAutomatik = true;
        a->GitterAutomatik = true;
        a->Gitterfarbe = Farbe::clSilver;
    }
    for (int c = 0; c < 4; ++c) {
        TKurve k;
        k.Name = QStringLiteral("Kanal %1").arg(c + 1);
        k.Sichtbar = true;
        k.LinieSichtbar = true;
        k.Linienbreite = 3;
        k.Linienfarbe = kFarben[c];
        k.Intervall = 1;
        k.YFaktor = 1;
        for (int j = 0; j <= 200; ++j) {
            k.Werte[0] << j;
            k.Werte[1] << 10 * c + 3 * std::sin(j / 20.0);
        }
        d.Kurven << k;
    }
    return d;
}

QColor QtFarbe(TColor f) {
    return QColor(int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF));
}

int Pixel(const QImage& bild, QRect bereich, const std::function<bool(QColor)>& passt) {
    int n = 0;
    bereich = bereich.intersected(bild.rect());
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            n += passt(bild.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return n;
}

struct TRender : ::testing::Test {
    TCliHeim Heim;
    QString Graph;
    void SetUp() override {
        Graph = Heim.Pfad(QStringLiteral("vier.ogr"));
        ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(Graph, Vierkurven()));
    }
};

} // namespace

TEST_F(TRender, PngHasTheSizeTheTitleAndEveryCurveColour) {
    struct TFall {
        const char* Groesse;
        QSize Erwartet;
    } const faelle[] = {{nullptr, QSize(1200, 700)},
                        {"800x500", QSize(800, 500)},
                        {"800x500@2x", QSize(1600, 1000)}};
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Groesse ? f.Groesse : "default");
        const QString png = Heim.Pfad(QStringLiteral("bild.png"));
        QStringList argumente{QStringLiteral("render"), Graph, png};
        if (f.Groesse) {
            argumente << QStringLiteral("--size") << QString::fromUtf8(f.Groesse);
        }
        const TCliLauf lauf = Heim.Lauf(argumente);
        ASSERT_EQ(lauf.Ergebnis, 0) << lauf.Fehler.toStdString();
        const QImage bild(png);
        ASSERT_EQ(bild.size(), f.Erwartet);
        // The title row (the top 6 %) holds dark pixels: the title text.
        const QRect titel(0, 0, bild.width(), bild.height() * 6 / 100);
        EXPECT_GT(Pixel(bild, titel, [](QColor c) { return c.lightness() < 80; }), 20);
        // The left half of the plot (away from the legend in the top right corner) holds
        // every curve's colour.
        const QRect plot(bild.width() / 8, bild.height() / 8, bild.width() * 3 / 8,
                         bild.height() * 3 / 4);
        for (TColor farbe : kFarben) {
            EXPECT_GT(Pixel(bild, plot, [&](QColor c) { return c == QtFarbe(farbe); }), 30)
                << "colour " << farbe;
        }
    }
}

TEST_F(TRender, SvgAndPdfOpenAndKeepTheAspect) {
    const QString svg = Heim.Pfad(QStringLiteral("bild.svg"));
    ASSERT_EQ(Heim.Lauf({QStringLiteral("render"), Graph, svg, QStringLiteral("--size"),
                         QStringLiteral("900x450")})
                  .Ergebnis,
              0);
    const QImage svgBild(svg);
    ASSERT_FALSE(svgBild.isNull());
    EXPECT_EQ(svgBild.size(), QSize(900, 450));

    const QString pdf = Heim.Pfad(QStringLiteral("bild.pdf"));
    ASSERT_EQ(Heim.Lauf({QStringLiteral("render"), Graph, pdf, QStringLiteral("--size"),
                         QStringLiteral("900x450")})
                  .Ergebnis,
              0);
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.read(5).startsWith("%PDF"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "pdftoppm is missing (scripts/setup-deps installs poppler-utils)";
    }
    const QString ausgabe = Heim.Pfad(QStringLiteral("seite"));
    ASSERT_EQ(QProcess::execute(pdftoppm,
                                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                 QStringLiteral("-singlefile"), pdf, ausgabe}),
              0);
    const QImage seite(ausgabe + QStringLiteral(".png"));
    ASSERT_FALSE(seite.isNull());
    EXPECT_NEAR(double(seite.width()) / seite.height(), 2.0, 0.02);
    EXPECT_GT(Pixel(seite, seite.rect(),
                    [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }),
              10)
        << "the red curve is on the page";
}

TEST_F(TRender, WrongCallsAreRefusedAndWriteNothing) {
    struct TFall {
        const char* Name;
        QStringList Argumente;
        int Ergebnis;
    } const faelle[] = {
        {"unknown extension", {Graph, Heim.Pfad(QStringLiteral("a.bmp"))}, 1},
        {"bad size",
         {Graph, Heim.Pfad(QStringLiteral("a.png")), QStringLiteral("--size"),
          QStringLiteral("10x10")},
         1},
        {"missing graph",
         {Heim.Pfad(QStringLiteral("fehlt.ogr")), Heim.Pfad(QStringLiteral("a.png"))},
         2},
        {"one name", {Graph}, 1},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TCliLauf lauf = Heim.Lauf(QStringList{QStringLiteral("render")} + f.Argumente);
        EXPECT_EQ(lauf.Ergebnis, f.Ergebnis) << lauf.Fehler.toStdString();
        EXPECT_FALSE(lauf.Fehler.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(Heim.Pfad(QStringLiteral("a.png"))));
        EXPECT_FALSE(QFileInfo::exists(Heim.Pfad(QStringLiteral("a.bmp"))));
    }
}

TEST_F(TRender, NamesAfterDoubleDashAreFilesEvenWhenTheyStartWithDashes) {
    // Names relative to the working directory, so that they start with "--".
    const QString graph = QStringLiteral("--g.ogr");
    const QString bild = QStringLiteral("--x.png");
    ASSERT_TRUE(QFile::copy(Graph, Heim.Pfad(graph)));
    struct TFall {
        const char* Name;
        QStringList Argumente;
        int Ergebnis;
    } const faelle[] = {
        {"a name like an option before --", {graph, bild}, 1},
        {"both names after --", {QStringLiteral("--"), graph, bild}, 0},
        {"size before --, names after it",
         {QStringLiteral("--size"), QStringLiteral("300x200"), QStringLiteral("--"), graph, bild},
         0},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        QFile::remove(Heim.Pfad(bild));
        const TCliLauf lauf =
            Heim.Lauf(QStringList{QStringLiteral("render")} + f.Argumente, 60000, Heim.Pfad());
        EXPECT_EQ(lauf.Ergebnis, f.Ergebnis) << lauf.Fehler.toStdString();
        EXPECT_EQ(QFileInfo::exists(Heim.Pfad(bild)), f.Ergebnis == 0);
        if (f.Ergebnis == 0) {
            EXPECT_FALSE(QImage(Heim.Pfad(bild)).isNull());
        } else {
            EXPECT_TRUE(lauf.Fehler.contains(QStringLiteral("unknown option: --g.ogr")))
                << lauf.Fehler.toStdString();
        }
    }
    // The size given before "--" was taken.
    EXPECT_EQ(QImage(Heim.Pfad(bild)).size(), QSize(300, 200));
}

TEST_F(TRender, MessagesOfTheDrawingProgramAreOneLineEach) {
    // A graph file cut short: the drawing program reads it and reports message 0, whose text
    // has several lines; the program directory has no language file, which the start-up
    // reports too.
    QFile ganz(Graph);
    ASSERT_TRUE(ganz.open(QIODevice::ReadOnly));
    const QString kaputt = Heim.Pfad(QStringLiteral("kaputt.ogr"));
    QFile teil(kaputt);
    ASSERT_TRUE(teil.open(QIODevice::WriteOnly));
    teil.write(ganz.read(300));
    teil.close();
    const TCliLauf lauf =
        Heim.Lauf({QStringLiteral("render"), kaputt, Heim.Pfad(QStringLiteral("k.png"))});
    EXPECT_EQ(lauf.Ergebnis, 2);
    EXPECT_FALSE(QFileInfo::exists(Heim.Pfad(QStringLiteral("k.png"))));
    EXPECT_FALSE(lauf.Fehler.contains(QChar(13))) << lauf.Fehler.toStdString();
    const QStringList zeilen = lauf.Fehler.split(QChar(10), Qt::SkipEmptyParts);
    const auto zeile = [&](const QString& anfang) {
        for (const QString& z : zeilen) {
            if (z.startsWith(anfang)) {
                return z;
            }
        }
        return QString();
    };
    // The read error: file name, reason and position on one line, joined by \r.
    const QString lesen = zeile(QStringLiteral("message 0: "));
    EXPECT_TRUE(lesen.contains(QStringLiteral("\\r") + kaputt + QStringLiteral("\\r")))
        << lauf.Fehler.toStdString();
    EXPECT_TRUE(lesen.contains(QStringLiteral("(Byte "))) << lesen.toStdString();
    EXPECT_TRUE(zeile(QStringLiteral("message 27: ")).contains(QStringLiteral("\\r")))
        << lauf.Fehler.toStdString();
}
