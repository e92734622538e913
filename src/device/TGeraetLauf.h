#pragma once

#include "catalogue/TGeraet.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <utility>

class TGeraetUmgebung;
class TShellKontext;
class TGeraetAnzeige;
class TSeriellerPort;
class TXModemUebertragung;

// One device command run: opens the port with the line settings of the device, carries out
// the command (the steps are TGeraetSchritte's), watches the reply time-out and the XMODEM
// transfer, and closes the port again. With a display the run is modal inside it; without,
// it runs straight through. GeraetBefehl (GeraetBefehl.h) is the entry; the class is the
// run's state and its event handlers.
class TGeraetLauf : public QObject {
    Q_OBJECT
public:
    TGeraetLauf(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                const TGeraet& geraet, bool dialogZeigen, bool autoSchliessen);
    ~TGeraetLauf() override;

    // The whole run; true when neither the reply timer expired nor the transfer failed, and
    // the user did not cancel it.
    bool Ausfuehren(const QString& befehl, QString& parameter);

    // Runs the steps of `befehl` (nested by the send-job step).
    void BefehlAusfuehren(const QString& befehl, QString& parameter);

    // What the steps use.
    TShellKontext& App;
    TGeraetUmgebung& Umgebung;
    TGeraet& AktuellesGeraet; // the selected device type: the status read lands here
    TGeraet LaufGeraet;
    bool DialogZeigen;
    bool AutoSchliessen;
    bool LaufFehler = false;
    int WarteTicks = 0;
    QByteArray Empfangstext;
    qint32 DatenAnzahl = 0;
    bool AnzahlErkannt = false;
    bool Abgebrochen = false; // the user pressed cancel: nothing more is sent
    // What an interrupted read-out kept (the part file), and whether the last read-out of
    // this run finished with every byte in its file.
    QString TeilDatei;
    bool EmpfangFertig = false;

    TSeriellerPort& Port() { return *FPort; }
    TXModemUebertragung& Protokoll() { return *FProtokoll; }
    bool UebertragungLaeuft() const;

    // Sends `text` character by character, then waits for `ende` without the event loop.
    std::pair<bool, QByteArray> SendenUndWarten(const QByteArray& text, const QByteArray& ende);
    bool Senden(const QByteArray& text);
    void AntwortTimerStarten();
    void AntwortTimerSetzen(int ticks); // 0 stops it
    bool AntwortTimerDa() const { return FTimerDa; }

    // The display: lines and gauge only while it is shown.
    void Zeile(const QString& text);
    // A failure of the run: sets LaufFehler and shows message `nummer`, unless the user has
    // cancelled.
    void FehlerMelden(int nummer, const QString& text);
    void Fortschritt(qint64 position);
    void Maximum(qint64 maximum);
    qint64 FortschrittWert() const { return FPosition; }
    qint64 MaximumWert() const { return FMaximum; }
    void ProzentAnzeigen(bool an);
    bool AnzeigeDa() const { return FAnzeige != nullptr; }

    void GeraetOnlineSetzen(bool online);
    void VerbindungBeenden();
    // Name of the port as the configuration gives it (or --port).
    QString PortName() const;

private:
    bool PortOeffnen();
    void PortEinstellen();
    void SchliessenAnfordern();
    void Abbrechen();

    void POnWaitChar(char zeichen);
    void POnTriggerAvail();
    void POnTimerTrigger(quint16 handle);
    void PProtocolStatus(int option);
    void PProtocolFinish(int code);
    void PProtocolError(int code);

    std::unique_ptr<TSeriellerPort> FPort;
    std::unique_ptr<TXModemUebertragung> FProtokoll;
    std::unique_ptr<TGeraetAnzeige> FAnzeige;
    quint16 FTimer = 0;
    bool FTimerDa = false;
    bool FPortBereit = false;
    bool FAnzahlVerworfen = false;
    bool FFehlerGemeldet = false;
    bool FBeendenLaeuft = false;
    int FTiefe = 0;
    bool FSchliessenAngefordert = false;
    qint64 FPosition = 0;
    qint64 FMaximum = 100;
};
