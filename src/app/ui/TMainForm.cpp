#include "app/ui/TMainForm.h"

#include "app/AnwendungStarten.h"
#include "app/Fensterlage.h"
#include "app/TAnwendung.h"
#include "app/ui/TInfoBox.h"
#include "app/ui/TOrvanApplikation.h"
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
#include "shell/HilfeKontexte.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
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
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

namespace {

// A hint "short|long": the short part is the tool tip, the long part the status-bar text; a
// hint without "|" serves for both.
QString KurzerHinweis(const QString& hint) {
    const qsizetype strich = hint.indexOf(u'|');
    return strich < 0 ? hint : hint.left(strich);
}
QString LangerHinweis(const QString& hint) {
    const qsizetype strich = hint.indexOf(u'|');
    return strich < 0 ? hint : hint.mid(strich + 1);
}

} // namespace

TMainForm::TMainForm(TAnwendung& app, QWidget* eltern)
    : QMainWindow(eltern), FApp(app), FDrucker(std::make_unique<QPrinter>()) {
    DatenAusGeraetLesen = [this](const QString& datei) {
        TAuslesen gelesen = GeraetAuslesen(FApp, FApp.Geraete, FApp.AktuellesGeraet, datei);
        // An interrupted read-out kept what arrived under a name of its own: offered for
        // reading; the reader then says that its data part is short (message 40).
        const QString& teil = gelesen.Bericht.Teil;
        if (!gelesen.Datei && !teil.isEmpty() &&
            FApp.Nachricht(Meldung::RohdatenEinlesenFragen, teil) == mrYes) {
            gelesen.Datei = teil;
        }
        return gelesen;
    };
    // Messages open over this window from now on.
    if (auto* qt = dynamic_cast<TQtBenutzer*>(FApp.Benutzer)) {
        qt->Elternfenster = this;
        qt->Titel = FApp.Titel;
    }
    QApplication::setApplicationName(FApp.Titel);
    // An icon file in the program directory replaces the built-in application icon.
    const QIcon symbol = !FApp.IconPfad.isEmpty() && QFile::exists(FApp.IconPfad)
                             ? QIcon(FApp.IconPfad)
                             : TSymbole::Programm();
    QApplication::setWindowIcon(symbol);
    setWindowIcon(symbol);

    FMdiArea = new QMdiArea(this);
    FMdiArea->setBackground(QColor(128, 128, 128));
    FMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(FMdiArea);

    AktionenAnlegen();
    MenuesAnlegen();
    ToolBarAnlegen();
    NavigationAnlegen();

    const int breiten[3] = {450, 150, 100};
    for (int i = 0; i < 3; ++i) {
        FPanel[i] = new QLabel(this);
        FPanel[i]->setFixedWidth(breiten[i]);
        FPanel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(FPanel[i]);
    }

    SpracheMenueAnlegen();

    // Stored geometry of the main window, made usable on this screen; a maximised window
    // returns to it when made normal.
    const TAppConst& a = FApp.AppConst;
    const QScreen* bildschirm = screen();
    setGeometry(
        Fensterlage::Anwendbar(QRect(a.Links, a.Oben, a.Breite, a.Hoehe),
                               bildschirm != nullptr ? bildschirm->availableGeometry() : QRect()));
    if (a.Maximiert) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    setWindowTitle(a.Beschreibung);
    connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this] { Aktualisieren(); });
    Aktualisieren();
    StatusBarSetzen();
    // A device run that changes the connection state refreshes the status bar.
    connect(&FApp.Geraete, &TGeraetUmgebung::OnlineGeaendert, this, [this] { StatusBarSetzen(); });
}

TMainForm::~TMainForm() {
    FSchliesst = true;
    disconnect(FMdiArea, nullptr, this, nullptr);
    // The graph windows' `destroyed` connections end with FFensterWache, before the widget
    // base destructor destroys the windows (a window already closed but not yet deleted is
    // no longer in the window list, so disconnecting the listed ones was not enough).
    if (auto* qt = dynamic_cast<TQtBenutzer*>(FApp.Benutzer)) {
        if (qt->Elternfenster == this) {
            qt->Elternfenster = nullptr;
        }
    }
}

