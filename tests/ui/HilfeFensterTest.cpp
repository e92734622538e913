// The help window: F1 and the Help buttons reach it through the user seam, it shows the page
// of the language in use at the context's anchor, and its search, back and forward work.
#include "UiTestHilfen.h"

#include "app/ui/TOrvanApplikation.h"
#include "device/ui/TGeraetForm.h"
#include "shell/HilfeSeite.h"
#include "shell/ui/THilfeFenster.h"
#include "shell/ui/TNachrichtDialog.h"
#include "shell/ui/TQtBenutzer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kHilfe = QStringLiteral(ORVAN_SOURCE_DIR "/resources/Hilfe/");

struct THilfeBenutzer {
    TQtBenutzer Benutzer;
    QString Sprache = QStringLiteral("Deutsch");
    THilfeBenutzer() {
        Benutzer.HilfeDatei = [this] { return HilfeSeite::Datei(kHilfe, Sprache); };
    }
    ~THilfeBenutzer() { delete Benutzer.Hilfefenster(); }
    THilfeFenster& Fenster() { return *Benutzer.Hilfefenster(); }
};

// The first line of the text that the window shows at its top.
QString ObersteZeile(QTextBrowser* browser) {
    const QTextCursor cursor = browser->cursorForPosition(QPoint(5, 5));
    return cursor.block().text();
}

} // namespace

TEST(HilfeFenster, OpensAtTheMessagePageInTheLanguageInUse) {
    struct TFall {
        const char* Name;
        const char* Sprache;
        int Kontext;
        const char* Ueberschrift;
        const char* Text;
    };
    const TFall faelle[] = {
        {"German message 17", "Deutsch", 9170, "Meldung (17)", "(17) Gerät antwortet nicht,"},
        {"English message 17", "English", 9170, "Message (17)",
         "(17) The instrument does not answer,"},
        {"English progress dialog", "English", 300, "Instrument connection", "Geräte - Verbindung"},
        {"unknown language: German page", "Nederlands", 9280, "Meldung (28)", "(28) Die Datei"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        THilfeBenutzer h;
        h.Sprache = QLatin1String(fall.Sprache);
        h.Benutzer.HilfeZeigen(fall.Kontext);
        ASSERT_NE(h.Benutzer.Hilfefenster(), nullptr);
        THilfeFenster& f = h.Fenster();
        QCoreApplication::processEvents();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Browser()->source().fragment(), QStringLiteral("k%1").arg(fall.Kontext));
        // The anchor is scrolled to the top of the window.
        EXPECT_GT(f.Browser()->verticalScrollBar()->value(), 0);
        EXPECT_EQ(ObersteZeile(f.Browser()), QString::fromUtf8(fall.Ueberschrift));
        EXPECT_TRUE(f.Browser()->toPlainText().contains(QString::fromUtf8(fall.Text)));
    }
}

// Where help cannot be shown as asked, the window says so and names the file: a help file
// that is missing, and "Im Browser öffnen" on a desktop without a browser.
TEST(HilfeFenster, NamesTheHelpFileWhenItCannotShowIt) {
    THilfeBenutzer h;
    h.Sprache = QStringLiteral("Deutsch");
    const QString fehlt = QStringLiteral("/nirgends/Hilfe/Orvan.html");
    h.Benutzer.HilfeDatei = [&] { return fehlt; };
    h.Benutzer.HilfeZeigen(10);
    THilfeFenster& f = h.Fenster();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.Hinweis()->isHidden());
    EXPECT_TRUE(f.Hinweis()->text().contains(THilfeFensterTexte().DateiFehlt));
    EXPECT_TRUE(f.Hinweis()->text().contains(fehlt));
    auto* imBrowser = f.findChild<QToolButton*>(QStringLiteral("HilfeImBrowser"));
    ASSERT_NE(imBrowser, nullptr);
    EXPECT_FALSE(imBrowser->isEnabled());

    // The file is there again; without a browser its path is shown.
    h.Benutzer.HilfeDatei = [&] { return HilfeSeite::Datei(kHilfe, h.Sprache); };
    h.Benutzer.HilfeZeigen(10);
    EXPECT_TRUE(f.Hinweis()->isHidden());
    QUrl verlangt;
    f.BrowserOeffnen = [&](const QUrl& adresse) {
        verlangt = adresse;
        return false;
    };
    ASSERT_TRUE(imBrowser->isEnabled());
    imBrowser->click();
    EXPECT_EQ(verlangt.fragment(), QStringLiteral("k10"));
    EXPECT_FALSE(f.Hinweis()->isHidden());
    EXPECT_TRUE(f.Hinweis()->text().contains(THilfeFensterTexte().KeinBrowser));
    EXPECT_TRUE(f.Hinweis()->text().contains(QDir::toNativeSeparators(verlangt.toLocalFile())));
}

