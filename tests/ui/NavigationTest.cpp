// Moving about in a graph and reaching files: the mouse wheel zooms about the mouse, the zoom
// history walks back and forth, "Gehe zu Zeitpunkt" centres on a typed time, a click on the
// legend hides a curve (kept in the file), the files opened last survive a restart, and files
// dropped on the window (or named on the command line) open by their kind.
#include "UiTestHilfen.h"

#include "graph/GraphDatei.h"
#include "measurement/MessDateiSchreiber.h"
#include "measurement/MessTestHilfen.h"
#include "shell/DatumZeit.h"

#include <qcustomplot.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using GraphTestDaten::Grenzen;
using GraphTestDaten::Kurve;

// A graph of two curves on fixed axes: bottom 0..100, left -10..10, right 0..1.
void Fuellen(TMDIGraphWin& g) {
    TDiagramm& d = g.Diagramm;
    d.Kurven = {Kurve(QStringLiteral("A"), {0, 50, 100}, {-5, 5, 0}),
                Kurve(QStringLiteral("B"), {0, 50, 100}, {0.2, 0.4, 0.6})};
    d.Kurven[1].AchseRechts = true;
    d.Legende = true;
    Grenzen(d.AchseUnten, 0, 100);
    Grenzen(d.AchseLinks, -10, 10);
    Grenzen(d.AchseRechts, 0, 1);
    g.GraphEigenschaftenSetzen();
    g.Chart->replot();
    QCoreApplication::processEvents();
}

void Rad(TMDIGraphWin& g, QPoint p, int winkel, Qt::KeyboardModifiers tasten = {}) {
    const QPointF ort(p);
    const QPointF global(g.Chart->mapToGlobal(p));
    QWheelEvent rad(ort, global, QPoint(), QPoint(0, winkel), Qt::NoButton, tasten,
                    Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(g.Chart, &rad);
}

QMdiSubWindow* Rahmen(TMDIGraphWin* fenster) {
    return qobject_cast<QMdiSubWindow*>(fenster->parentWidget());
}

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

void Fallenlassen(TMainForm& h, const QStringList& dateien, QPoint ort) {
    QMimeData daten;
    QList<QUrl> urls;
    for (const QString& d : dateien) {
        urls.append(QUrl::fromLocalFile(d));
    }
    daten.setUrls(urls);
    QDragEnterEvent hinein(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&h, &hinein);
    ASSERT_TRUE(hinein.isAccepted());
    QDropEvent ablegen(QPointF(ort), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&h, &ablegen);
}

} // namespace

TEST(Navigation, TheWheelZoomsAboutTheMouseOnTheAxesTheModifiersLeave) {
    struct TFall {
        const char* Name;
        Qt::KeyboardModifiers Tasten;
        bool X, Y;
    };
    const TFall faelle[] = {
        {"plain: all axes", Qt::NoModifier, true, true},
        {"Shift: X only", Qt::ShiftModifier, true, false},
        {"Ctrl: the Y axes only", Qt::ControlModifier, false, true},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TGraphProgramm p;
        TMDIGraphWin& g = p.Neu();
        Fuellen(g);
        const QRect r = g.PlotRechteck();
        const QPoint maus = r.topLeft() + QPoint(r.width() * 3 / 10, r.height() * 7 / 10);
        const auto vorher = g.BerechneRealWerte(maus.x(), maus.y());
        Rad(g, maus, 120, f.Tasten);
        const auto nachher = g.BerechneRealWerte(maus.x(), maus.y());
        // The value under the mouse stays under the mouse (up to the pixel or two the plot
        // rectangle moves when the tick labels change width); the zoomed spans shrink to 80 %.
        EXPECT_NEAR(nachher.X, vorher.X, 0.5);
        EXPECT_NEAR(nachher.YLinks, vorher.YLinks, 0.1);
        EXPECT_NEAR(nachher.YRechts, vorher.YRechts, 0.005);
        EXPECT_NEAR(g.Achse(1)->range().size(), f.X ? 80 : 100, 1e-9);
        EXPECT_NEAR(g.Achse(0)->range().size(), f.Y ? 16 : 20, 1e-9);
        EXPECT_NEAR(g.Achse(2)->range().size(), f.Y ? 0.8 : 1, 1e-12);
        EXPECT_TRUE(g.KannZoomZurueck());
        EXPECT_TRUE(g.Gespeichert);
        // Towards the user the wheel zooms out again.
        Rad(g, maus, -120, f.Tasten);
        EXPECT_NEAR(g.Achse(1)->range().size(), 100, 1e-9);
        EXPECT_NEAR(g.Achse(1)->range().lower, 0, 0.5);
        EXPECT_NEAR(g.Achse(0)->range().size(), 20, 1e-9);
    }
    // Over the bottom axis only X zooms; "+" and "-" zoom by a tenth at each end.
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    Fuellen(g);
    const QRect r = g.PlotRechteck();
    Rad(g, QPoint(r.center().x(), r.bottom() + 8), 120);
    EXPECT_NEAR(g.Achse(1)->range().size(), 80, 1e-9);
    EXPECT_NEAR(g.Achse(0)->range().size(), 20, 1e-9);
    g.GraphRefresh();
    Grenzen(g.Diagramm.AchseUnten, 0, 100);
    g.GraphEigenschaftenAchsenSetzen();
    QTest::keyClick(g.Chart, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().lower, 10);
    QTest::keyClick(g.Chart, Qt::Key_Minus); // a tenth of 80 added at each end
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().lower, 2);
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().upper, 98);
}

