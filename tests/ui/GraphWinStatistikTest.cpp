// The statistics table of a graph window: it follows the markers, shows each curve's value
// at the cross-hair, snaps a marker to a chosen curve, copies its rows as tab-separated
// text and exports them to a file of their own.
#include "UiTestHilfen.h"

#include "graph/Statistik.h"
#include "graph/StatistikTabelle.h"
#include "graph/ui/TStatistikTafel.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// X 0..100 in steps of 1; "Gerade" Y = 2 X + 1 (left axis), "Quadrat" Y = X^2 / 100 (right).
struct TStatistikFenster : TGraphProgramm {
    TMDIGraphWin* G = nullptr;

    TStatistikFenster() {
        App.AppConst.FensterStatistik = true;
        G = &Neu();
        TDiagramm& d = G->Diagramm;
        QVector<double> x, gerade, quadrat;
        for (int i = 0; i <= 100; ++i) {
            x << i;
            gerade << 2 * i + 1;
            quadrat << i * i / 100.0;
        }
        for (const auto& [name, y, rechts] :
             {std::tuple{"Gerade", gerade, false}, std::tuple{"Quadrat", quadrat, true}}) {
            TKurve k;
            k.Name = QString::fromLatin1(name);
            k.Sichtbar = true;
            k.LinieSichtbar = true;
            k.Linienbreite = 1;
            k.AchseRechts = rechts;
            k.Werte = {x, y};
            d.Kurven << k;
        }
        for (TAchse* a : {&d.AchseUnten, &d.AchseLinks, &d.AchseRechts}) {
            a->Minimum = 0;
            a->Maximum = a == &d.AchseLinks ? 201 : 100;
            a->MinMaxAutomatik = false;
        }
        G->GraphEigenschaftenSetzen();
        QCoreApplication::processEvents();
    }

    QTableWidget& Tabelle() const { return *G->StatistikTafel->Tabelle; }
    QString Feld(int zeile, int spalte) const { return Tabelle().item(zeile, spalte)->text(); }
    // The full text of a field (its tool tip), as copy and export give it.
    QString Voll(int zeile, int spalte) const { return Tabelle().item(zeile, spalte)->toolTip(); }
    int Spalte(const QString& kopf) const {
        for (int c = 0; c < Tabelle().columnCount(); ++c) {
            if (Tabelle().horizontalHeaderItem(c)->text().startsWith(kopf)) {
                return c;
            }
        }
        return -1;
    }

    // The pixel of shown X `x` on the plot's middle line.
    QPoint Pixel(double x) const { return G->BerechnePixelWerte(x, 100); }

    // Arms a marker (clearing it first when set) and clicks at shown X `x`.
    void MarkerSetzen(int nummer, double x) {
        TDiagramm& d = G->Diagramm;
        if (nummer == 0 ? d.Marker1Sichtbar : d.Marker2Sichtbar) {
            nummer == 0 ? G->Marker1() : G->Marker2();
        }
        nummer == 0 ? G->Marker1() : G->Marker2();
        QTest::mouseClick(G->Chart, Qt::LeftButton, {}, Pixel(x));
        QCoreApplication::processEvents();
    }
};

// The number of points with integer X in [a, b], counted here.
int Anzahl(double a, double b) {
    return int(std::floor(std::max(a, b)) - std::ceil(std::min(a, b))) + 1;
}

} // namespace

TEST(GraphWinStatistik, MovingAMarkerChangesTheTable) {
    TStatistikFenster f;
    ASSERT_TRUE(f.G->StatistikTafel->isVisible());
    // No markers: the visible range, every point.
    EXPECT_TRUE(f.G->StatistikTafel->LblBereich->text().startsWith(
        QStringLiteral("Bereich  Sichtbarer Bereich")));
    ASSERT_EQ(f.Tabelle().rowCount(), 2);
    EXPECT_EQ(f.Feld(0, 0), QStringLiteral("Gerade"));
    EXPECT_EQ(f.Feld(0, f.Spalte("Punkte")), QStringLiteral("101"));

    f.MarkerSetzen(0, 20.4);
    f.MarkerSetzen(1, 80.4);
    const TDiagramm& d = f.G->Diagramm;
    ASSERT_TRUE(d.Marker1Sichtbar && d.Marker2Sichtbar);
    EXPECT_TRUE(
        f.G->StatistikTafel->LblBereich->text().startsWith(QStringLiteral("Bereich  Marker")));
    const int n1 = Anzahl(d.Marker1X, d.Marker2X);
    EXPECT_EQ(f.Feld(0, f.Spalte("Punkte")), QString::number(n1));
    const QString vorher = f.Feld(0, f.Spalte("Mittel"));

    // Marker 1 moves to the right of marker 2: the table follows (reverse order is fine).
    f.MarkerSetzen(0, 90.6);
    const int n2 = Anzahl(d.Marker1X, d.Marker2X);
    ASSERT_NE(n1, n2);
    EXPECT_EQ(f.Feld(0, f.Spalte("Punkte")), QString::number(n2));
    EXPECT_NE(f.Feld(0, f.Spalte("Mittel")), vorher);
    // The figures are the core's: on screen with the digits the row calls for, in full in
    // the tool tip.
    const TKurvenStatistik s =
        Statistik::KurveAuswerten(d.Kurven[0], d.Marker1X, d.Marker2X, false);
    EXPECT_EQ(f.Feld(0, f.Spalte("Mittel")),
              StatistikTabelle::AnzeigeZahl(*s.Mittelwert, StatistikTabelle::AnzeigeStellen(s)));
    EXPECT_EQ(f.Voll(0, f.Spalte("Mittel")), Zahlen::GleitzahlText(*s.Mittelwert));
    EXPECT_EQ(f.Feld(0, f.Spalte("Steigung")), QStringLiteral("2"));

    // A curve that changes (hidden) leaves the table.
    f.G->Diagramm.Kurven[0].Sichtbar = false;
    f.G->GraphEigenschaftenSetzen();
    QCoreApplication::processEvents();
    ASSERT_EQ(f.Tabelle().rowCount(), 1);
    EXPECT_EQ(f.Feld(0, 0), QStringLiteral("Quadrat"));
}

