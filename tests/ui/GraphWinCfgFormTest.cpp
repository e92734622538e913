// The graph properties dialog, driven offscreen with a scripted user: the window hand-over,
// curves, units, the up/down buttons, the value grid, colours and the stored defaults.
#include "UiTestHilfen.h"

#include "graph/TKurvenWerteModell.h"
#include "graph/ui/TFarbListe.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "graph/ui/TWerteGrid.h"
#include "graph/ui/TZahlenFeld.h"
#include "shell/Einheiten.h"
#include "shell/Konfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TKurve Kurve(const QString& name, QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Name = name;
    k.Sichtbar = true;
    k.LinieSichtbar = true;
    k.PunktSichtbar = true;
    k.Linienbreite = 1;
    k.Punktbreite = 3;
    k.Werte = {x, y};
    return k;
}

// Text typed into a field: the field counts as changed by the user.
void Tippen(TZahlenFeld* feld, const QString& text) {
    feld->Edit->setText(text);
    feld->Edit->setModified(true);
}

// A graph window with a document of its own and the dialog opened on it the way the
// window opens it; `Schritte` runs inside the modal dialog, which is then cancelled.
struct TCfgProgramm : TGraphProgramm {
    TCfgProgramm() {
        App.AppConst.Einheiten = {
            NeutraleEinheit(),
            {QStringLiteral("Sekunde"), QStringLiteral("s"), 1, 0, QStringLiteral("Sekunde")},
            {QStringLiteral("ms"), QStringLiteral("ms"), 0.001, 0, QStringLiteral("Sekunde")},
            {QStringLiteral("V"), QStringLiteral("V"), 1, 0, QStringLiteral("Volt")},
            {QStringLiteral("mV"), QStringLiteral("mV"), 0.001, 0, QStringLiteral("Volt")}};
    }

    TMDIGraphWin& Mit(const TDiagramm& d) {
        TMDIGraphWin& g = Neu();
        g.Diagramm = d;
        g.GraphEigenschaftenSetzen();
        return g;
    }

    void Bearbeiten(const std::function<void(TGraphWinCfgForm&)>& schritte) {
        bool gelaufen = false;
        QTimer::singleShot(0, Fenster.get(), [&] {
            auto* dialog = Fenster->findChild<TGraphWinCfgForm*>();
            if (dialog != nullptr) {
                schritte(*dialog);
                gelaufen = true;
                dialog->reject();
            }
        });
        Fenster->GraphEigenschaftenBearbeiten();
        EXPECT_TRUE(gelaufen) << "the window opened no properties dialog";
    }
};

TDiagramm MitKurveA() {
    TDiagramm d;
    d.Titel = QStringLiteral("Versuch");
    d.Legende = true;
    d.Rahmenfarbe = Farbe::clSilver;
    d.Hintergrundfarbe = Farbe::clWhite;
    d.AchseLinks = {QStringLiteral("U"), -10, 10, false, 5, 4, 2, false, Farbe::clGray, {}};
    d.AchseUnten = {QStringLiteral("t"),      0, 10, false, 1, 10, 2, false, Farbe::clGray,
                    QStringLiteral("Sekunde")};
    d.AchseRechts = {QStringLiteral("R"), 0, 100, false, 10, 10, 2, false, Farbe::clGray, {}};
    TKurve a = Kurve(QStringLiteral("A"), {1, 2, 3}, {10, 20, 30});
    a.Linienfarbe = Farbe::clRed;
    a.Punktfarbe = Farbe::clBlue;
    a.Punktbreite = 5;
    a.Linienstil = 1;
    a.Intervall = 0.5;
    d.Kurven = {a};
    return d;
}

TEST(GraphWinCfgForm, SpeichernHandsTheCopyToTheWindowAndMarksItUnsavedEvenUnchanged) {
    TCfgProgramm p;
    TMDIGraphWin& g = p.Mit(MitKurveA());
    g.GraphEigenschaftenLesen(); // what the window does before it opens the dialog
    const TDiagramm vorher = g.Diagramm;
    p.Bearbeiten([&](TGraphWinCfgForm& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Graph Eigenschaften von  Versuch"));
        f.BtnSpeichernClick();
        EXPECT_FALSE(g.Gespeichert);
        EXPECT_EQ(g.Diagramm, vorher);
        f.LbeDiagrammTitel->setText(QStringLiteral("Neu"));
        f.BtnSpeichernClick();
        EXPECT_TRUE(f.isVisible()) << "the dialog stays open";
    });
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{7, 7}));
    EXPECT_EQ(g.Diagramm.Titel, QStringLiteral("Neu"));
    EXPECT_EQ(g.Diagramm.Kurven, vorher.Kurven);
}