TEST(Navigation, DraggingOverAnAxisZoomsThatAxisAboutWhereTheDragBegan) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    Fuellen(g);
    const QRect r = g.PlotRechteck();
    const QPoint start(r.left() + r.width() / 4, r.bottom() + 8);
    const double wert = g.BerechneRealWerte(start.x(), r.bottom()).X;
    QTest::mousePress(g.Chart, Qt::LeftButton, {}, start);
    QTest::mouseMove(g.Chart, start + QPoint(60, 0));
    QMouseEvent ziehen(QEvent::MouseMove, QPointF(start + QPoint(60, 0)),
                       QPointF(g.Chart->mapToGlobal(start + QPoint(60, 0))), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(g.Chart, &ziehen);
    QTest::mouseRelease(g.Chart, Qt::LeftButton, {}, start + QPoint(60, 0));
    EXPECT_LT(g.Achse(1)->range().size(), 100); // dragged right: zoomed in
    EXPECT_NEAR(g.BerechneRealWerte(start.x(), r.bottom()).X, wert, 0.5);
    EXPECT_DOUBLE_EQ(g.Achse(0)->range().size(), 20); // the other axes stay
    EXPECT_DOUBLE_EQ(g.Achse(2)->range().size(), 1);
    g.ZoomZurueck();
    EXPECT_DOUBLE_EQ(g.Achse(1)->range().size(), 100);
}

