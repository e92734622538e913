// The main window: enabled states, graph window numbering, shortcuts, status bar, the
// language menu, the reading command and closing.
#include "UiTestHilfen.h"

#include "app/ui/TOrvanApplikation.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusTipEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Titel(const TMainForm& haupt) {
    QStringList titel;
    for (const TMDIGraphWin* f : haupt.GraphFenster()) {
        titel.append(f->windowTitle());
    }
    return titel;
}

void Schliessen(TMainForm& haupt, const QString& titel) {
    for (QMdiSubWindow* f : haupt.MdiArea()->subWindowList()) {
        if (f->windowTitle() == titel) {
            f->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

TEST(MainForm, GraphCommandsAreEnabledExactlyWhileAGraphWindowExists) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QList<QAction*> immer = {h.ActDateiNeu,      h.ActDateiOeffnen,         h.ActInDateiLaden,
                                   h.ActNeuLaden,      h.ActDruckereinstellungen, h.ActBeenden,
                                   h.ActEinstellungen, h.ActMessAuftrag,          h.ActHilfe,
                                   h.ActInfo};
    const QList<QAction*> nie = {h.ActAusschneiden, h.ActEinfuegen};
    const QList<QAction*> graph = {h.ActDateiSchliessen,
                                   h.ActDateiSpeichern,
                                   h.ActDateiSpeichernUnter,
                                   h.ActDateiExport,
                                   h.ActInGraphLaden,
                                   h.ActDrucken,
                                   h.ActKopieren,
                                   h.ActGraphEigenschaften,
                                   h.ActZoomGross,
                                   h.ActZoomKlein,
                                   h.ActScrollLinks,
                                   h.ActScrollRechts,
                                   h.ActScrollOben,
                                   h.ActScrollUnten,
                                   h.ActMarker1,
                                   h.ActMarker2,
                                   h.ActDatumZeit,
                                   h.ActGraphRefresh,
                                   h.ActCascade,
                                   h.ActHorizontal,
                                   h.ActVertical,
                                   h.ActArrange,
                                   h.ActMinimize};
    const auto pruefen = [&](bool graphOffen) {
        for (QAction* a : immer) {
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        }
        for (QAction* a : nie) {
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
        }
        for (QAction* a : graph) {
            EXPECT_EQ(a->isEnabled(), graphOffen) << a->objectName().toStdString();
        }
        EXPECT_TRUE(h.MenSprache->isEnabled());
    };
    pruefen(false);
    h.DateiNeuClick();
    pruefen(true);
    Schliessen(h, QStringLiteral("Graph1"));
    pruefen(false);

    // A graph command that arrives anyway does nothing and shows nothing.
    for (QAction* a : graph) {
        a->trigger();
    }
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
    EXPECT_TRUE(h.GraphFenster().isEmpty());
    EXPECT_FALSE(h.ActMarker1->isChecked());
}

TEST(MainForm, NewGraphsAreNumberedAndTheCounterNeverGoesBack) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.ActDateiNeu->trigger();
    h.ActDateiNeu->trigger();
    h.ActDateiNeu->trigger();
    EXPECT_EQ(Titel(h), (QStringList{"Graph1", "Graph2", "Graph3"}));
    Schliessen(h, QStringLiteral("Graph2"));
    h.ActDateiNeu->trigger();
    EXPECT_EQ(Titel(h), (QStringList{"Graph1", "Graph3", "Graph4"}));
    EXPECT_EQ(h.LetztesGraphFenster()->windowTitle(), QStringLiteral("Graph4"));
    EXPECT_EQ(h.AktivesGraphFenster()->windowTitle(), QStringLiteral("Graph4"));
}

TEST(MainForm, CtrlZClosesTheActiveGraphWindow) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.DateiNeuClick();
    h.DateiNeuClick();
    h.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
    QTest::keyClick(&h, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Titel(h), QStringList{"Graph1"});
}

TEST(MainForm, StatusBarShowsDeviceConnectionAndLineSettings) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    struct TFall {
        quint8 Daten, Paritaet, Stop;
        qint32 Baud;
        const char* Text;
    };
    const TFall faelle[] = {{8, 2, 1, 19200, "8E1 19200"},
                            {8, 0, 1, 9600, "8N1 9600"},
                            {7, 1, 2, 4800, "7O2 4800"},
                            {8, 3, 1, 9600, "8?1 9600"}};
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Text);
        p.App.AktuellesGeraet.DatenBits = f.Daten;
        p.App.AktuellesGeraet.Parity = f.Paritaet;
        p.App.AktuellesGeraet.StopBits = f.Stop;
        p.App.AktuellesGeraet.Baud = f.Baud;
        h.StatusBarSetzen();
        EXPECT_EQ(h.StatusText(2), QString::fromUtf8(f.Text));
    }
    p.App.AktuellesGeraet.Name = QStringLiteral("VL-4 Kompakt");
    p.App.AppConst.GeraetOnline = true;
    h.StatusBarSetzen();
    EXPECT_EQ(h.StatusText(1), QStringLiteral("VL-4 Kompakt: Online"));
    p.App.AppConst.GeraetOnline = false;
    h.StatusBarSetzen();
    EXPECT_EQ(h.StatusText(1), QStringLiteral("VL-4 Kompakt: Offline"));
}

