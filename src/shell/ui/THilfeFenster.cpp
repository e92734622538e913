#include "shell/ui/THilfeFenster.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

THilfeFenster::THilfeFenster(QWidget* eltern) : QDialog(eltern, Qt::Window) {
    setObjectName(QStringLiteral("HilfeFenster"));
    resize(640, 560);

    FBrowser = new QTextBrowser(this);
    // Links to other places of the help stay in this window; web and mail addresses go to
    // the desktop's programs.
    FBrowser->setOpenExternalLinks(true);

    const auto knopf = [this](QStyle::StandardPixmap bild, const QString& name) {
        auto* k = new QToolButton(this);
        k->setObjectName(name);
        k->setIcon(style()->standardIcon(bild));
        k->setAutoRaise(true);
        return k;
    };
    FZurueck = knopf(QStyle::SP_ArrowBack, QStringLiteral("HilfeZurueck"));
    FVor = knopf(QStyle::SP_ArrowForward, QStringLiteral("HilfeVor"));
    FInhalt = knopf(QStyle::SP_DirHomeIcon, QStringLiteral("HilfeInhalt"));
    FImBrowser = new QToolButton(this);
    FImBrowser->setObjectName(QStringLiteral("HilfeImBrowser"));
    FImBrowser->setAutoRaise(true);
    FZurueck->setEnabled(false);
    FVor->setEnabled(false);
    FSuchen = new QLineEdit(this);
    FSuchen->setObjectName(QStringLiteral("HilfeSuchen"));
    FSuchen->setClearButtonEnabled(true);

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(FZurueck);
    leiste->addWidget(FVor);
    leiste->addWidget(FInhalt);
    leiste->addWidget(FSuchen, 1);
    leiste->addWidget(FImBrowser);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->addLayout(leiste);
    spalte->addWidget(FBrowser, 1);
    FHinweis = new QLabel(this);
    FHinweis->setObjectName(QStringLiteral("HilfeHinweis"));
    FHinweis->setWordWrap(true);
    FHinweis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FHinweis->hide();
    spalte->addWidget(FHinweis);
    BrowserOeffnen = [](const QUrl& adresse) { return QDesktopServices::openUrl(adresse); };

    connect(FZurueck, &QToolButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FVor, &QToolButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, FZurueck, &QToolButton::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FVor, &QToolButton::setEnabled);
    connect(FInhalt, &QToolButton::clicked, this, [this] {
        QUrl seite = FBrowser->source();
        seite.setFragment(QString());
        FBrowser->setSource(seite);
    });
    connect(FImBrowser, &QToolButton::clicked, this, [this] {
        // Without a browser the user at least learns where the help lies.
        const QUrl seite = FBrowser->source();
        if (!BrowserOeffnen || !BrowserOeffnen(seite)) {
            HinweisZeigen(FTexte.KeinBrowser, seite.toLocalFile());
        }
    });
    connect(FSuchen, &QLineEdit::returnPressed, this, [this] { Suchen(FSuchen->text()); });
    connect(FSuchen, &QLineEdit::textEdited, this, [this](const QString& text) {
        // While typing, the search starts again from the top of the page.
        FBrowser->moveCursor(QTextCursor::Start);
        Suchen(text);
    });

    TexteSetzen(THilfeFensterTexte());
}

void THilfeFenster::TexteSetzen(const THilfeFensterTexte& texte) {
    FTexte = texte;
    setWindowTitle(texte.Titel);
    FZurueck->setToolTip(texte.Zurueck);
    FVor->setToolTip(texte.Vor);
    FInhalt->setToolTip(texte.Inhalt);
    FSuchen->setPlaceholderText(texte.Suchen);
    FImBrowser->setText(texte.Browser);
}

void THilfeFenster::HinweisZeigen(const QString& text, const QString& datei) {
    FHinweis->setText(text + QStringLiteral(" ") + QDir::toNativeSeparators(datei));
    FHinweis->show();
}

void THilfeFenster::DateiFehlt(const QString& datei) {
    FBrowser->clear();
    FImBrowser->setEnabled(false); // there is no page to hand on
    HinweisZeigen(FTexte.DateiFehlt, datei);
}

void THilfeFenster::Zeigen(const QUrl& adresse) {
    FHinweis->hide();
    FImBrowser->setEnabled(true);
    FBrowser->setSource(adresse);
    // setSource with only a new anchor on the same page scrolls without a reload; make sure
    // the anchor is at the top either way.
    if (!adresse.fragment().isEmpty()) {
        FBrowser->scrollToAnchor(adresse.fragment());
    }
}

bool THilfeFenster::Suchen(const QString& text) {
    if (text.isEmpty()) {
        FSuchen->setStyleSheet(QString());
        return true;
    }
    bool gefunden = FBrowser->find(text);
    if (!gefunden) {
        FBrowser->moveCursor(QTextCursor::Start);
        gefunden = FBrowser->find(text);
    }
    // A field that turns red says the page does not hold the text.
    FSuchen->setStyleSheet(gefunden ? QString() : QStringLiteral("background:#f6c6c6"));
    return gefunden;
}