TEST(GraphWinCfgForm, AbbrechenDiscardsWhatWasNotHandedOver) {
    TCfgProgramm p;
    TMDIGraphWin& g = p.Mit(MitKurveA());
    g.GraphEigenschaftenLesen(); // what the window does before it opens the dialog
    const TDiagramm vorher = g.Diagramm;
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        f.LbeDiagrammTitel->setText(QStringLiteral("Weg"));
        f.ChkLegende->setChecked(false);
    });
    EXPECT_EQ(g.Diagramm, vorher);
    EXPECT_TRUE(g.Gespeichert);
}

TEST(GraphWinCfgForm, RenamingToTheOwnNameShowsMessage9AndAsksAgain) {
    TCfgProgramm p;
    p.Mit(MitKurveA());
    p.Benutzer.Eingaben = {QStringLiteral("a"), QStringLiteral("B")};
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        f.PageControl->setCurrentWidget(f.TabKurven);
        f.BtnKurveNameClick();
        EXPECT_EQ(f.CmbKurven->itemText(0), QStringLiteral("B"));
        EXPECT_EQ(f.Arbeitskopie().Kurven[0].Name, QStringLiteral("B"));
    });
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{9, 15}));
    EXPECT_EQ(p.Benutzer.EingabeFragen.size(), 2);
}

TEST(GraphWinCfgForm, ANewCurveGetsTheShownCurvesSettingsAndPoints) {
    TCfgProgramm p;
    p.Mit(MitKurveA());
    p.Benutzer.Eingaben = {QStringLiteral("A"), QStringLiteral("Kopie")};
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        f.BtnKurveNeuClick();
        const TDiagramm& d = f.Arbeitskopie();
        ASSERT_EQ(d.Kurven.size(), 2);
        TKurve erwartet = d.Kurven[0];
        erwartet.Name = QStringLiteral("Kopie");
        EXPECT_EQ(d.Kurven[1], erwartet);
        EXPECT_EQ(d.Kurven[1].Werte[0], (QVector<double>{1, 2, 3}));
        EXPECT_EQ(f.CmbKurven->currentText(), QStringLiteral("Kopie"));
    });
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{9, 10}));
}

TEST(GraphWinCfgForm, DeletingTheLastCurveShowsAndThenEditsTheDefaultCurve) {
    TCfgProgramm p;
    p.App.DefaultKurve = Kurve(QStringLiteral("Default-Kurve"), {}, {});
    p.App.DefaultKurve.Punktbreite = 7;
    p.App.DefaultKurve.Linienfarbe = Farbe::clTeal;
    TMDIGraphWin& g = p.Mit(MitKurveA());
    p.Bearbeiten([&](TGraphWinCfgForm& f) {
        f.BtnKurveLoeschenClick();
        EXPECT_EQ(f.CmbKurven->count(), 0);
        EXPECT_EQ(f.LbePunktBreite->text(), QStringLiteral("7"));
        EXPECT_EQ(f.CmbLinieFarbe->Farbe(), Farbe::clTeal);
        Tippen(f.LbePunktBreite, QStringLiteral("4"));
        f.BtnSpeichernClick();
    });
    EXPECT_TRUE(g.Diagramm.Kurven.isEmpty());
    EXPECT_EQ(p.App.DefaultKurve.Punktbreite, 4) << "kept after the dialog was cancelled";
    EXPECT_EQ(p.App.DefaultKurve.Name, QStringLiteral("Default-Kurve"));
    EXPECT_TRUE(p.App.DefaultKurve.Werte[0].isEmpty()) << "the default curve gets no point";
}

int EintragVon(const TGraphWinCfgForm& f, const QString& name) {
    for (int i = 0; i < f.CmbEinheit->count(); ++i) {
        if (f.CmbEinheit->itemText(i).startsWith(name + QStringLiteral(" / "))) {
            return i;
        }
    }
    return -1;
}

