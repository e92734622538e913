// Files named on the command line (or by the file manager): graph files open as graph
// windows, measurement files go into a new graph as "Messwerte aus Datei" does.
#include "UiTestHilfen.h"

#include "graph/GraphDatei.h"

#include <gtest/gtest.h>

TEST(DateienOeffnen, GraphFilesAsWindowsMeasurementsIntoNewGraphsInTheGivenOrder) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TDiagramm d = p.App.DefaultDiagramm;
    d.Titel = QStringLiteral("Gespeichert");
    const QString graph = p.Pfad(QStringLiteral("Daten/probe.OGR"));
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(graph, d));
    // Three bytes that are no measurement file: read as raw values when the user says Yes.
    const QString roh = p.Pfad(QStringLiteral("Daten/roh.ome"));
    QFile datei(roh);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray::fromHex("0102ff"));
    datei.close();
    p.Benutzer.FrageAntwort = mrYes;

    h.DateienOeffnen({roh, graph});
    ASSERT_EQ(h.GraphFenster().size(), 2);
    // The measurement went into a new graph, with its values as the curve.
    ASSERT_EQ(h.GraphFenster()[0]->Diagramm.Kurven.size(), 1);
    EXPECT_EQ(h.GraphFenster()[0]->Diagramm.Kurven[0].Werte[1], (QVector<double>{1, 2, 255}));
    // The graph file (extension in any case) opened as itself.
    EXPECT_EQ(h.GraphFenster()[1]->Diagramm.Titel, QStringLiteral("Gespeichert"));
}

TEST(DateienOeffnen, AMissingFileIsReportedAndTheOthersStillOpen) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TDiagramm d = p.App.DefaultDiagramm;
    const QString graph = p.Pfad(QStringLiteral("Daten/da.ogr"));
    ASSERT_TRUE(GraphDatei::GraphDateiSchreiben(graph, d));
    h.DateienOeffnen({p.Pfad(QStringLiteral("Daten/fehlt.ome")), graph});
    EXPECT_FALSE(p.Benutzer.Gezeigt.isEmpty());
    int offen = 0;
    for (const TMDIGraphWin* f : h.GraphFenster()) {
        offen += f->windowTitle().contains(QStringLiteral("da.ogr")) ? 1 : 0;
    }
    EXPECT_EQ(offen, 1);
}