TEST(Navigation, HistoryWalksBackAndForthAndANewImportClearsIt) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    Fuellen(*g);
    h.Aktualisieren();
    EXPECT_FALSE(h.ActZoomZurueck->isEnabled());
    EXPECT_FALSE(h.ActZoomVor->isEnabled());
    const auto unten = [g] {
        return std::pair{g->Achse(1)->range().lower, g->Achse(1)->range().upper};
    };
    const auto v0 = unten();
    h.ActZoomGross->trigger(); // 10 .. 90
    const auto v1 = unten();
    h.ActScrollLinks->trigger(); // shows larger X: 18 .. 98
    const auto v2 = unten();
    const QRect r = g->PlotRechteck();
    Rad(*g, r.center(), 120);
    const auto v3 = unten();
    EXPECT_TRUE(h.ActZoomZurueck->isEnabled());
    EXPECT_FALSE(h.ActZoomVor->isEnabled());

    for (const auto& erwartet : {v2, v1, v0}) {
        h.ActZoomZurueck->trigger();
        EXPECT_DOUBLE_EQ(unten().first, erwartet.first);
        EXPECT_DOUBLE_EQ(unten().second, erwartet.second);
    }
    EXPECT_FALSE(h.ActZoomZurueck->isEnabled());
    EXPECT_TRUE(h.ActZoomVor->isEnabled());
    for (const auto& erwartet : {v1, v2, v3}) {
        h.ActZoomVor->trigger();
        EXPECT_DOUBLE_EQ(unten().first, erwartet.first);
        EXPECT_DOUBLE_EQ(unten().second, erwartet.second);
    }
    EXPECT_FALSE(h.ActZoomVor->isEnabled());
    // Refresh is a step too: back returns to the zoomed view.
    h.ActGraphRefresh->trigger();
    h.ActZoomZurueck->trigger();
    EXPECT_DOUBLE_EQ(unten().first, v3.first);
    // The shortcuts of the menu entries.
    EXPECT_EQ(h.ActZoomZurueck->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(h.ActZoomVor->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_EQ(h.ActGeheZu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(h.ActZoomZurueck->isEnabled() || h.ActZoomVor->isEnabled());

    // New measurements: the views before belong to other data.
    TMessDatei messung = BeispielAuftrag();
    g->DateiInDiagramm(messung);
    EXPECT_FALSE(g->KannZoomZurueck());
    EXPECT_FALSE(g->KannZoomVor());
    EXPECT_FALSE(h.ActZoomZurueck->isEnabled());
    EXPECT_FALSE(h.ActZoomVor->isEnabled());
}

TEST(Navigation, GoToATimeCentresThereAtTheSameWidthAndSaysWhenItIsOutside) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    // One curve over three days of February 2025 on a date/time axis, showing 6 hours.
    const double t0 = *DatumZeit::Kodieren({2025, 2, 1, 0, 0, 0, 0});
    TDiagramm& d = g->Diagramm;
    d.DatumZeitAchse = true;
    d.XMin = t0; // as an import sets it: relative X counts from the first point
    d.Kurven = {Kurve(QStringLiteral("T"), {t0, t0 + 1, t0 + 2, t0 + 3}, {1, 2, 3, 4})};
    Grenzen(d.AchseUnten, t0, t0 + 0.25);
    g->GraphEigenschaftenSetzen();
    const double ziel = *DatumZeit::Kodieren({2025, 2, 3, 10, 20, 30, 0});

    struct TFall {
        const char* Name;
        QString Eingabe;
        bool Bewegt;
        const char* MeldungEnthaelt;
    };
    const TFall faelle[] = {
        {"inside the data", QStringLiteral("03.02.2025 10:20:30"), true, nullptr},
        {"before the data", QStringLiteral("01.01.2025 00:00:00.000"), false, "außerhalb"},
        {"no time", QStringLiteral("morgen"), false, "kein gültiger Zeitpunkt"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        g->Achse(1)->setRange(t0, t0 + 0.25);
        p.Benutzer.Gezeigt.clear();
        p.Benutzer.Eingaben = {f.Eingabe};
        h.ActGeheZu->trigger();
        // The question names the format to type, the box starts at the centre shown.
        ASSERT_FALSE(p.Benutzer.EingabeFragen.isEmpty());
        EXPECT_TRUE(p.Benutzer.EingabeFragen.last().contains(p.App.AppConst.ZeitDatumsformat));
        const QCPRange b = g->Achse(1)->range();
        EXPECT_NEAR(b.size(), 0.25, 1e-9);
        if (f.Bewegt) {
            EXPECT_NEAR(b.center(), ziel, 1e-8);
            EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
            EXPECT_TRUE(g->KannZoomZurueck());
        } else {
            EXPECT_NEAR(b.lower, t0, 1e-9);
            ASSERT_EQ(p.Benutzer.Gezeigt.size(), 1);
            EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(QString::fromUtf8(f.MeldungEnthaelt)))
                << p.Benutzer.Gezeigt[0].Text.toStdString();
        }
    }
    // A cancelled box changes nothing; on a relative axis a number is asked for.
    p.Benutzer.Eingaben = {std::nullopt};
    const QCPRange vorher = g->Achse(1)->range();
    h.ActGeheZu->trigger();
    EXPECT_EQ(g->Achse(1)->range(), vorher);
    g->DatumZeit(); // now days since the first point
    p.Benutzer.Eingaben = {QStringLiteral("1.5")};
    h.ActGeheZu->trigger();
    EXPECT_NEAR(g->Achse(1)->range().center(), 1.5, 1e-9);
}

TEST(Navigation, ALegendClickHidesACurveGreyedAndTheFileKeepsIt) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    Fuellen(*g);
    const QString datei = p.Pfad(QStringLiteral("Daten/legende.ogr"));
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(datei, g->Diagramm));
    Rahmen(g)->close();
    QCoreApplication::processEvents();
    g = h.GraphFensterOeffnen(datei);
    ASSERT_NE(g, nullptr);
    g->Chart->replot();
    QCoreApplication::processEvents();
    QCPPlottableLegendItem* eintrag = g->Chart->legend->itemWithPlottable(g->Chart->plottable(0));
    ASSERT_NE(eintrag, nullptr);
    const QColor normal = eintrag->textColor();
    // A marker armed does not take the click on the legend.
    h.ActMarker1->trigger();
    QTest::mouseClick(g->Chart, Qt::LeftButton, {}, eintrag->outerRect().center());
    EXPECT_FALSE(g->Diagramm.Kurven[0].Sichtbar);
    EXPECT_TRUE(g->Diagramm.Kurven[1].Sichtbar);
    EXPECT_FALSE(g->Chart->plottable(0)->visible());
    EXPECT_FALSE(g->Diagramm.Marker1Sichtbar);
    EXPECT_FALSE(g->Gespeichert); // closing would ask
    EXPECT_NE(eintrag->textColor(), normal);

    h.ActDateiSpeichern->trigger();
    EXPECT_TRUE(g->Gespeichert);
    Rahmen(g)->close();
    QCoreApplication::processEvents();
    g = h.GraphFensterOeffnen(datei);
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->Diagramm.Kurven[0].Sichtbar);
    EXPECT_FALSE(g->Chart->plottable(0)->visible());
    eintrag = g->Chart->legend->itemWithPlottable(g->Chart->plottable(0));
    ASSERT_NE(eintrag, nullptr);
    EXPECT_NE(eintrag->textColor(), normal); // greyed after reading too
    // A second click shows it again.
    g->Chart->replot();
    QTest::mouseClick(g->Chart, Qt::LeftButton, {}, eintrag->outerRect().center());
    EXPECT_TRUE(g->Diagramm.Kurven[0].Sichtbar);
    EXPECT_EQ(eintrag->textColor(), normal);
}

