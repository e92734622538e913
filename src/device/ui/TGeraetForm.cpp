#include "device/ui/TGeraetForm.h"

#include "device/GeraetBefehl.h"
#include "device/TGeraetUmgebung.h"
#include "device/port/TQtSeriellerPort.h"
#include "shell/HilfeKontexte.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

TGeraetForm::TGeraetForm(TShellKontext& app, QWidget* eltern) : QDialog(eltern), FApp(app) {
    setWindowTitle(Text("GeraetFormCaptionText", "Geräte - Verbindung..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setProperty("HilfeKontext", HilfeKontext::MesswerteNeuLaden);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedHeight(25);
    Gauge = new QProgressBar(panel);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setToolTip(Text("GaugeHint", "Übertragungsfortschritt"));
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(Gauge);

    Meldung = new QPlainTextEdit(this);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    Meldung->setReadOnly(true);
    Meldung->setFixedHeight(104);
    Meldung->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The lines wrap at the dialog's width: a failure's line is read whole, without scrolling
    // sideways in a small dialog.
    Meldung->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Meldung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BtnAbbrechen = new QPushButton(Text("BtnAbbrechenCaption", "Abbrechen"), this);
    BtnAbbrechen->setToolTip(Text("BtnAbbrechenHint", "abbrechen..."));
    BtnHilfe = new QPushButton(Text("BtnHilfeCaption", "Hilfe..."), this);
    BtnHilfe->setToolTip(Text("BtnHilfeHint", "Hilfe aufrufen..."));
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] {
        if (FAbbrechen) {
            FAbbrechen();
        }
        SchliessenAnfordern();
    });
    connect(BtnHilfe, &QPushButton::clicked, this,
            [this] { FApp.Benutzer->HilfeZeigen(HilfeKontext::GeraeteVerbindung); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnAbbrechen);
    knoepfe->addWidget(BtnHilfe);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(panel);
    layout->addWidget(Meldung);
    layout->addLayout(knoepfe);
    setFixedSize(292, 173);
}

QString TGeraetForm::Text(const char* schluessel, const char* vorgabe) const {
    // The language list names every text of this dialog; until a key is there, its German
    // default stands.
    if (const QString* t = FApp.Texte.Suchen(QString::fromLatin1(schluessel))) {
        return *t;
    }
    return QString::fromUtf8(vorgabe);
}

void TGeraetForm::Zeile(const QString& text) {
    Meldung->appendPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Meldung->verticalScrollBar()->setValue(Meldung->verticalScrollBar()->maximum());
}

void TGeraetForm::Fortschritt(qint64 position, qint64 maximum) {
    // QProgressBar counts in int; large transfers are shown in kilobytes.
    const int teiler = maximum > 0x7FFFFFFF / 2 ? 1024 : 1;
    Gauge->setRange(0, int(std::max<qint64>(maximum / teiler, 0)));
    Gauge->setValue(int(std::clamp<qint64>(position, 0, maximum) / teiler));
}

void TGeraetForm::ProzentAnzeigen(bool an) {
    Gauge->setTextVisible(an);
}

void TGeraetForm::Neuzeichnen() {
    repaint();
}

void TGeraetForm::Ausfuehren(const std::function<void()>& start,
                             const std::function<void()>& abbrechen) {
    FStart = start;
    FAbbrechen = abbrechen;
    exec();
    FStart = nullptr;
    FAbbrechen = nullptr;
}

void TGeraetForm::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (FGestartet) {
        return; // a message box gave the focus back: the command runs only once
    }
    FGestartet = true;
    QTimer::singleShot(0, this, [this] {
        repaint();
        FLaeuft = true;
        if (FStart) {
            FStart();
        }
        FLaeuft = false;
        if (FSchliessen) {
            accept();
        }
    });
}

void TGeraetForm::SchliessenAnfordern() {
    FSchliessen = true;
    if (!FLaeuft) {
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
    }
}

void TGeraetForm::Beenden(bool fehlgeschlagen) {
    if (!fehlgeschlagen) {
        SchliessenAnfordern();
        return;
    }
    // Nothing is left to cancel: the button only closes the dialog.
    FAbbrechen = nullptr;
    FSchliessen = false;
    BtnAbbrechen->setText(FApp.Texte.GeraetFormBtnSchliessenCaption);
    BtnAbbrechen->setToolTip(FApp.Texte.GeraetFormBtnSchliessenHint);
    BtnAbbrechen->setDefault(true);
    BtnAbbrechen->setFocus();
}

void GeraetOberflaecheEinrichten(TShellKontext& app, TGeraetUmgebung& umgebung,
                                 QWidget* hauptfenster) {
    SeriellenPortEinrichten(umgebung);
    umgebung.AnzeigeErzeugen = [&app, hauptfenster] {
        return std::make_unique<TGeraetForm>(app, hauptfenster);
    };
}
