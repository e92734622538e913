#pragma once

#include <QApplication>

class TBenutzer;

// The GUI application object. It is also the program's general error display: an error
// that escapes an event handler is caught here, in one place, and shown in a message box
// with its text; the program goes on.
class TOrvanApplikation : public QApplication {
    Q_OBJECT
public:
    TOrvanApplikation(int& argc, char** argv);

    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Where the error box is shown; without it the error goes to standard error.
    TBenutzer* Benutzer = nullptr;

    // Shows an error text as the general error display does.
    static void FehlerZeigen(TBenutzer* benutzer, const QString& text);
};