TEST(GraphWinStatistik, CursorColumnSnapCopyAndExport) {
    TStatistikFenster f;
    const QPoint p = f.Pixel(30.5);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(p), QPointF(f.G->Chart->mapToGlobal(p)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    f.G->ChartMouseMove(&bewegung);
    const double x = f.G->BerechneRealWerte(p.x(), p.y()).X;
    // Straight line between the neighbours: 2 x + 1 on the line, and between the two
    // squares on either side for the other curve.
    const double a = std::floor(x), b = a + 1;
    const double quadrat = a * a / 100 + (x - a) * (b * b - a * a) / 100;
    const int cursor = f.Spalte("Cursor");
    EXPECT_EQ(f.Voll(0, cursor), Zahlen::GleitzahlText(2 * x + 1));
    EXPECT_NEAR(Zahlen::GleitzahlLesen(f.Voll(1, cursor)).value_or(-1), quadrat, 1e-9);
    // On screen with the row's decimals: "Gerade" spans 200 (four digits: one decimal).
    EXPECT_EQ(f.Feld(0, cursor), QString::number(2 * x + 1, 'f', 1));

    // Snapping to "Quadrat": the marker lands on its nearest point, value on the right axis.
    f.G->StatistikTafel->CmbFangen->setCurrentIndex(2);
    f.MarkerSetzen(0, 40.3);
    EXPECT_EQ(f.G->Diagramm.Marker1X, 40);
    EXPECT_EQ(f.G->Diagramm.Marker1YRechts, 16);
    f.MarkerSetzen(1, 59.8);
    EXPECT_EQ(f.G->Diagramm.Marker2X, 60);
    EXPECT_EQ(f.Feld(0, f.Spalte("Punkte")), QStringLiteral("21"));
    EXPECT_EQ(f.Feld(0, f.Spalte("Integral")), QStringLiteral("2020")); // (81+121)/2 * 20

    // Ctrl+C in the table: the range line, the header and the selected row.
    f.Tabelle().selectRow(1);
    QTest::keyClick(&f.Tabelle(), Qt::Key_C, Qt::ControlModifier);
    const QStringList kopie = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(kopie.size(), 4) << QGuiApplication::clipboard()->text().toStdString();
    EXPECT_TRUE(kopie[0].startsWith(QStringLiteral("Bereich\tMarker\t40\t60")));
    EXPECT_TRUE(kopie[1].startsWith(QStringLiteral("Kurve\tEinheit\tPunkte\t")));
    EXPECT_TRUE(kopie[2].startsWith(QStringLiteral("Quadrat\t\t21\t16\t40\t36\t60\t")));

    // Export: a file of its own, all rows, CR LF.
    const QString ziel = f.Pfad(QStringLiteral("stat.txt"));
    f.Benutzer.Dateien << ziel;
    f.G->StatistikTafel->BtnExport->click();
    const QList<QByteArray> zeilen = DateiInhalt(ziel).split('\n');
    ASSERT_EQ(zeilen.size(), 5); // range, header, two curves, nothing after the last CR LF
    EXPECT_TRUE(zeilen[2].startsWith("Gerade\t\t21\t81\t40\t121\t60\t101\t"));
    EXPECT_TRUE(zeilen[2].endsWith("\r"));
    // A directory that does not exist: message 29, nothing written.
    f.Benutzer.Dateien << f.Pfad(QStringLiteral("fehlt/stat.txt"));
    f.G->StatistikTafel->BtnExport->click();
    EXPECT_EQ(f.Benutzer.Nummern().last(), 29);

    // Hidden by its button: remembered for the next window.
    f.G->findChild<QToolButton*>(QStringLiteral("BtnStatistik"))->click();
    EXPECT_FALSE(f.G->StatistikTafel->isVisible());
    EXPECT_FALSE(f.App.AppConst.FensterStatistik);
    EXPECT_FALSE(f.Neu(QStringLiteral("Graph2")).StatistikTafel->isVisible());
}