TEST(MainForm, HintsSplitIntoToolTipAndStatusText) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    EXPECT_EQ(h.ActDateiNeu->toolTip(), QStringLiteral("Neu"));
    EXPECT_EQ(h.ActDateiNeu->statusTip(), QStringLiteral("Neuen Graph erzeugen"));
    // Without "|" the hint serves for both.
    EXPECT_EQ(h.ActDrucken->toolTip(), QStringLiteral("Aktiven Graph Drucken"));
    EXPECT_EQ(h.ActDrucken->statusTip(), QStringLiteral("Aktiven Graph Drucken"));
    QStatusTipEvent tipp(h.ActDateiNeu->statusTip());
    QCoreApplication::sendEvent(&h, &tipp);
    EXPECT_EQ(h.StatusText(0), QStringLiteral("Neuen Graph erzeugen"));
    EXPECT_EQ(h.ActZoomGross->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Y));
    EXPECT_EQ(h.ActDateiSchliessen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

TEST(MainForm, LanguageTickFollowsTheClickAndSurvivesARestart) {
    TUiProgramm p;
    {
        TMainForm& h = p.Starten();
        QList<QAction*> eintraege = h.MenSprache->actions();
        ASSERT_EQ(eintraege.size(), 2);
        EXPECT_TRUE(eintraege[0]->isChecked());
        h.DateiNeuClick();
        h.SpracheClick(eintraege[1]);
        EXPECT_FALSE(eintraege[0]->isChecked());
        EXPECT_TRUE(eintraege[1]->isChecked());
        EXPECT_EQ(p.App.AppConst.Sprache, QStringLiteral("English"));
        EXPECT_EQ(h.ActDateiNeu->text(), QStringLiteral("&New"));
        h.close();
        p.Haupt.reset();
    }
    TSkriptBenutzer benutzer;
    TAnwendung zweite(benutzer);
    AnwendungStarten(zweite, p.Pfad(QStringLiteral("orvan")), p.Pfad());
    TMainForm neu(zweite);
    const QList<QAction*> eintraege = neu.MenSprache->actions();
    ASSERT_EQ(eintraege.size(), 2);
    EXPECT_FALSE(eintraege[0]->isChecked());
    EXPECT_TRUE(eintraege[1]->isChecked());
}

TEST(MainForm, QtsOwnTextsFollowTheLanguage) {
    // Key names in shortcuts and the buttons of Qt's standard dialogs come from Qt's own
    // translation: German for Deutsch, Qt's English for English.
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QList<QAction*> eintraege = h.MenSprache->actions();
    ASSERT_EQ(eintraege.size(), 2);
    const auto kuerzel = [] {
        return QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText);
    };
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_de.qm"))) {
        GTEST_SKIP() << "Qt's German translation (qtbase_de.qm) is not installed";
    }
    h.SpracheClick(eintraege[0]);
    EXPECT_EQ(kuerzel(), QStringLiteral("Strg+N"));
    h.SpracheClick(eintraege[1]);
    EXPECT_EQ(kuerzel(), QStringLiteral("Ctrl+N"));
    h.SpracheClick(eintraege[0]);
    EXPECT_EQ(kuerzel(), QStringLiteral("Strg+N"));
}

TEST(MainForm, ReadingAFileThatIsNoMeasurementAsksForTheRawImport) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMDIGraphWin* graph = h.DateiNeuClick();
    const QString datei = p.Pfad(QStringLiteral("Daten/fremd.bin"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("0102ff"));
    }
    // Answer No: messages 3, 16 and 2, the graph stays as it was.
    p.Benutzer.Dateien = {datei};
    p.Benutzer.FrageAntwort = mrNo;
    h.ActInGraphLaden->trigger();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{3, 16, 2}));
    EXPECT_TRUE(graph->Diagramm.Kurven.isEmpty());
    EXPECT_EQ(p.Benutzer.DateiDialoge.last().DateiName, QStringLiteral("Messdatei.ome"));
    EXPECT_EQ(p.Benutzer.DateiDialoge.last().Verzeichnis, p.App.AppConst.DatenPfad);

    // Answer Yes: messages 3 and 16, and the file's bytes arrive as one curve of raw values.
    p.Benutzer.Gezeigt.clear();
    p.Benutzer.Dateien = {datei};
    p.Benutzer.FrageAntwort = mrYes;
    h.ActInGraphLaden->trigger();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{3, 16}));
    ASSERT_EQ(graph->Diagramm.Kurven.size(), 1);
    EXPECT_EQ(graph->Diagramm.Kurven[0].Werte[1], (QVector<double>{1, 2, 255}));
    // The new curve is work that closing the window would lose.
    EXPECT_FALSE(graph->Gespeichert);

    // A cancelled dialog does nothing at all.
    p.Benutzer.Gezeigt.clear();
    p.Benutzer.Dateien = {std::nullopt};
    h.ActInGraphLaden->trigger();
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
    EXPECT_EQ(graph->Diagramm.Kurven.size(), 1);
}

