// The graph window: zoom, scroll, the date/time switch, markers and read-outs, the pixel and
// value conversion, saving, the close question, printing and copying.
#include "UiTestHilfen.h"

#include "graph/Ablesung.h"
#include "graph/GraphDatei.h"
#include "shell/Uhr.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using GraphTestDaten::Grenzen;
using GraphTestDaten::Kurve;

} // namespace

TEST(GraphWin, ZoomRemovesOrAddsATenthAtEachEnd) {
    struct TFall {
        void (TMDIGraphWin::*Befehl)();
        double Min, Max;
    } const faelle[] = {{&TMDIGraphWin::ZoomGross, 10, 90}, {&TMDIGraphWin::ZoomKlein, -10, 110}};
    for (const TFall& f : faelle) {
        TGraphProgramm p;
        TMDIGraphWin& g = p.Neu();
        Grenzen(g.Diagramm.AchseUnten, 0, 100);
        g.GraphEigenschaftenSetzen();
        (g.*f.Befehl)();
        EXPECT_DOUBLE_EQ(g.Achse(1)->range().lower, f.Min);
        EXPECT_DOUBLE_EQ(g.Achse(1)->range().upper, f.Max);
        EXPECT_FALSE(g.Automatik(1));
        EXPECT_TRUE(g.Gespeichert);
    }
}

TEST(GraphWin, ScrollMovesEachAxisByATenthOfItsOwnSpan) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    Grenzen(g.Diagramm.AchseUnten, 0, 100);
    Grenzen(g.Diagramm.AchseLinks, -10, 10);
    Grenzen(g.Diagramm.AchseRechts, 0, 100);
    g.GraphEigenschaftenSetzen();
    g.ScrollRechts();
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().lower, 10);
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().upper, 110);
    g.ScrollOben();
    EXPECT_DOUBLE_EQ(g.Achse(0)->range().lower, -8);
    EXPECT_DOUBLE_EQ(g.Achse(0)->range().upper, 12);
    EXPECT_DOUBLE_EQ(g.Achse(2)->range().lower, 10);
    EXPECT_DOUBLE_EQ(g.Achse(2)->range().upper, 110);
    g.ScrollUnten();
    g.ScrollLinks();
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().lower, 0);
    EXPECT_DOUBLE_EQ(g.Achse(0)->range().lower, -10);
}

TEST(GraphWin, MainWindowScrollCommandsAreWiredCrosswise) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    Grenzen(g->Diagramm.AchseUnten, 0, 100);
    Grenzen(g->Diagramm.AchseLinks, 0, 100);
    g->GraphEigenschaftenSetzen();
    h.ActScrollLinks->trigger(); // larger X values: the curves move to the left
    EXPECT_DOUBLE_EQ(g->Achse(1)->range().lower, 10);
    h.ActScrollRechts->trigger();
    h.ActScrollRechts->trigger();
    EXPECT_DOUBLE_EQ(g->Achse(1)->range().lower, -10);
    h.ActScrollOben->trigger(); // larger Y values
    EXPECT_DOUBLE_EQ(g->Achse(0)->range().lower, 10);
}

TEST(GraphWin, RefreshUndoesTheZoomAndFitsTheData) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    g.Diagramm.Kurven = {Kurve(QStringLiteral("A"), {1, 2, 3}, {10, 30, 20})};
    Grenzen(g.Diagramm.AchseUnten, 0, 100);
    g.Diagramm.AchseLinks.MinMaxAutomatik = true;
    g.GraphEigenschaftenSetzen();
    g.ZoomGross();
    g.GraphRefresh();
    EXPECT_DOUBLE_EQ(g.Diagramm.AchseUnten.Minimum, 1);
    EXPECT_DOUBLE_EQ(g.Diagramm.AchseUnten.Maximum, 3);
    EXPECT_FALSE(g.Diagramm.AchseUnten.MinMaxAutomatik);
    EXPECT_TRUE(g.Diagramm.AchseLinks.MinMaxAutomatik);
    EXPECT_DOUBLE_EQ(g.Diagramm.AchseLinks.Maximum, 30);
}