TEST(GraphWinCfgForm, SekundeToMsMultipliesEveryIntervallAndTheLimits) {
    TCfgProgramm p;
    TDiagramm d = MitKurveA();
    d.Kurven.append(Kurve(QStringLiteral("B"), {0}, {0}));
    p.Mit(d);
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        f.ChkUnten->click();
        EXPECT_EQ(f.CmbEinheit->currentText(), QStringLiteral("Sekunde / s"));
        f.LbeAchsenTitel->setText(QStringLiteral("Zeit")); // typed before: not lost
        f.CmbEinheitChange(EintragVon(f, QStringLiteral("ms")));
        const TDiagramm& k = f.Arbeitskopie();
        EXPECT_DOUBLE_EQ(k.Kurven[0].Intervall, 500);
        EXPECT_DOUBLE_EQ(k.Kurven[1].Intervall, 1000);
        EXPECT_DOUBLE_EQ(k.AchseUnten.Minimum, 0);
        EXPECT_DOUBLE_EQ(k.AchseUnten.Maximum, 10000);
        EXPECT_EQ(f.LbeMaximum->text(), QStringLiteral("10000"));
        EXPECT_EQ(f.LbeIntervall->text(), QStringLiteral("500"));
        EXPECT_EQ(f.LbeAchsenTitel->text(), QStringLiteral("Zeit"));
        EXPECT_EQ(f.CmbEinheit->currentText(), QStringLiteral("ms / ms"));
    });
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
}

TEST(GraphWinCfgForm, LeftAxisUnitScalesRightAxisCurvesAndARefusalSelectsTheOldUnit) {
    TCfgProgramm p;
    TDiagramm d = MitKurveA();
    d.AchseLinks.Einheit = QStringLiteral("V");
    TKurve rechts = Kurve(QStringLiteral("R"), {0}, {1});
    rechts.AchseRechts = true;
    rechts.YFaktor = 2;
    d.Kurven.append(rechts);
    p.Mit(d);
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        f.CmbEinheitChange(EintragVon(f, QStringLiteral("mV")));
        EXPECT_DOUBLE_EQ(f.Arbeitskopie().Kurven[0].YFaktor, 1000);
        EXPECT_DOUBLE_EQ(f.Arbeitskopie().Kurven[1].YFaktor, 2000);
        EXPECT_DOUBLE_EQ(f.Arbeitskopie().AchseLinks.Maximum, 10000);

        const TDiagramm vorher = f.Arbeitskopie();
        f.CmbEinheitChange(EintragVon(f, QStringLiteral("Sekunde")));
        EXPECT_EQ(f.CmbEinheit->currentText(), QStringLiteral("mV / mV"));
        EXPECT_EQ(f.Arbeitskopie(), vorher);
    });
    ASSERT_EQ(p.Benutzer.Nummern(), (QList<int>{38}));
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(QStringLiteral("mV <> Sekunde")));
}

TEST(GraphWinCfgForm, UpDownButtonsStepWithinTheirLimitsAndRound) {
    TCfgProgramm p;
    p.Mit(MitKurveA());
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        struct TFall {
            const char* Name;
            TZahlenFeld* Feld;
            const char* Wert;
            bool Hoch;
            const char* Ergebnis;
        } const faelle[] = {
            {"UpDMinimum 4.5 up below 10 gives 6", f.LbeMinimum, "4.5", true, "6"},
            {"UpDMinimum at the maximum stays", f.LbeMinimum, "10", true, "10"},
            {"UpDPunkt 9.5 still goes up", f.LbePunktBreite, "9.5", true, "10.5"},
            {"UpDLinie does not go below 1", f.LbeLinieBreite, "1", false, "1"},
            {"UpDIntervall 2.0004 down", f.LbeIntervall, "2.0004", false, "1"},
            {"UpDFaktor -65535 does not go down", f.LbeFaktor, "-65535", false, "-65535"},
        };
        f.LbeMaximum->setText(QStringLiteral("10"));
        for (const TFall& fall : faelle) {
            SCOPED_TRACE(fall.Name);
            fall.Feld->setText(QLatin1String(fall.Wert));
            (fall.Hoch ? fall.Feld->Hoch : fall.Feld->Runter)->click();
            EXPECT_EQ(fall.Feld->text(), QLatin1String(fall.Ergebnis));
        }
    });
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty()) << "the buttons do not check the field";
}

