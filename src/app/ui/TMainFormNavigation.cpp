// The main window's ways to a graph: back and forward through the views of the active graph,
// go to a time, the files opened last, and files dropped on the window or named on the
// command line.
#include "app/ui/TMainForm.h"

#include "app/TAnwendung.h"
#include "graph/GraphDatei.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/Meldungen.h"
#include "shell/ZuletztGeoeffnet.h"
#include "shell/ui/TSymbole.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>

namespace {

enum class TDateiArt { Graph, Messung, Unbekannt };

TDateiArt DateiArt(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QStringLiteral("ogr")) {
        return TDateiArt::Graph;
    }
    if (endung == QStringLiteral("ome") || endung == QStringLiteral("oor")) {
        return TDateiArt::Messung;
    }
    return TDateiArt::Unbekannt;
}

QStringList GezogeneDateien(const QMimeData* daten) {
    QStringList dateien;
    if (daten == nullptr) {
        return dateien;
    }
    for (const QUrl& url : daten->urls()) {
        if (url.isLocalFile()) {
            dateien.append(url.toLocalFile());
        }
    }
    return dateien;
}

} // namespace

void TMainForm::NavigationAnlegen() {
    using T = TSprachTexte;
    using K = QKeySequence;
    ActZoomZurueck = AktionAnlegen("ZoomZurueck", &T::ZoomZurueckCaption, &T::ZoomZurueckHint,
                                   K(Qt::ALT | Qt::Key_Left), GraphOffen, 0);
    ActZoomVor = AktionAnlegen("ZoomVor", &T::ZoomVorCaption, &T::ZoomVorHint,
                               K(Qt::ALT | Qt::Key_Right), GraphOffen, 0);
    ActGeheZu = AktionAnlegen("GeheZu", &T::GeheZuCaption, &T::GeheZuHint, K(Qt::CTRL | Qt::Key_T),
                              GraphOffen, 0);
    connect(ActZoomZurueck, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ZoomZurueck); });
    connect(ActZoomVor, &QAction::triggered, this, [this] { GraphBefehl(&TMDIGraphWin::ZoomVor); });
    connect(ActGeheZu, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::GeheZuZeitpunkt); });
    // After "Graph Refresh" in the Bearbeiten menu and on the tool bar.
    const auto danach = [](QWidget* ort, QAction* nach) -> QAction* {
        const QList<QAction*> liste = ort->actions();
        const qsizetype i = liste.indexOf(nach);
        return i >= 0 && i + 1 < liste.size() ? liste[i + 1] : nullptr;
    };
    FMenBearbeiten->insertActions(danach(FMenBearbeiten, ActGraphRefresh),
                                  {ActZoomZurueck, ActZoomVor, ActGeheZu});
    ToolBar->insertActions(danach(ToolBar, ActGraphRefresh), {ActZoomZurueck, ActZoomVor});

    // The files opened last, above "Beenden".
    MenZuletzt = new QMenu(this);
    MenZuletzt->menuAction()->setData(20);
    const QList<QAction*> datei = FMenDatei->actions();
    const qsizetype beenden = datei.indexOf(ActBeenden);
    FMenDatei->insertMenu(beenden > 0 ? datei[beenden - 1] : ActBeenden, MenZuletzt);
    connect(MenZuletzt, &QMenu::aboutToShow, this, &TMainForm::ZuletztMenueZeigen);
    ZuletztMenueZeigen();

    setAcceptDrops(true);
}

void TMainForm::NavigationAktualisieren() {
    if (ActZoomZurueck == nullptr) {
        return;
    }
    const TMDIGraphWin* fenster = AktivesGraphFenster();
    ActZoomZurueck->setEnabled(fenster != nullptr && fenster->KannZoomZurueck());
    ActZoomVor->setEnabled(fenster != nullptr && fenster->KannZoomVor());
    const TSprachTexte& t = FApp.Texte;
    MenZuletzt->setTitle(t.ZuletztCaption);
    MenZuletzt->menuAction()->setStatusTip(t.ZuletztHint.section(u'|', -1));
    MenZuletzt->setEnabled(!FApp.AppConst.ZuletztGeoeffnet.isEmpty());
    ZuletztMenueZeigen();
}

void TMainForm::ZuletztMenueZeigen() {
    MenZuletzt->clear();
    int nummer = 1;
    for (const QString& datei : FApp.AppConst.ZuletztGeoeffnet) {
        QString name = QFileInfo(datei).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* eintrag = MenZuletzt->addAction(QStringLiteral("&%1 %2").arg(nummer).arg(name));
        eintrag->setToolTip(datei);
        eintrag->setStatusTip(datei);
        eintrag->setData(datei);
        connect(eintrag, &QAction::triggered, this, [this, datei] { ZuletztOeffnen(datei); });
        ++nummer;
    }
    MenZuletzt->setToolTipsVisible(true);
    MenZuletzt->setEnabled(!FApp.AppConst.ZuletztGeoeffnet.isEmpty());
}

void TMainForm::ZuletztEintragen(const QString& datei) {
    QStringList& liste = FApp.AppConst.ZuletztGeoeffnet;
    const QStringList neu = ZuletztGeoeffnet::Eintragen(liste, datei);
    if (neu == liste) {
        return;
    }
    liste = neu;
    // Written at once: the list survives a program that does not end normally.
    ZuletztGeoeffnet::Speichern(FApp);
    NavigationAktualisieren();
}

void TMainForm::ZuletztOeffnen(const QString& datei) {
    if (!QFileInfo(datei).isFile()) {
        FApp.Nachricht(Meldung::Allgemein, datei + QChar(13) + FApp.Texte.ZuletztFehltText);
        FApp.AppConst.ZuletztGeoeffnet =
            ZuletztGeoeffnet::Entfernen(FApp.AppConst.ZuletztGeoeffnet, datei);
        ZuletztGeoeffnet::Speichern(FApp);
        NavigationAktualisieren();
        return;
    }
    DateienOeffnen({datei});
}

void TMainForm::DateienOeffnen(const QStringList& dateien, TMDIGraphWin* ziel) {
    for (const QString& datei : dateien) {
        switch (DateiArt(datei)) {
        case TDateiArt::Graph:
            GraphFensterOeffnen(datei);
            break;
        case TDateiArt::Messung:
            // Into the window they were dropped on, else into a new graph.
            MessDateiInGraph(datei, ziel == nullptr, ziel);
            break;
        case TDateiArt::Unbekannt:
            FApp.Nachricht(Meldung::Allgemein,
                           datei + QChar(13) + FApp.Texte.DateiArtUnbekanntText);
            break;
        }
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* ereignis) {
    if (!GezogeneDateien(ereignis->mimeData()).isEmpty()) {
        ereignis->acceptProposedAction();
    }
}

void TMainForm::dropEvent(QDropEvent* ereignis) {
    const QStringList dateien = GezogeneDateien(ereignis->mimeData());
    if (dateien.isEmpty()) {
        return;
    }
    ereignis->acceptProposedAction();
    // The graph window under the mouse, if any, takes measurement files.
    TMDIGraphWin* ziel = nullptr;
    for (QWidget* w = childAt(ereignis->position().toPoint()); w != nullptr;
         w = w->parentWidget()) {
        if ((ziel = qobject_cast<TMDIGraphWin*>(w)) != nullptr) {
            break;
        }
    }
    DateienOeffnen(dateien, ziel);
}