TEST(GraphWin, DateTimeSwitchTwiceRestoresLimitsAndCurves) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    const double t0 = 45418.25; // 2024-05-06 06:00
    g.Diagramm.Kurven = {Kurve(QStringLiteral("T"), {t0, t0 + 0.5, t0 + 1}, {1, 2, 3})};
    g.Diagramm.XMin = t0;
    g.Diagramm.DatumZeitAchse = true;
    Grenzen(g.Diagramm.AchseUnten, t0, t0 + 1);
    g.GraphEigenschaftenSetzen();
    const TDiagramm vorher = g.Diagramm;

    g.DatumZeit(); // to numbers: days since the first measurement
    EXPECT_FALSE(g.Diagramm.DatumZeitAchse);
    EXPECT_NEAR(g.Diagramm.AchseUnten.Minimum, 0, 1e-9);
    EXPECT_NEAR(g.Diagramm.AchseUnten.Maximum, 1, 1e-9);
    EXPECT_NEAR(g.Achse(1)->range().upper, 1, 1e-9);
    EXPECT_NEAR(g.Diagramm.Kurven[0].Start, -t0, 1e-9);

    g.DatumZeit(); // back to date and time
    EXPECT_TRUE(g.Diagramm.DatumZeitAchse);
    EXPECT_NEAR(g.Diagramm.AchseUnten.Minimum, vorher.AchseUnten.Minimum, 1e-9);
    EXPECT_NEAR(g.Diagramm.AchseUnten.Maximum, vorher.AchseUnten.Maximum, 1e-9);
    EXPECT_NEAR(g.Diagramm.Kurven[0].Start, 0, 1e-9);
    EXPECT_DOUBLE_EQ(g.Diagramm.Kurven[0].Intervall, 1);
}

TEST(GraphWin, PixelAndValueConversionAgreeOnThePlotRectangle) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    Grenzen(g.Diagramm.AchseUnten, 0, 100);
    Grenzen(g.Diagramm.AchseLinks, -10, 10);
    Grenzen(g.Diagramm.AchseRechts, 0, 1000);
    g.GraphEigenschaftenSetzen();
    const QRect r = g.PlotRechteck();
    const auto ecke = g.BerechneRealWerte(r.left(), r.top() + r.height());
    EXPECT_DOUBLE_EQ(ecke.X, 0);
    EXPECT_DOUBLE_EQ(ecke.YLinks, -10);
    EXPECT_DOUBLE_EQ(ecke.YRechts, 0);
    const auto oben = g.BerechneRealWerte(r.left() + r.width(), r.top());
    EXPECT_DOUBLE_EQ(oben.X, 100);
    EXPECT_DOUBLE_EQ(oben.YLinks, 10);
    EXPECT_DOUBLE_EQ(oben.YRechts, 1000);
    const QPoint punkt(r.left() + r.width() / 3, r.top() + r.height() / 4);
    const auto w = g.BerechneRealWerte(punkt.x(), punkt.y());
    const QPoint zurueck = g.BerechnePixelWerte(w.X, w.YLinks);
    EXPECT_LE(std::abs(zurueck.x() - punkt.x()), 1);
    EXPECT_LE(std::abs(zurueck.y() - punkt.y()), 1);
    // The chart draws value 0 of the bottom axis where the conversion puts it.
    EXPECT_NEAR(g.Achse(1)->coordToPixel(w.X), punkt.x(), 1.0);
}

TEST(GraphWin, AxisCaptionSplitsAtTheFirstSeparator) {
    struct {
        const char *Beschriftung, *Titel, *Einheit;
    } const faelle[] = {{"Temperatur / °C", "Temperatur", "°C"},
                        {"Spannung / V / x", "Spannung", "V / x"},
                        {"Zeit", "Zeit", ""},
                        {"", "", ""}};
    for (const auto& f : faelle) {
        EXPECT_EQ(TMDIGraphWin::AchsenTitel(QString::fromUtf8(f.Beschriftung)),
                  QString::fromUtf8(f.Titel));
        EXPECT_EQ(TMDIGraphWin::AchsenEinheit(QString::fromUtf8(f.Beschriftung)),
                  QString::fromUtf8(f.Einheit));
    }
}