TEST(GraphWinCfgForm, FieldsAreCheckedWhenLeftAndBeforeStoring) {
    TCfgProgramm p;
    TMDIGraphWin& g = p.Mit(MitKurveA());
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        Tippen(f.LbePunktBreite, QStringLiteral("11"));
        EXPECT_FALSE(f.FeldPruefen(f.LbePunktBreite));
        Tippen(f.LbeMinimum, QStringLiteral("abc"));
        EXPECT_FALSE(f.FeldPruefen(f.LbeMinimum));
        f.LbeMinimum->setText(QStringLiteral("0"));
        f.ChkMinMaxAuto->click();
        EXPECT_FALSE(f.LbeMinimum->Edit->isEnabled());
        EXPECT_TRUE(f.LbeGitterAbstand->Edit->isEnabled());
        f.BtnSpeichernClick(); // the point size is still 11
    });
    ASSERT_EQ(p.Benutzer.Nummern(), (QList<int>{5, 6, 5}));
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(QStringLiteral("1 ... 10")));
    EXPECT_TRUE(g.Gespeichert) << "nothing was handed over";
}

TEST(GraphWinCfgForm, UntouchedFieldsKeepTheirDigitsAndDisabledFieldsAreNotInTheWay) {
    TCfgProgramm p;
    TDiagramm d = MitKurveA();
    d.Kurven[0].Intervall = 1.0 / 86400; // more digits than the field shows
    d.AchseLinks.GitterAutomatik = true;
    d.AchseLinks.Gitterabstand = 0; // what the chart reports for an automatic grid
    d.Kurven[0].Punktbreite = 0;    // an old file's value outside 1 ... 10
    TMDIGraphWin& g = p.Mit(d);
    p.Bearbeiten([](TGraphWinCfgForm& f) { f.BtnSpeichernClick(); });
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{7});
    EXPECT_EQ(g.Diagramm.Kurven[0].Intervall, 1.0 / 86400);
    EXPECT_EQ(g.Diagramm.Kurven[0].Punktbreite, 0);
}

// The value grid of a dialog showing one curve with the given points.
struct TGridFall {
    TCfgProgramm P;
    void Mit(QVector<double> x, QVector<double> y,
             const std::function<void(TGraphWinCfgForm&, TWerteGrid&)>& schritte) {
        TDiagramm d = MitKurveA();
        d.Kurven[0].Werte = {x, y};
        P.Mit(d);
        P.Bearbeiten([&](TGraphWinCfgForm& f) {
            f.PageControl->setCurrentWidget(f.TabKurven);
            schritte(f, *f.ValGrid);
        });
    }
};

QVector<double> Spalte(TWerteGrid& grid, int spalte) {
    return grid.Modell().Werte()[spalte];
}

TEST(GraphWinCfgForm, EnterInTheLastYCellAppendsARowOneIntervallFurther) {
    TGridFall t;
    t.Mit({1, 3}, {5, 6}, [](TGraphWinCfgForm& f, TWerteGrid& grid) {
        f.LbeIntervall->setText(QStringLiteral("0.5"));
        grid.setFocus();
        grid.ZelleWaehlen(0, 1);
        QTest::keyClick(&grid, Qt::Key_Return); // not the last row: nothing
        EXPECT_EQ(grid.Modell().rowCount(), 2);
        grid.ZelleWaehlen(1, 1);
        QTest::keyClick(&grid, Qt::Key_Return);
        ASSERT_EQ(grid.Modell().rowCount(), 3);
        EXPECT_EQ(grid.Modell().Text(2, 0), QStringLiteral("3.5"));
        EXPECT_EQ(grid.Modell().Text(2, 1), QStringLiteral("0"));
        EXPECT_EQ(grid.currentIndex().row(), 2);
        EXPECT_EQ(grid.currentIndex().column(), 1);
    });
}

