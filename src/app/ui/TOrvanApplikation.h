#pragma once

#include <QApplication>

class TBenutzer;

// The GUI application object. An error that escapes an event handler is caught here as a
// last resort and shown by the general error display (shell/Fehleranzeige.h); the program
// goes on. Slots themselves catch what they expect and show it the same way.
class TOrvanApplikation : public QApplication {
    Q_OBJECT
public:
    TOrvanApplikation(int& argc, char** argv);

    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Qt's own texts (standard dialog buttons, key names in shortcuts) in the language of the
    // program: German for "Deutsch", Qt's English for any other. True when German texts were
    // installed. Works on any application object, also in the tests.
    static bool QtSpracheSetzen(const QString& sprache);

    // Where the error box is shown; without it the error goes to standard error.
    TBenutzer* Benutzer = nullptr;

private:
    // F1 in a dialog opens the help context that the dialog (or a control in it) names in its
    // property "HilfeKontext". True when it did.
    bool F1Taste(QObject* empfaenger, QEvent* ereignis);
};
