#pragma once

#include <QString>
#include <functional>

// The progress display of a device command run: the progress dialog in the GUI, status
// lines on standard error in orvan-cli. The run decides what is shown; the display only
// shows it and runs the modal part.
class TGeraetAnzeige {
public:
    virtual ~TGeraetAnzeige() = default;

    // Appends a status line (it may hold a line break).
    virtual void Zeile(const QString& text) = 0;
    // The gauge: position and maximum, and whether the percentage is shown.
    virtual void Fortschritt(qint64 position, qint64 maximum) = 0;
    virtual void ProzentAnzeigen(bool an) = 0;
    virtual void Neuzeichnen() {}

    // Shows the display modally: `start` runs once, as soon as it is shown; `abbrechen` is
    // what its cancel control does. Returns when the display has closed.
    virtual void Ausfuehren(const std::function<void()>& start,
                            const std::function<void()>& abbrechen) = 0;
    // Asks the display to close once control is back in its modal loop.
    virtual void SchliessenAnfordern() = 0;
    // The run is over. A display the user reads may stay after a failure, until the user
    // closes it, so that its lines can be read; by default it closes as SchliessenAnfordern.
    virtual void Beenden(bool fehlgeschlagen) {
        (void)fehlgeschlagen;
        SchliessenAnfordern();
    }
};
