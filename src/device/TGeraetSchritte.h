#pragma once

#include <QByteArray>
#include <QString>

class TGeraetLauf;

// Every reply that arrives but does not have the expected form fails the run
// (AntwortFalsch): a garbled instrument must not pass for a working one.
//
// The instrument commands inside a run: what each sends, which echo and reply it waits for,
// how it reads them, what it writes to the display and what it hands back in the parameter.
// The send-job flow checks the instrument's status, asks about a running measurement, a
// stored measurement and an entered job, and runs nested commands on the same port.
class TGeraetSchritte {
public:
    explicit TGeraetSchritte(TGeraetLauf& lauf) : L(lauf) {}

    // Runs every step whose command string equals `befehl`, in the fixed order, then the raw
    // exchange for "S077,".
    void Ausfuehren(const QString& befehl, QString& parameter);

    bool GeraetReset();
    bool UhrLesen(QString& parameter);
    bool UhrSetzen(QString& parameter);
    bool GeraeteZustandLesen(QString& parameter);
    void GeraeteInformationLesen();
    void AuftragSenden(const QString& auftrag);
    bool DatenLesen(const QString& ziel);
    bool SpeicherTesten();
    bool SpeicherLeeren(QString& parameter);
    bool MessungAbbrechen();
    void RohAustausch(QString& parameter);
    bool AuftragUebertragen(const QString& auftrag);

private:
    void Beginnen(const QString& befehl, const QString& zeile);
    void Ergebnis(bool ok);
    // A reply came, but not in the form the command expects: the command has failed, and the
    // user is told what arrived.
    void AntwortFalsch(const QByteArray& antwort);
    static QByteArray Bytes(const QString& text);

    TGeraetLauf& L;
};