TEST(Navigation, RecentFilesSurviveARestartAndAMissingOneIsRemovedWithAMessage) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    QStringList graphen;
    for (int i = 1; i <= 9; ++i) {
        graphen.append(p.Pfad(QStringLiteral("Daten/g%1.ogr").arg(i)));
        ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(graphen.last(), p.App.DefaultDiagramm));
        ASSERT_NE(h.GraphFensterOeffnen(graphen.last()), nullptr);
    }
    // A graph saved under a new name counts as well.
    TMDIGraphWin* neu = h.DateiNeuClick();
    const QString gespeichert = p.Pfad(QStringLiteral("Daten/neu.ogr"));
    p.Benutzer.Dateien = {gespeichert};
    neu->DateiSpeichernUnter();
    ASSERT_TRUE(QFileInfo::exists(gespeichert));
    QStringList erwartet = {gespeichert};
    for (int i = 9; i >= 3; --i) {
        erwartet.append(graphen[i - 1]);
    }
    EXPECT_EQ(p.App.AppConst.ZuletztGeoeffnet, erwartet);
    const QList<QAction*> menue = h.MenZuletzt->actions();
    ASSERT_EQ(menue.size(), 8);
    EXPECT_EQ(menue[0]->text(), QStringLiteral("&1 neu.ogr"));
    EXPECT_EQ(menue[0]->toolTip(), gespeichert);
    EXPECT_EQ(menue[7]->text(), QStringLiteral("&8 g3.ogr"));
    // In the Datei menu, above "Beenden".
    QMenu* dateiMenue = nullptr;
    for (QObject* o : h.ActBeenden->associatedObjects()) {
        if (auto* m = qobject_cast<QMenu*>(o)) {
            dateiMenue = m;
        }
    }
    ASSERT_NE(dateiMenue, nullptr);
    const qsizetype zuletzt = dateiMenue->actions().indexOf(h.MenZuletzt->menuAction());
    EXPECT_GE(zuletzt, 0);
    EXPECT_LT(zuletzt, dateiMenue->actions().indexOf(h.ActBeenden));

    // A restart on the same directory.
    p.Haupt->close();
    p.Haupt.reset();
    TSkriptBenutzer benutzer2;
    TAnwendung app2(benutzer2);
    AnwendungStarten(app2, p.Pfad(QStringLiteral("orvan")), p.Pfad());
    EXPECT_EQ(app2.AppConst.ZuletztGeoeffnet, erwartet);
    TMainForm h2(app2);
    h2.show();
    ASSERT_EQ(h2.MenZuletzt->actions().size(), 8);
    // Choosing one opens it.
    h2.MenZuletzt->actions()[1]->trigger();
    ASSERT_EQ(h2.GraphFenster().size(), 1);
    EXPECT_EQ(h2.GraphFenster()[0]->windowTitle(), graphen[8]);
    // A file gone since: a message, and the entry goes.
    QFile::remove(graphen[3]);
    benutzer2.Gezeigt.clear();
    h2.ZuletztOeffnen(graphen[3]);
    ASSERT_EQ(benutzer2.Gezeigt.size(), 1);
    EXPECT_TRUE(benutzer2.Gezeigt[0].Text.contains(graphen[3]));
    EXPECT_FALSE(app2.AppConst.ZuletztGeoeffnet.contains(graphen[3]));
    EXPECT_EQ(h2.MenZuletzt->actions().size(), 7);
    EXPECT_EQ(h2.GraphFenster().size(), 1);
}

