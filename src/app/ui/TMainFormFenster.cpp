// The main window's graph windows: where a new one is placed, and minimising and tiling them.
#include "app/ui/TMainForm.h"

#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "app/ui/TInfoBox.h"
#include "device/AuftragSenden.h"
#include "device/GeraetBefehl.h"
#include "device/GeraetEinstellungen.h"
#include "device/port/SeriellePorts.h"
#include "graph/DateiInDiagramm.h"
#include "graph/GraphDatei.h"
#include "graph/ui/TMDIGraphWin.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/ui/TMessInfoForm.h"
#include "shell/DateiDialoge.h"
#include "shell/Konfiguration.h"
#include "shell/Sprache.h"
#include "shell/ui/TMainCfgForm.h"
#include "shell/ui/TQtBenutzer.h"
#include "shell/ui/TSymbole.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

QMdiSubWindow* TMainForm::FensterEinsetzen(TMDIGraphWin* fenster) {
    fenster->MarkerKnoepfeSetzen(ActMarker1, ActMarker2);
    fenster->DruckerSetzen(FDrucker.get());
    fenster->VorgabenSetzen({&FApp.DefaultDiagramm, &FApp.DefaultKurve, [this] {
                                 return EinstellungenSchreiben(FApp,
                                                               FApp.AppConst.KonfigurationsPfad,
                                                               FApp.AppConst.UserKonfigDatei);
                             }});
    // The unit button of the graph properties opens the settings on the units tab, over
    // the properties dialog that asked.
    connect(fenster, &TMDIGraphWin::EinheitenBearbeitenGewuenscht, this, [this, fenster] {
        QWidget* fragend = QApplication::activeModalWidget();
        EinheitenBearbeiten(fragend != nullptr ? fragend : fenster);
    });
    connect(fenster, &TMDIGraphWin::AnsichtGeaendert, this, [this] { NavigationAktualisieren(); });
    connect(fenster, &TMDIGraphWin::DateiGespeichert, this,
            [this](const QString& datei) { ZuletztEintragen(datei); });
    QMdiSubWindow* rahmen = FMdiArea->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    rahmen->setWindowIcon(TSymbole::Symbol(QStringLiteral("InGraphLaden")));
    rahmen->setGeometry(NeueFensterLage(rahmen));
    // The enabled states follow the number of windows at once, not only at the next
    // activation.
    connect(rahmen, &QObject::destroyed, &FFensterWache, [this] {
        if (!FSchliesst) {
            Aktualisieren();
        }
    });
    if (FApp.AppConst.FensterMaximiert) {
        rahmen->showMaximized();
    } else {
        rahmen->show();
    }
    FMdiArea->setActiveSubWindow(rahmen);
    FLetztesGraphFenster = fenster;
    Aktualisieren();
    return rahmen;
}

QRect TMainForm::NeueFensterLage(const QMdiSubWindow* neu) const {
    // The stored place of the last closed graph, but never a strip too small to show a
    // chart, never outside the area, and never exactly on top of a window already there.
    constexpr int kMinBreite = 360;
    constexpr int kMinHoehe = 260;
    constexpr int kVersatz = 28;
    const TAppConst& a = FApp.AppConst;
    QRect lage(a.FensterLinks, a.FensterOben, std::max(a.FensterBreite, kMinBreite),
               std::max(a.FensterHoehe, kMinHoehe));
    const QSize flaeche = FMdiArea->viewport()->size();
    if (flaeche.width() > kMinBreite && flaeche.height() > kMinHoehe) {
        if (lage.left() < 0 || lage.left() > flaeche.width() - kVersatz) {
            lage.moveLeft(0);
        }
        if (lage.top() < 0 || lage.top() > flaeche.height() - kVersatz) {
            lage.moveTop(0);
        }
    }
    const QList<QMdiSubWindow*> offen = FMdiArea->subWindowList();
    for (int versuch = 0; versuch < 20; ++versuch) {
        const bool belegt = std::any_of(offen.cbegin(), offen.cend(), [&](QMdiSubWindow* f) {
            return f != neu && f->geometry().topLeft() == lage.topLeft();
        });
        if (!belegt) {
            break;
        }
        lage.translate(kVersatz, kVersatz);
    }
    return lage;
}

TMDIGraphWin* TMainForm::DateiNeuClick() {
    ++FGraphZaehler;
    auto* fenster =
        new TMDIGraphWin(FApp, FApp.DefaultDiagramm, FApp.DefaultKurve,
                         FApp.Texte.GraphFensterText + QString::number(FGraphZaehler), false);
    FensterEinsetzen(fenster);
    return fenster;
}
