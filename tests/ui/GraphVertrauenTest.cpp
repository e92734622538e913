// Graph windows that lose no work: imports mark the graph unsaved, a file that cannot be
// read opens no window that could overwrite it, and window geometry stays usable.
#include "UiTestHilfen.h"

#include "graph/GraphDatei.h"
#include "measurement/MessDateiSchreiber.h"
#include "measurement/MessTestHilfen.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QMdiSubWindow* Rahmen(TMDIGraphWin* fenster) {
    return qobject_cast<QMdiSubWindow*>(fenster->parentWidget());
}

} // namespace

TEST(GraphVertrauen, AFileThatCannotBeReadOpensNoWindowAndStaysAsItWas) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QString kaputt = p.Pfad(QStringLiteral("Daten/kaputt.ogr"));
    const QString leer = p.Pfad(QStringLiteral("Daten/leer.ogr"));
    const QString messung = p.Pfad(QStringLiteral("Daten/auftrag.ogr"));
    Schreiben(kaputt, QByteArray("kein Graph, nur Text\n"));
    Schreiben(leer, QByteArray());
    TMessDatei auftrag = BeispielAuftrag();
    auftrag.Name = p.App.AppConst.GeraeteListe.value(0);
    ASSERT_FALSE(auftrag.Name.isEmpty());
    ASSERT_TRUE(MessDateiSchreiben(messung, true, auftrag));

    struct TFall {
        const char* Name;
        QString Datei;
        int Nachricht;
        const char* TextEnthaelt;
    };
    const TFall faelle[] = {
        {"damaged", kaputt, 0, "kann nicht gelesen werden"},
        {"empty", leer, 0, "kann nicht gelesen werden"},
        {"measurement file", messung, 0, "Messwerte aus Datei"},
        {"missing", p.Pfad(QStringLiteral("Daten/fehlt.ogr")), 28, ""},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const QByteArray vorher = DateiInhalt(f.Datei);
        p.Benutzer.Gezeigt.clear();
        p.Benutzer.Dateien = {f.Datei};
        h.ActDateiOeffnen->trigger();
        EXPECT_TRUE(h.GraphFenster().isEmpty());
        ASSERT_EQ(p.Benutzer.Nummern(), QList<int>{f.Nachricht});
        EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(QString::fromUtf8(f.TextEnthaelt)))
            << p.Benutzer.Gezeigt[0].Text.toStdString();
        // With no window there is nothing a save could write over the file.
        h.ActDateiSpeichern->trigger();
        EXPECT_EQ(DateiInhalt(f.Datei), vorher);
        EXPECT_EQ(QFileInfo::exists(f.Datei), f.Nachricht != 28);
    }
}

TEST(GraphVertrauen, AnImportMarksTheGraphUnsavedAndClosingAsks) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QString roh = p.Pfad(QStringLiteral("Daten/notiz.ome"));
    Schreiben(roh, QByteArray("abc"));
    TMDIGraphWin* g = h.DateiNeuClick();
    g->Diagramm.Titel = QStringLiteral("vom letzten Mal");
    ASSERT_TRUE(g->Gespeichert);
    p.Benutzer.Dateien = {roh};
    p.Benutzer.FrageAntwort = mrYes; // take the bytes as raw values
    h.ActInGraphLaden->trigger();
    ASSERT_EQ(g->Diagramm.Kurven.size(), 1);
    EXPECT_FALSE(g->Gespeichert);
    // The raw bytes: the graph is named after the file and counts bytes along X.
    EXPECT_EQ(g->Diagramm.Titel, QStringLiteral("notiz.ome"));
    EXPECT_FALSE(g->Diagramm.DatumZeitAchse);
    EXPECT_EQ(g->Diagramm.Kurven[0].Werte[0], (QVector<double>{0, 1, 2}));

    p.Benutzer.Gezeigt.clear();
    p.Benutzer.Antworten = {mrCancel};
    Rahmen(g)->close();
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{30});
    EXPECT_EQ(h.GraphFenster().size(), 1);
}

TEST(GraphVertrauen, StoredGeometryNeverMakesAStripAndNewWindowsDoNotCover) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    p.App.AppConst.FensterLinks = 10;
    p.App.AppConst.FensterOben = 10;
    p.App.AppConst.FensterBreite = 196;
    p.App.AppConst.FensterHoehe = 24;
    p.App.AppConst.FensterMaximiert = false;
    TMDIGraphWin* erstes = h.DateiNeuClick();
    TMDIGraphWin* zweites = h.DateiNeuClick();
    const QRect a = Rahmen(erstes)->geometry();
    const QRect b = Rahmen(zweites)->geometry();
    EXPECT_GE(a.width(), 300);
    EXPECT_GE(a.height(), 200);
    EXPECT_NE(a.topLeft(), b.topLeft());

    // A minimised window remembers its normal size, not the title-bar strip.
    Rahmen(zweites)->setGeometry(30, 40, 520, 380);
    Rahmen(zweites)->showMinimized();
    QCoreApplication::processEvents();
    Rahmen(zweites)->close();
    EXPECT_EQ(p.App.AppConst.FensterBreite, 520);
    EXPECT_EQ(p.App.AppConst.FensterHoehe, 380);
    EXPECT_FALSE(p.App.AppConst.FensterMaximiert);

    // A maximised one too, and it says that it was maximised.
    Rahmen(erstes)->setGeometry(50, 60, 610, 410);
    Rahmen(erstes)->showMaximized();
    QCoreApplication::processEvents();
    Rahmen(erstes)->close();
    EXPECT_EQ(p.App.AppConst.FensterBreite, 610);
    EXPECT_EQ(p.App.AppConst.FensterHoehe, 410);
    EXPECT_TRUE(p.App.AppConst.FensterMaximiert);
}