void TMainForm::FensterMenueZeigen() {
    FMenFenster->clear();
    FMenFenster->addActions({ActCascade, ActHorizontal, ActVertical, ActArrange, ActMinimize});
    const QList<QMdiSubWindow*> fenster = FMdiArea->subWindowList();
    if (!fenster.isEmpty()) {
        FMenFenster->addSeparator();
    }
    int nummer = 1;
    for (QMdiSubWindow* f : fenster) {
        QString titel = f->windowTitle();
        titel.replace(u'&', QStringLiteral("&&"));
        QAction* eintrag = FMenFenster->addAction(
            nummer < 10 ? QStringLiteral("&%1 %2").arg(nummer).arg(titel) : titel);
        eintrag->setCheckable(true);
        eintrag->setChecked(f == FMdiArea->currentSubWindow());
        connect(eintrag, &QAction::triggered, this, [this, f = QPointer<QMdiSubWindow>(f)] {
            if (f) {
                FMdiArea->setActiveSubWindow(f);
            }
        });
        ++nummer;
    }
}

void TMainForm::Aktualisieren() {
    const TSprachTexte& t = FApp.Texte;
    const bool graphOffen = !GraphFenster().isEmpty();
    for (const TAktion& a : FAktionen) {
        a.Aktion->setText(t.*a.Caption);
        const QString& hint = t.*a.Hint;
        a.Aktion->setToolTip(KurzerHinweis(hint));
        a.Aktion->setStatusTip(LangerHinweis(hint));
        a.Aktion->setEnabled(a.Freigabe == Immer || (a.Freigabe == GraphOffen && graphOffen));
    }
    FMenDatei->setTitle(t.DateiCaption);
    FMenBearbeiten->setTitle(t.BearbeitenCaption);
    FMenExtras->setTitle(t.ExtrasCaption);
    FMenFenster->setTitle(t.FensterCaption);
    FMenHilfe->setTitle(t.HilfeMenuCaption);
    MenSprache->setTitle(t.SpracheCaption);
    MenSprache->menuAction()->setStatusTip(LangerHinweis(t.SpracheHint));
    MenSprache->menuAction()->setToolTip(KurzerHinweis(t.SpracheHint));
    MenSprache->setEnabled(true);
    // Language names are shown as they are: no accelerator characters.
    for (QAction* eintrag : FSprachen->actions()) {
        QString name = eintrag->data().toString();
        eintrag->setText(name.replace(u'&', QStringLiteral("&&")));
    }
    if (!graphOffen) {
        ActMarker1->setChecked(false);
        ActMarker2->setChecked(false);
    }
    NavigationAktualisieren();
}

void TMainForm::StatusBarSetzen() {
    const TSprachTexte& t = FApp.Texte;
    const TGeraet& g = FApp.AktuellesGeraet;
    FPanel[1]->setText(g.Name + QStringLiteral(": ") +
                       (FApp.AppConst.GeraetOnline ? t.OnlineText : t.OfflineText));
    // A parity value the catalogue allows but that has no letter is shown as "?".
    QString paritaet;
    switch (g.Parity) {
    case 0:
        paritaet = t.ParityText0;
        break;
    case 1:
        paritaet = t.ParityText1;
        break;
    case 2:
        paritaet = t.ParityText2;
        break;
    default:
        paritaet = QStringLiteral("?");
        break;
    }
    FPanel[2]->setText(QString::number(g.DatenBits) + paritaet + QString::number(g.StopBits) +
                       u' ' + QString::number(g.Baud));
}

QString TMainForm::StatusText(int panel) const {
    return panel >= 0 && panel < 3 ? FPanel[panel]->text() : QString();
}

bool TMainForm::event(QEvent* ereignis) {
    // The long part of a hint goes into panel 0, the other panels stay.
    if (ereignis->type() == QEvent::StatusTip) {
        FPanel[0]->setText(static_cast<QStatusTipEvent*>(ereignis)->tip());
        return true;
    }
    return QMainWindow::event(ereignis);
}