TEST(GraphWin, MarkersAreArmedSetByALeftClickAndShowTheirDifferences) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const auto einheit = [](const char* name, const char* zeichen) {
        TEinheiten e;
        e.Name = QString::fromUtf8(name);
        e.Zeichen = QString::fromUtf8(zeichen);
        return e;
    };
    p.App.AppConst.Einheiten = {einheit("<>", ""), einheit("Volt", "V"), einheit("Sekunde", "s")};
    TMDIGraphWin* g = h.DateiNeuClick();
    g->parentWidget()->resize(900, 600);
    TDiagramm& d = g->Diagramm;
    d.AchseLinks.Titel = QStringLiteral("Spannung");
    d.AchseLinks.Einheit = QStringLiteral("Volt");
    d.AchseUnten.Titel = QStringLiteral("Zeit");
    d.AchseUnten.Einheit = QStringLiteral("Sekunde");
    d.AchseRechts.Titel = QStringLiteral("Strom");
    Grenzen(d.AchseUnten, 0, 100);
    Grenzen(d.AchseLinks, -10, 10);
    Grenzen(d.AchseRechts, 0, 1);
    d.Kurven = {Kurve(QStringLiteral("I"), {0, 100}, {0.2, 0.8})};
    d.Kurven[0].AchseRechts = true;
    g->GraphEigenschaftenSetzen();
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Achse(0)->label(), QStringLiteral("Spannung / V"));
    const QRect r = g->PlotRechteck();
    const QPoint p1 = r.topLeft() + QPoint(r.width() / 4, r.height() / 4);
    const QPoint p2 = r.topLeft() + QPoint(r.width() * 3 / 4, r.height() * 3 / 4);

    // Nothing armed: a left click changes nothing (it only starts a zoom rectangle).
    const TDiagramm vorher = d;
    QTest::mouseClick(g->Chart, Qt::LeftButton, {}, p1);
    EXPECT_EQ(d, vorher);

    h.ActMarker1->trigger();
    EXPECT_TRUE(h.ActMarker1->isChecked()); // armed: the tool button is pressed
    QTest::mouseClick(g->Chart, Qt::RightButton, {}, p1);
    EXPECT_FALSE(d.Marker1Sichtbar); // a right click never sets a marker
    QTest::mouseClick(g->Chart, Qt::LeftButton, {}, p1);
    EXPECT_TRUE(d.Marker1Sichtbar);
    EXPECT_FALSE(h.ActMarker1->isChecked());
    const auto w1 = g->BerechneRealWerte(p1.x(), p1.y());
    EXPECT_DOUBLE_EQ(d.Marker1X, w1.X);
    EXPECT_DOUBLE_EQ(d.Marker1YLinks, w1.YLinks);

    h.ActMarker2->trigger();
    QTest::mouseClick(g->Chart, Qt::LeftButton, {}, p2);
    ASSERT_TRUE(d.Marker2Sichtbar);
    const auto w2 = g->BerechneRealWerte(p2.x(), p2.y());

    // The read-outs under the cursor and the marker differences.
    QTest::mouseMove(g->Chart, p2);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(p2), QPointF(g->Chart->mapToGlobal(p2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    g->ChartMouseMove(&bewegung);
    // Each read-out as precise as its axis span calls for (20, 100 and 1 here).
    EXPECT_EQ(g->StatusText(1, 0),
              QStringLiteral("Spannung=") + Ablesung::Zahl(w2.YLinks, 20) + " V");
    EXPECT_EQ(g->StatusText(1, 1), QStringLiteral("Zeit=") + Ablesung::Zahl(w2.X, 100) + " s");
    EXPECT_EQ(g->StatusText(1, 2), QStringLiteral("Strom=") + Ablesung::Zahl(w2.YRechts, 1));
    EXPECT_EQ(g->StatusText(2, 0),
              QStringLiteral("Delta Y links=") + Ablesung::Zahl(w2.YLinks - w1.YLinks, 20) + " V");
    EXPECT_EQ(g->StatusText(2, 1),
              QStringLiteral("Delta X=") + Ablesung::Zahl(w2.X - w1.X, 100) + " s");
    EXPECT_EQ(g->Fadenkreuz(), p2);

    // With no curve on the right axis there is no right axis, and nothing to read there.
    d.Kurven[0].AchseRechts = false;
    g->GraphEigenschaftenSetzen();
    g->ChartMouseMove(&bewegung);
    EXPECT_FALSE(g->Achse(2)->visible());
    EXPECT_TRUE(g->StatusText(1, 2).isEmpty());
    EXPECT_TRUE(g->StatusText(2, 2).isEmpty());
    EXPECT_FALSE(g->StatusText(1, 0).isEmpty());

    // The command again clears the marker and its values.
    h.ActMarker1->trigger();
    EXPECT_FALSE(d.Marker1Sichtbar);
    EXPECT_EQ(d.Marker1X, 0);
    EXPECT_FALSE(h.ActMarker1->isChecked());
    EXPECT_TRUE(g->Gespeichert);
}

TEST(GraphWin, CrossHairMovesWithoutRedrawingTheCurves) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    g.Diagramm.Kurven = {Kurve(QStringLiteral("A"), {0, 1, 2}, {0, 1, 0})};
    g.GraphEigenschaftenSetzen();
    int neuGezeichnet = 0;
    QObject::connect(g.Chart, &QCustomPlot::afterReplot, [&] { ++neuGezeichnet; });
    const QRect r = g.PlotRechteck();
    for (int i = 1; i < 10; ++i) {
        QTest::mouseMove(g.Chart, r.topLeft() + QPoint(i * r.width() / 10, r.height() / 2));
    }
    EXPECT_EQ(neuGezeichnet, 0);
    QTest::mouseMove(g.Chart, QPoint(1, 1)); // outside the plot: the cross-hair goes
    EXPECT_EQ(g.Fadenkreuz().x(), -1);
}

