#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

// The captions of the help window, in the language in use.
struct THilfeFensterTexte {
    QString Titel = QStringLiteral("Orvan - Hilfe");
    QString Zurueck = QStringLiteral("Zurück");
    QString Vor = QStringLiteral("Vor");
    QString Inhalt = QStringLiteral("Inhalt");
    QString Suchen = QStringLiteral("In der Hilfe suchen...");
    QString Browser = QStringLiteral("Im Browser öffnen");
    // Shown, followed by the file's path, where help cannot be shown as asked.
    QString KeinBrowser = QStringLiteral("Kein Browser verfügbar. Die Hilfe liegt in:");
    QString DateiFehlt = QStringLiteral("Die Hilfedatei wurde nicht gefunden:");
};

// A small window that shows the help pages inside the program, so help works without a web
// browser: back, forward and contents, a search field that finds text on the page, and a
// button that opens the same place in the desktop's browser.
class THilfeFenster : public QDialog {
    Q_OBJECT
public:
    explicit THilfeFenster(QWidget* eltern = nullptr);

    // Shows `adresse` (a page with the anchor of a help context).
    void Zeigen(const QUrl& adresse);
    // Says in the window that the help file `datei` is missing.
    void DateiFehlt(const QString& datei);
    void TexteSetzen(const THilfeFensterTexte& texte);

    QTextBrowser* Browser() const { return FBrowser; }
    QLineEdit* Suchfeld() const { return FSuchen; }
    // The line under the page that says what went wrong (hidden while all is well).
    QLabel* Hinweis() const { return FHinweis; }

    // Opens the page in the desktop's browser; false when there is none. Tests put their own
    // here.
    std::function<bool(const QUrl&)> BrowserOeffnen;

    // Finds the next place of `text` on the page, from the top again after the end; false
    // when the page does not hold it.
    bool Suchen(const QString& text);

private:
    void HinweisZeigen(const QString& text, const QString& datei);

    QTextBrowser* FBrowser;
    QLineEdit* FSuchen;
    QLabel* FHinweis;
    THilfeFensterTexte FTexte;
    QToolButton *FZurueck, *FVor, *FInhalt, *FImBrowser;
};