TEST(GraphWinCfgForm, ContextMenuInsertsBetweenRowsOrAfterTheLastAndDeletesOneRow) {
    TGridFall t;
    t.Mit({1, 2, 3}, {10, 20, 30}, [](TGraphWinCfgForm& f, TWerteGrid& grid) {
        f.LbeIntervall->setText(QStringLiteral("1"));
        grid.ZelleWaehlen(1, 0);
        grid.MenZeileEinfuegen->trigger();
        EXPECT_EQ(Spalte(grid, 0), (QVector<double>{1, 2, 2.5, 3}));
        EXPECT_EQ(grid.currentIndex().row(), 2);
        grid.ZelleWaehlen(3, 0);
        grid.MenZeileEinfuegen->trigger();
        EXPECT_EQ(Spalte(grid, 0), (QVector<double>{1, 2, 2.5, 3, 4}));
        EXPECT_EQ(Spalte(grid, 1), (QVector<double>{10, 20, 0, 30, 0}));
        grid.ZelleWaehlen(3, 0);
        grid.MenZeileLoeschen->trigger();
        EXPECT_EQ(Spalte(grid, 0), (QVector<double>{1, 2, 2.5, 4}));
        EXPECT_EQ(grid.currentIndex().column(), 1);
    });
}

TEST(GraphWinCfgForm, AClickOnTheXHeaderSortsWholeRows) {
    TGridFall t;
    t.Mit({3, 1, 2}, {30, 10, 20}, [](TGraphWinCfgForm& f, TWerteGrid& grid) {
        f.resize(700, 500);
        QHeaderView* kopf = grid.horizontalHeader();
        const QPoint mitte(kopf->sectionViewportPosition(0) + kopf->sectionSize(0) / 2,
                           kopf->height() / 2);
        QTest::mouseClick(kopf->viewport(), Qt::RightButton, {}, mitte);
        EXPECT_EQ(Spalte(grid, 0), (QVector<double>{1, 2, 3}));
        EXPECT_EQ(Spalte(grid, 1), (QVector<double>{10, 20, 30}));
    });
}

TEST(GraphWinCfgForm, TheGridIsCheckedAsAWholeBeforeTheCurveIsStored) {
    struct TFall {
        const char* Name;
        int Zelle;
        const char* Text;
        int Nachricht;
    } const faelle[] = {
        {"a cut cell that was never left", 1, "", 6},
        {"a typed value out of range", 3, "70000", 5},
        {"a typed X that repeats an earlier X", 2, "1", 11},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TGridFall t;
        const QVector<double> vorher{1, 2, 3};
        t.Mit(vorher, {10, 20, 30}, [&](TGraphWinCfgForm& f, TWerteGrid& grid) {
            grid.Modell().TextSetzen(fall.Zelle / 2, fall.Zelle % 2, QLatin1String(fall.Text));
            f.BtnSpeichernClick();
            EXPECT_EQ(grid.currentIndex().row(), fall.Zelle / 2) << "the faulty cell is shown";
        });
        EXPECT_EQ(t.P.Benutzer.Nummern(), QList<int>{fall.Nachricht});
        EXPECT_TRUE(t.P.Fenster->Gespeichert);
        EXPECT_EQ(t.P.Fenster->Diagramm.Kurven[0].Werte[0], vorher);
    }
}

TEST(GraphWinCfgForm, DuplicateXFromTheDocumentAreStoredWhenTheGridWasNotEdited) {
    TGridFall t;
    t.Mit({1, 1, 2}, {1, 2, 3}, [](TGraphWinCfgForm& f, TWerteGrid&) { f.BtnSpeichernClick(); });
    EXPECT_EQ(t.P.Benutzer.Nummern(), QList<int>{7});
    EXPECT_EQ(t.P.Fenster->Diagramm.Kurven[0].Werte[0], (QVector<double>{1, 1, 2}));
}

TEST(GraphWinCfgForm, ColoursOutsideTheStandardOnesAreKeptAndMoreColoursAsksTheUser) {
    TCfgProgramm p;
    TDiagramm d = MitKurveA();
    d.Rahmenfarbe = 0x00123456;
    TMDIGraphWin& g = p.Mit(d);
    p.Benutzer.Farben = {std::nullopt, 0x00ABCDEFu};
    p.Bearbeiten([](TGraphWinCfgForm& f) {
        EXPECT_EQ(f.CmbRahmen->currentText(), QStringLiteral("$00123456"));
        EXPECT_EQ(f.CmbMarkerFarbe->count(), 17) << "16 colours and the chooser entry";
        f.CmbMarkerFarbe->WeitereFarbenWaehlen(); // cancelled: the colour stays
        EXPECT_EQ(f.CmbMarkerFarbe->Farbe(), f.Arbeitskopie().MarkerFarbe);
        f.CmbMarkerFarbe->WeitereFarbenWaehlen();
        EXPECT_EQ(f.CmbMarkerFarbe->Farbe(), 0x00ABCDEFu);
        f.BtnSpeichernClick();
    });
    EXPECT_EQ(g.Diagramm.Rahmenfarbe, 0x00123456u);
    EXPECT_EQ(g.Diagramm.MarkerFarbe, 0x00ABCDEFu);
    EXPECT_EQ(p.Benutzer.FarbStartwerte.size(), 2);
}