TEST(GraphWin, CloseQuestionYesWithACancelledSaveKeepsTheWindow) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    QPointer<QMdiSubWindow> rahmen = qobject_cast<QMdiSubWindow*>(g->parentWidget());
    g->Gespeichert = false; // as after storing the properties dialog's changes
    p.Benutzer.Antworten = {mrYes};
    p.Benutzer.Dateien = {std::nullopt};
    EXPECT_FALSE(rahmen->close());
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{30});
    EXPECT_EQ(h.GraphFenster().size(), 1);

    // No closes without saving and stores the window geometry.
    p.Benutzer.Antworten = {mrNo};
    EXPECT_TRUE(rahmen->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rahmen.isNull());
    EXPECT_TRUE(h.GraphFenster().isEmpty());

    // A graph that was only zoomed and given markers closes without a question.
    p.Benutzer.Gezeigt.clear();
    TMDIGraphWin* zweiter = h.DateiNeuClick();
    zweiter->ZoomGross();
    zweiter->Diagramm.Marker1Sichtbar = true;
    EXPECT_TRUE(zweiter->parentWidget()->close());
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
}

TEST(GraphWin, SavingANewGraphProposesItsNameAndThenWritesWithoutAsking) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.DateiNeuClick();
    h.DateiNeuClick();
    TMDIGraphWin* g = h.DateiNeuClick();
    const QString ziel = p.App.AppConst.DatenPfad + QStringLiteral("Graph3.ogr");
    p.Benutzer.Dateien = {ziel};
    h.ActDateiSpeichern->trigger();
    ASSERT_EQ(p.Benutzer.DateiDialoge.size(), 1);
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].DateiName, QStringLiteral("Graph3.ogr"));
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].Verzeichnis, p.App.AppConst.DatenPfad);
    EXPECT_EQ(g->windowTitle(), ziel);
    EXPECT_TRUE(QFileInfo::exists(ziel));

    g->Diagramm.Titel = QStringLiteral("Zweite Fassung");
    h.ActDateiSpeichern->trigger();
    EXPECT_EQ(p.Benutzer.DateiDialoge.size(), 1); // no second dialog
    TDiagramm gelesen;
    ASSERT_TRUE(GraphDatei::GraphDateiLesen(ziel, gelesen));
    EXPECT_EQ(gelesen.Titel, QStringLiteral("Zweite Fassung"));

    // Save as onto an existing file asks (message 12); No leaves the file as it was.
    const QByteArray inhalt = DateiInhalt(ziel);
    g->Diagramm.Titel = QStringLiteral("Dritte");
    p.Benutzer.Dateien = {ziel};
    p.Benutzer.Antworten = {mrNo};
    h.ActDateiSpeichernUnter->trigger();
    EXPECT_EQ(p.Benutzer.DateiDialoge.last().DateiName, QStringLiteral("Graph3.ogr"));
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{12});
    EXPECT_EQ(DateiInhalt(ziel), inhalt);

    // The saved file opens in a window of its own.
    TMDIGraphWin* offen = h.GraphFensterOeffnen(ziel);
    EXPECT_EQ(offen->Diagramm.Titel, QStringLiteral("Zweite Fassung"));
    p.Benutzer.Gezeigt.clear();
    // A missing one gives message 28 and no window.
    TMDIGraphWin* fehlt = h.GraphFensterOeffnen(p.Pfad(QStringLiteral("Daten/fehlt.ogr")));
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{28});
    EXPECT_EQ(fehlt, nullptr);
}

