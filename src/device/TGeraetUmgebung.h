#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class TGeraetAnzeige;
class TSeriellerPort;

// What a device command run takes from the program around it: where it gets its serial port
// and its progress display. The GUI gives the QSerialPort port and the progress dialog,
// orvan-cli the port and status lines, the tests ports and displays of their own. A run that
// changes the connection state says so through OnlineGeaendert (the main window's status
// bar listens).
class TGeraetUmgebung : public QObject {
    Q_OBJECT
public:
    std::function<std::unique_ptr<TSeriellerPort>()> PortErzeugen;
    // Without a display factory a run shows no progress.
    std::function<std::unique_ptr<TGeraetAnzeige>()> AnzeigeErzeugen;
    // A serial device given for this run (orvan-cli --port); empty: the configured port.
    QString PortGeraet;

signals:
    void OnlineGeaendert(bool online);
};