TEST(HilfeFenster, SearchBackAndForward) {
    THilfeBenutzer h;
    h.Benutzer.HilfeZeigen(10);
    THilfeFenster& f = h.Fenster();
    auto* zurueck = f.findChild<QToolButton*>(QStringLiteral("HilfeZurueck"));
    auto* vor = f.findChild<QToolButton*>(QStringLiteral("HilfeVor"));
    ASSERT_TRUE(zurueck && vor);
    EXPECT_FALSE(zurueck->isEnabled());

    // Typing into the search field finds the text; a text the page lacks turns it red.
    QTest::keyClicks(f.Suchfeld(), QStringLiteral("Wartezeit"));
    EXPECT_TRUE(f.Browser()->textCursor().hasSelection());
    EXPECT_EQ(f.Browser()->textCursor().selectedText(), QStringLiteral("Wartezeit"));
    EXPECT_FALSE(f.Suchen(QStringLiteral("Quantenschaum")));
    EXPECT_FALSE(f.Suchfeld()->styleSheet().isEmpty());
    EXPECT_TRUE(f.Suchen(QStringLiteral("Marker")));
    EXPECT_TRUE(f.Suchfeld()->styleSheet().isEmpty());

    // A second help request in the same window can be undone with Back.
    h.Benutzer.HilfeZeigen(9290);
    EXPECT_TRUE(zurueck->isEnabled());
    zurueck->click();
    EXPECT_EQ(f.Browser()->source().fragment(), QStringLiteral("k10"));
    EXPECT_TRUE(vor->isEnabled());
    vor->click();
    EXPECT_EQ(f.Browser()->source().fragment(), QStringLiteral("k9290"));
}

TEST(HilfeFenster, HelpOverAModalMessageBelongsToTheMessageSoItCanBeUsed) {
    THilfeBenutzer h;
    TNachrichtInhalt inhalt;
    inhalt.Text = QStringLiteral("(25) Fehler beim einlesen der Messdatei!");
    inhalt.HilfeKontext = 9250;
    bool geprueft = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TNachrichtDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // F1 in the message box opens the message's help, as its Help button does.
        QTest::keyClick(dialog, Qt::Key_F1);
        ASSERT_NE(h.Benutzer.Hilfefenster(), nullptr);
        EXPECT_EQ(h.Fenster().parentWidget(), dialog);
        EXPECT_EQ(h.Fenster().Browser()->source().fragment(), QStringLiteral("k9250"));
        EXPECT_TRUE(dialog->isVisible());
        geprueft = true;
        dialog->done(QDialog::Rejected);
    });
    auto* anwendung = qobject_cast<TOrvanApplikation*>(QCoreApplication::instance());
    ASSERT_NE(anwendung, nullptr);
    anwendung->Benutzer = &h.Benutzer;
    h.Benutzer.NachrichtZeigen(inhalt);
    anwendung->Benutzer = nullptr;
    EXPECT_TRUE(geprueft);
}

TEST(HilfeFenster, ProgressDialogF1AndHelpButtonGoThroughTheUserSeam) {
    TUiProgramm p;
    p.Starten();
    auto* anwendung = qobject_cast<TOrvanApplikation*>(QCoreApplication::instance());
    anwendung->Benutzer = &p.Benutzer;
    {
        TGeraetForm dialog(p.App);
        dialog.show();
        QCoreApplication::processEvents();
        QTest::keyClick(&dialog, Qt::Key_F1);
        dialog.BtnHilfe->click();
    }
    anwendung->Benutzer = nullptr;
    EXPECT_EQ(p.Benutzer.HilfeKontexte, (QList<int>{100, 300}));
}

TEST(HilfeFenster, MainWindowF1OnAMenuEntryAndTheHelpCommand) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.ActHilfe->trigger();
    // F1 on the highlighted "Einstellungen" of the open Extras menu: that command's help.
    QMenu* extras = nullptr;
    for (QMenu* menue : h.findChildren<QMenu*>()) {
        if (menue->actions().contains(h.ActEinstellungen)) {
            extras = menue;
        }
    }
    ASSERT_NE(extras, nullptr);
    extras->popup(QPoint(10, 10));
    QCoreApplication::processEvents();
    extras->setActiveAction(h.ActEinstellungen);
    QTest::keyClick(extras, Qt::Key_F1);
    EXPECT_EQ(p.Benutzer.HilfeKontexte, (QList<int>{10, 180}));
}
