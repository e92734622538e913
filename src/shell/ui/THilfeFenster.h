#pragma once

#include <QDialog>
#include <QUrl>

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
    void TexteSetzen(const THilfeFensterTexte& texte);

    QTextBrowser* Browser() const { return FBrowser; }
    QLineEdit* Suchfeld() const { return FSuchen; }

    // Finds the next place of `text` on the page, from the top again after the end; false
    // when the page does not hold it.
    bool Suchen(const QString& text);

private:
    QTextBrowser* FBrowser;
    QLineEdit* FSuchen;
    QToolButton *FZurueck, *FVor, *FInhalt, *FImBrowser;
};
