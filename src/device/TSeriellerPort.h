#pragma once

#include "device/TPortProtokoll.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QTimer;

// Line settings of a port, taken from the device catalogue.
struct TPortEinstellungen {
    QString Name; // the device, e.g. /dev/ttyUSB0 or a pseudo-terminal
    qint32 Baud = 9600;
    int DatenBits = 8;
    int StopBits = 1;
    int Parity = 0; // 0 none, 1 odd, 2 even, 3 mark, 4 space
};

// The serial port as the command run sees it. The device itself (a real port, a
// pseudo-terminal, or a scripted instrument in the tests) is behind four primitives
// (GeraetOeffnen, GeraetSchliessen, GeraetSchreiben, GeraetWarten); everything the run uses
// is built here on top of them once: the input buffer with peek and take, waiting for one or
// several strings with a time-out in ticks of 55 ms, timer triggers, reopening a closed port
// with its last settings, and the trace and log.
//
// Received bytes are announced by DatenVorhanden through the event loop, never from inside a
// wait, so a handler never runs in the middle of a wait that keeps the event loop out.
class TSeriellerPort : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 55;

    explicit TSeriellerPort(QObject* eltern = nullptr);
    ~TSeriellerPort() override;

    // Opening applies the settings; false when the device cannot be opened (the reason is in
    // Fehlertext). Line controls the device cannot do are noted in the log, not failures.
    bool Oeffnen(const TPortEinstellungen& einstellungen);
    void Schliessen();
    bool IstOffen() const { return FOffen; }
    const TPortEinstellungen& Einstellungen() const { return FEinstellungen; }
    QString Fehlertext() const { return FFehlertext; }
    // The last open failed because the device is not there (unplugged, or a link to a
    // pseudo-terminal whose other side has ended), not because it is held or refused.
    bool GibtEsNicht() const { return FGibtEsNicht; }
    // Set when the other side hung up or the device went away; cleared by opening.
    bool Getrennt() const { return FGetrennt; }

    // Sending. A closed port is opened again with its last settings first; false when that
    // fails or the device refuses the bytes.
    bool ZeichenSenden(char zeichen);
    bool Senden(const QByteArray& daten);

    // Input buffer.
    int Wartend();
    QByteArray Ansehen(int anzahl);
    QByteArray Nehmen(int anzahl);
    void EingangLeeren();

    // Waits until `text` has arrived (letter case ignored when asked), at most `ticks` ticks;
    // every byte consumed meanwhile goes to BeiWarteZeichen. With `schleife` the event loop
    // runs during the wait. An empty text counts as arrived at once.
    bool WartenAuf(const QByteArray& text, int ticks, bool schleife, bool grossKleinEgal = true);
    // Waits for one of several texts joined by `trenner`; returns the 1-based index of the
    // text that arrived, 0 on time-out.
    int WartenAufEines(const QByteArray& texte, int ticks, bool schleife, bool grossKleinEgal,
                       char trenner);
    // Gives the event loop `ms` milliseconds (a pause that lets handlers run).
    void Pause(int ms);

    std::function<void(char)> BeiWarteZeichen;

    // Timer triggers: an added trigger is started with a number of ticks (0 stops it); when
    // it expires, TimerAbgelaufen is raised once through the event loop.
    quint16 TimerHinzufuegen();
    void TimerSetzen(quint16 handle, int ticks);
    void AlleTriggerEntfernen();

    // Trace and log of what passed the port (see TPortProtokoll).
    TPortProtokoll& Protokoll() { return FProtokoll; }
    void Notiz(const QString& text) { FProtokoll.Notiz(text); }

signals:
    void DatenVorhanden();
    void TimerAbgelaufen(quint16 handle);
    void VerbindungVerloren();

protected:
    // The device primitives. An open that fails because the device is not there sets
    // FGibtEsNicht.
    virtual bool GeraetOeffnen(const TPortEinstellungen& einstellungen, QString& fehler) = 0;
    virtual void GeraetSchliessen() = 0;
    virtual bool GeraetSchreiben(const QByteArray& daten) = 0;
    // Waits at most `ms` for bytes without running the event loop; returns what came
    // (possibly nothing). With ms 0 only what is already there.
    virtual QByteArray GeraetLesen(int ms) = 0;

    // The implementation reports bytes that arrived while the event loop ran, and a line
    // that went away.
    void Empfangen(const QByteArray& daten);
    void Verloren(const QString& grund);

    bool FGibtEsNicht = false;

private:
    bool OffenHalten();
    int Suchen(const QList<QByteArray>& texte, int ticks, bool schleife, bool grossKleinEgal);
    void AnkuendigungPlanen();

    bool FOffen = false;
    bool FGetrennt = false;
    bool FGeoeffnetGewesen = false;
    TPortEinstellungen FEinstellungen;
    QString FFehlertext;
    QByteArray FEingang;
    bool FAnkuendigungGeplant = false;

    QHash<quint16, QTimer*> FTimer;
    quint16 FNaechsterHandle = 1;

    TPortProtokoll FProtokoll;
};
