#pragma once

#include "shell/TNachrichtInhalt.h"

#include <QString>
#include <optional>

class QPrinter;

// What a file open or save dialog is asked with.
struct TDateiDialog {
    QString Titel;
    QString Filter;         // "Name (*.ext)|*.ext|Alle Dateien (*.*)|*.*"
    QString Verzeichnis;    // initial directory
    QString DateiName;      // proposed file name
    QString StandardEndung; // default extension without the dot
    int Optionen = 0;       // TDialogOption flags
};

// The one seam between the program and the person in front of it: every numbered message,
// file dialog, directory chooser, input box and print dialog goes through here. The GUI
// answers with Qt dialogs; tests and orvan-cli answer from a script.
class TBenutzer {
public:
    virtual ~TBenutzer() = default;

    // Shows a composed message modally; returns mrOk, mrCancel, mrYes or mrNo.
    virtual int NachrichtZeigen(const TNachrichtInhalt& inhalt) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> DateiOeffnen(const TDateiDialog& dialog) = 0;
    virtual std::optional<QString> DateiSpeichern(const TDateiDialog& dialog) = 0;
    virtual std::optional<QString> VerzeichnisWaehlen(const QString& titel,
                                                      const QString& start) = 0;
    // A single-line input box; nothing when cancelled.
    virtual std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                           const QString& vorgabe) = 0;
    // A colour chooser starting at `farbe` (0x00BBGGRR, as documents store colours); the
    // chosen colour in the same form, nothing when cancelled.
    virtual std::optional<quint32> FarbeWaehlen(const QString& titel, quint32 farbe) = 0;
    // The printer set-up dialog on the given printer; false when cancelled.
    virtual bool DruckDialog(QPrinter& drucker) = 0;
    // Opens the help pages at a help context.
    virtual void HilfeZeigen(int kontext) = 0;
};