TEST(Navigation, DroppedFilesOpenByTheirKindAndTheCommandLineDoesTheSame) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QString graph = p.Pfad(QStringLiteral("Daten/a.ogr"));
    TDiagramm d = p.App.DefaultDiagramm;
    d.Titel = QStringLiteral("Aus Datei");
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(graph, d));
    TMessDatei auftrag = BeispielAuftrag();
    auftrag.Name = p.App.AppConst.GeraeteListe.value(0);
    const QString job = p.Pfad(QStringLiteral("Daten/b.oor"));
    ASSERT_TRUE(MessDateiSchreiben(job, true, auftrag));
    const QString roh = p.Pfad(QStringLiteral("Daten/c.ome"));
    Schreiben(roh, QByteArray::fromHex("0a0b0c"));
    const QString text = p.Pfad(QStringLiteral("Daten/d.txt"));
    Schreiben(text, QByteArray("1;2;3\n"));
    p.Benutzer.FrageAntwort = mrYes; // the raw file: read its bytes as values

    struct TFall {
        const char* Name;
        QString Datei;
        int NeueFenster;
        bool Meldung;
    };
    const TFall faelle[] = {
        {"graph file", graph, 1, false},
        {"job file", job, 1, false},
        {"measurement file", roh, 1, false},
        {"other file", text, 0, true},
    };
    // Dropped on the frame outside any graph window, and named on the command line.
    for (const bool kommandozeile : {false, true}) {
        for (const TFall& f : faelle) {
            SCOPED_TRACE(std::string(f.Name) + (kommandozeile ? " (command line)" : " (drop)"));
            p.Benutzer.FrageAntwort = mrNo; // close the imported graphs without saving
            for (QMdiSubWindow* r : h.MdiArea()->subWindowList()) {
                r->close();
            }
            QCoreApplication::processEvents();
            p.Benutzer.FrageAntwort = mrYes;
            p.Benutzer.Gezeigt.clear();
            const QByteArray vorher = DateiInhalt(f.Datei);
            if (kommandozeile) {
                h.DateienOeffnen({f.Datei});
            } else {
                Fallenlassen(h, {f.Datei}, h.MdiArea()->geometry().bottomRight() - QPoint(5, 5));
            }
            EXPECT_EQ(h.GraphFenster().size(), f.NeueFenster);
            EXPECT_EQ(p.Benutzer.Nummern().contains(0), f.Meldung);
            if (f.Meldung) {
                EXPECT_TRUE(p.Benutzer.Gezeigt.last().Text.contains(f.Datei));
            }
            EXPECT_EQ(DateiInhalt(f.Datei), vorher); // nothing written over
        }
    }
    // A measurement dropped on a graph window goes into that window.
    p.Benutzer.FrageAntwort = mrNo;
    for (QMdiSubWindow* r : h.MdiArea()->subWindowList()) {
        r->close();
    }
    QCoreApplication::processEvents();
    p.Benutzer.FrageAntwort = mrYes;
    TMDIGraphWin* ziel = h.DateiNeuClick();
    Rahmen(ziel)->setGeometry(0, 0, 400, 300);
    QCoreApplication::processEvents();
    const QPoint mitte = ziel->Chart->mapTo(&h, ziel->Chart->rect().center());
    Fallenlassen(h, {roh}, mitte);
    ASSERT_EQ(h.GraphFenster().size(), 1);
    ASSERT_EQ(ziel->Diagramm.Kurven.size(), 1);
    EXPECT_EQ(ziel->Diagramm.Kurven[0].Werte[1], (QVector<double>{10, 11, 12}));
}