bool TMainForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_F1) {
        if (auto* menue = qobject_cast<QMenu*>(objekt)) {
            const QAction* aktion = menue->activeAction();
            int kontext = aktion != nullptr ? aktion->data().toInt() : 0;
            if (kontext <= 0) {
                kontext = menue->menuAction()->data().toInt();
            }
            menue->close();
            FApp.Benutzer->HilfeZeigen(kontext > 0 ? kontext : HilfeKontext::Haupt);
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

TMDIGraphWin* TMainForm::AktivesGraphFenster() const {
    QMdiSubWindow* fenster = FMdiArea->currentSubWindow();
    if (fenster == nullptr) {
        fenster = FMdiArea->activeSubWindow();
    }
    return fenster != nullptr ? qobject_cast<TMDIGraphWin*>(fenster->widget()) : nullptr;
}

QList<TMDIGraphWin*> TMainForm::GraphFenster() const {
    QList<TMDIGraphWin*> liste;
    for (QMdiSubWindow* f : FMdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* g = qobject_cast<TMDIGraphWin*>(f->widget()); g != nullptr && !f->isHidden()) {
            liste.append(g);
        }
    }
    return liste;
}

void TMainForm::GraphBefehl(void (TMDIGraphWin::*befehl)()) {
    if (TMDIGraphWin* fenster = AktivesGraphFenster()) {
        (fenster->*befehl)();
    }
}

void TMainForm::KopierenClick() {
    if (TMDIGraphWin* fenster = AktivesGraphFenster()) {
        QApplication::clipboard()->setImage(fenster->Bild());
    }
}

void TMainForm::MinimizeClick() {
    const QList<QMdiSubWindow*> fenster = FMdiArea->subWindowList(QMdiArea::CreationOrder);
    for (qsizetype i = fenster.size() - 1; i >= 0; --i) {
        fenster[i]->showMinimized();
    }
}

void TMainForm::Kacheln(bool horizontal) {
    // Horizontal mode: the windows lie one above the other across the whole width;
    // vertical mode: side by side over the whole height.
    QList<QMdiSubWindow*> fenster;
    for (QMdiSubWindow* f : FMdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!f->isMinimized() && !f->isHidden()) {
            fenster.append(f);
        }
    }
    if (fenster.isEmpty()) {
        return;
    }
    // The smallest window that still shows its plot, axes and read-outs.
    QSize mindest;
    for (QMdiSubWindow* f : fenster) {
        mindest = mindest.expandedTo(f->minimumSizeHint());
    }
    const QList<QRect> lagen = Fensterlage::Kacheln(FMdiArea->viewport()->rect(),
                                                    int(fenster.size()), mindest, horizontal);
    for (qsizetype i = 0; i < fenster.size(); ++i) {
        fenster[i]->showNormal();
        fenster[i]->setGeometry(lagen[i]);
    }
}

void TMainForm::SpracheClick(QAction* eintrag) {
    eintrag->setChecked(true);
    FApp.AppConst.Sprache = eintrag->data().toString();
    SpracheLesen(FApp, FApp.AppConst.Sprache);
    TOrvanApplikation::QtSpracheSetzen(FApp.AppConst.Sprache);
    Aktualisieren();
    StatusBarSetzen();
    if (TMDIGraphWin* fenster = AktivesGraphFenster()) {
        fenster->Aktualisieren();
    }
}

void TMainForm::closeEvent(QCloseEvent* ereignis) {
    // Every graph window from the last to the first; each may ask whether to save. The
    // program ends even when one of them stays open because its question was cancelled.
    const QList<QMdiSubWindow*> fenster = FMdiArea->subWindowList(QMdiArea::CreationOrder);
    for (qsizetype i = fenster.size() - 1; i >= 0; --i) {
        fenster[i]->close();
    }
    FSchliesst = true;
    TAppConst& a = FApp.AppConst;
    // A maximised window keeps the size it will return to when it is made normal again.
    const QRect bisher(a.Links, a.Oben, a.Breite, a.Hoehe);
    const QRect lage =
        Fensterlage::Speicherbar(isMaximized() ? normalGeometry() : geometry(), bisher);
    a.Links = lage.left();
    a.Oben = lage.top();
    a.Breite = lage.width();
    a.Hoehe = lage.height();
    a.Maximiert = isMaximized();
    FensterPositionSpeichern(FApp);
    ereignis->accept();
}