TEST(MainForm, InstrumentCommandsReportAFailedRunWithMessage25) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.DatenAusGeraetLesen = nullptr;
    p.Benutzer.Dateien = {p.Pfad(QStringLiteral("Daten/neu.ome")),
                          p.Pfad(QStringLiteral("Daten/neu.ome"))};
    h.ActInDateiLaden->trigger();
    h.ActNeuLaden->trigger();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{25, 25}));
    EXPECT_TRUE(h.GraphFenster().isEmpty());
}

// The user's cancel of a read-out is no error: no message 25, no window.
TEST(MainForm, ACancelledReadOutShowsNoError) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.DatenAusGeraetLesen = [](const QString&) {
        TAuslesen a;
        a.Bericht.Abgebrochen = true;
        return a;
    };
    p.Benutzer.Dateien = {p.Pfad(QStringLiteral("Daten/neu.ome"))};
    h.ActNeuLaden->trigger();
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
    EXPECT_TRUE(h.GraphFenster().isEmpty());
}

TEST(MainForm, InstrumentReadOpensTheFileWhereTheDataLanded) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QString empfangen = p.Pfad(QStringLiteral("Daten/empfangen.ome"));
    QString gefragt;
    // The run puts the data into the data directory, whatever the chosen name said.
    h.DatenAusGeraetLesen = [&](const QString& datei) {
        gefragt = datei;
        QDir().mkpath(p.Pfad(QStringLiteral("Daten")));
        QFile f(empfangen);
        TAuslesen a;
        if (f.open(QIODevice::WriteOnly)) {
            f.write(QByteArray::fromHex("0102ff"));
            a.Datei = empfangen;
        }
        return a;
    };
    p.Benutzer.Dateien = {QStringLiteral("/anderswo/gewaehlt.ome")};
    p.Benutzer.FrageAntwort = mrYes;
    h.ActNeuLaden->trigger();
    EXPECT_EQ(gefragt, QStringLiteral("/anderswo/gewaehlt.ome"));
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{3, 16}));
    ASSERT_EQ(h.GraphFenster().size(), 1);
    ASSERT_EQ(h.GraphFenster()[0]->Diagramm.Kurven.size(), 1);
    EXPECT_EQ(h.GraphFenster()[0]->Diagramm.Kurven[0].Werte[1], (QVector<double>{1, 2, 255}));
}

TEST(MainForm, ClosingAsksTheGraphWindowsFromTheLastAndStoresTheGeometry) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.DateiNeuClick()->Gespeichert = false;
    h.DateiNeuClick()->Gespeichert = false;
    h.showNormal();
    h.setGeometry(40, 50, 900, 640);
    QCoreApplication::processEvents();
    // Cancel both questions: the windows stay, the program still closes.
    p.Benutzer.Antworten = {mrCancel, mrCancel};
    EXPECT_TRUE(h.close());
    ASSERT_EQ(p.Benutzer.Gezeigt.size(), 2);
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(QStringLiteral("Graph2")));
    EXPECT_TRUE(p.Benutzer.Gezeigt[1].Text.contains(QStringLiteral("Graph1")));
    const QRect lage = h.geometry();
    EXPECT_EQ(p.App.AppConst.Breite, lage.width());
    EXPECT_EQ(p.App.AppConst.Links, lage.left());
    EXPECT_FALSE(p.App.AppConst.Maximiert);
}

namespace {
class TWerfer : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            throw std::runtime_error("Gleitkommadivision durch Null");
        }
        return QObject::event(e);
    }
};
} // namespace

TEST(MainForm, AnErrorEscapingAnEventHandlerIsShownAndTheProgramGoesOn) {
    auto* anwendung = qobject_cast<TOrvanApplikation*>(QCoreApplication::instance());
    ASSERT_NE(anwendung, nullptr);
    TSkriptBenutzer benutzer;
    anwendung->Benutzer = &benutzer;
    TWerfer werfer;
    QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    anwendung->Benutzer = nullptr;
    ASSERT_EQ(benutzer.Gezeigt.size(), 1);
    EXPECT_EQ(benutzer.Gezeigt[0].Text, QStringLiteral("Gleitkommadivision durch Null"));
    EXPECT_EQ(benutzer.Gezeigt[0].Typ, TNachrichtTyp::Fehler);
}

// The graph windows die in the widget base destructor, after the main window's own has run;
// their `destroyed` must not call back into what is left of it. A plain build cannot see that
// call, the sanitizer build (UBSan's vptr check) stops here when it happens.
TEST(MainForm, DestroyingItWithGraphWindowsOpenCallsNothingBack) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    QList<QPointer<TMDIGraphWin>> fenster;
    for (int i = 0; i < 3; ++i) {
        fenster << h.DateiNeuClick();
    }
    QCoreApplication::processEvents();
    p.Haupt.reset();
    for (const auto& f : fenster) {
        EXPECT_TRUE(f.isNull()) << "a graph window outlived its main window";
    }
    EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
}
