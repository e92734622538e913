#pragma once

#include "shell/TBenutzer.h"

#include "shell/ui/THilfeFenster.h"

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

// The user seam answered by Qt dialogs: the numbered messages in a modal box with the
// German captions and buttons, Qt's own file dialogs, the input box and the print dialog.
class TQtBenutzer : public TBenutzer {
public:
    int NachrichtZeigen(const TNachrichtInhalt& inhalt) override;
    std::optional<QString> DateiOeffnen(const TDateiDialog& dialog) override;
    std::optional<QString> DateiSpeichern(const TDateiDialog& dialog) override;
    std::optional<QString> VerzeichnisWaehlen(const QString& titel, const QString& start) override;
    std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                   const QString& vorgabe) override;
    std::optional<quint32> FarbeWaehlen(const QString& titel, quint32 farbe) override;
    bool DruckDialog(QPrinter& drucker) override;
    void HilfeZeigen(int kontext) override;

    // Dialogs open over this window (the main window once it exists).
    QWidget* Elternfenster = nullptr;
    // Caption of the custom message type: the application title.
    QString Titel = QStringLiteral("ORVAN");
    // The help page in the language in use; each help context is an anchor "k<number>" in
    // it. Asked at every call, so a change of language or help directory applies at once.
    std::function<QString()> HilfeDatei;
    // The captions of the help window in the language in use.
    std::function<THilfeFensterTexte()> HilfeTexte;

    // The help window, once help was asked for.
    THilfeFenster* Hilfefenster() const { return FHilfe; }

private:
    QPointer<THilfeFenster> FHilfe;
};

// "Graph-Dateien (*.ogr)|*.ogr|Alle Dateien (*.*)|*.*" as a Qt name filter list.
QString QtDateiFilter(const QString& filter);