TEST(GraphWin, ExportAsksBeforeOverwritingAndRefusesUnknownExtensions) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu(QStringLiteral("Graph1"));
    p.App.AppConst.DatenPfad = p.Pfad(QStringLiteral("Daten/"));
    g.Diagramm.Kurven = {Kurve(QStringLiteral("A"), {1, 2, 3}, {10, 20, 30})};
    const QString csv = p.Pfad(QStringLiteral("Daten/a.csv"));
    p.Benutzer.Dateien = {csv};
    g.DateiExportieren();
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].DateiName, QStringLiteral("Graph1"));
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].StandardEndung, QStringLiteral("csv"));
    EXPECT_EQ(DateiInhalt(csv), QByteArray("AX,AY\r\n1,10\r\n2,20\r\n3,30\r\n,\r\n"));

    g.Diagramm.Kurven[0].Name = QStringLiteral("B");
    p.Benutzer.Dateien = {csv};
    p.Benutzer.Antworten = {mrNo};
    g.DateiExportieren();
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{12});
    EXPECT_TRUE(DateiInhalt(csv).startsWith("AX"));

    p.Benutzer.Gezeigt.clear();
    const QString gross = p.Pfad(QStringLiteral("Daten/a.TXT"));
    p.Benutzer.Dateien = {gross};
    g.DateiExportieren();
    EXPECT_FALSE(QFileInfo::exists(gross));
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{0});
}

TEST(GraphWin, PrintingGivesOneLandscapePageAndRestoresTheOrientation) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    g.Diagramm.Titel = QStringLiteral("Druckprobe");
    g.Diagramm.Kurven = {Kurve(QStringLiteral("A"), {0, 1, 2}, {0, 1, 0})};
    g.GraphEigenschaftenSetzen();
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = p.Pfad(QStringLiteral("druck.pdf"));
    drucker.setOutputFileName(pdf);
    drucker.setPageOrientation(QPageLayout::Portrait);
    g.DruckerSetzen(&drucker);
    p.App.AppConst.InternerName = QStringLiteral("ORVAN");
    Uhr::Stellen([] { return 45418.5; });
    g.GraphDrucken();
    Uhr::Stellen({});
    EXPECT_EQ(drucker.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(drucker.docName(), QStringLiteral("ORVAN  Ausdruck vom 06.05.2024 12:00:00.000"));
    const QByteArray inhalt = DateiInhalt(pdf);
    ASSERT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r") +
                  inhalt.count("/Type /Page "),
              1);
    // The media box of the page is wider than high.
    const qsizetype box = inhalt.indexOf("/MediaBox");
    ASSERT_GE(box, 0);
    const QList<QByteArray> zahlen =
        inhalt.mid(box, 60).split('[').value(1).split(']').value(0).simplified().split(' ');
    ASSERT_EQ(zahlen.size(), 4);
    EXPECT_GT(zahlen[2].toDouble(), zahlen[3].toDouble());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(GraphWin, PrintMarginsAreFivePercentRoundedHalfToEven) {
    EXPECT_EQ(TMDIGraphWin::DruckRechteck(3300, 2550), QRect(QPoint(165, 128), QPoint(3135, 2422)));
    EXPECT_EQ(TMDIGraphWin::DruckRechteck(1000, 500), QRect(QPoint(50, 25), QPoint(950, 475)));
}

TEST(GraphWin, CopyPutsABitmapOfTheChartsSizeOnTheClipboard) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    g->Diagramm.Kurven = {Kurve(QStringLiteral("A"), {0, 1, 2}, {0, 1, 0})};
    g->GraphEigenschaftenSetzen();
    h.ActKopieren->trigger();
    const QImage bild = QGuiApplication::clipboard()->image();
    EXPECT_EQ(bild.size(), g->Chart->size());
    EXPECT_FALSE(bild.isNull());
}