TEST(GraphWinCfgForm, HilfeShowsTopic160AndTheUnitButtonAsksForTheSettings) {
    TCfgProgramm p;
    TMDIGraphWin& g = p.Mit(MitKurveA());
    int gefragt = 0;
    QObject::connect(&g, &TMDIGraphWin::EinheitenBearbeitenGewuenscht, [&] {
        ++gefragt;
        p.App.AppConst.Einheiten.append(
            {QStringLiteral("h"), QStringLiteral("h"), 3600, 0, QStringLiteral("Sekunde")});
    });
    p.Bearbeiten([&](TGraphWinCfgForm& f) {
        f.BtnHilfe->click();
        f.ChkUnten->click();
        f.BtnEinheitClick();
        EXPECT_EQ(f.CmbEinheit->count(), 6) << "the list is read again";
        EXPECT_EQ(f.CmbEinheit->currentText(), QStringLiteral("Sekunde / s"));
    });
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(p.Benutzer.HilfeKontexte, QList<int>{160});
}

TEST(GraphWinCfgForm, DefaultIsWrittenAndReadBackAtTheNextStart) {
    TUiProgramm erster;
    TMainForm& h = erster.Starten();
    TMDIGraphWin* g = h.DateiNeuClick();
    g->Diagramm.AchseLinks.Einheit = QString();
    g->GraphEigenschaftenSetzen();
    TDiagramm gewaehlt;
    QTimer::singleShot(0, g, [&] {
        auto* f = g->findChild<TGraphWinCfgForm*>();
        ASSERT_NE(f, nullptr);
        f->LbeDiagrammTitel->setText(QStringLiteral("Vorlage"));
        f->CmbHintergrund->FarbeZeigen(0x00102030);
        f->ChkRechts->click();
        Tippen(f->LbeMaximum, QStringLiteral("250"));
        f->ChkLinks->click();
        Tippen(f->LbeGitterAbstand, QStringLiteral("2.5"));
        Tippen(f->LbePunktBreite, QStringLiteral("6")); // no curves: the default curve
        f->CmbMarkerFarbe->FarbeZeigen(Farbe::clNavy);
        f->BtnDefaultClick();
        gewaehlt = f->Arbeitskopie();
        f->reject();
    });
    g->GraphEigenschaftenBearbeiten();
    const TAppConst& a = erster.App.AppConst;
    ASSERT_EQ(erster.Benutzer.Nummern(), QList<int>{8});
    EXPECT_TRUE(erster.Benutzer.Gezeigt[0].Text.contains(a.KonfigurationsPfad + a.UserKonfigDatei));
    EXPECT_EQ(erster.App.DefaultDiagramm, gewaehlt);
    erster.Haupt.reset();

    // The next start on the same program directory.
    TSkriptBenutzer benutzer;
    TAnwendung zweite(benutzer);
    AnwendungStarten(zweite, erster.Pfad(QStringLiteral("orvan")), erster.Pfad());
    const TDiagramm& d = zweite.DefaultDiagramm;
    EXPECT_EQ(d.Titel, QStringLiteral("Vorlage"));
    EXPECT_EQ(d.Hintergrundfarbe, 0x00102030u);
    EXPECT_EQ(d.AchseRechts.Maximum, 250);
    EXPECT_EQ(d.AchseLinks.Gitterabstand, 2.5);
    EXPECT_EQ(d.MarkerFarbe, Farbe::clNavy);
    EXPECT_EQ(zweite.DefaultKurve.Punktbreite, 6);
    TDiagramm ohneKurven = gewaehlt;
    ohneKurven.Kurven.clear();
    EXPECT_EQ(d, ohneKurven) << "all five document sections come back";
}

} // namespace
