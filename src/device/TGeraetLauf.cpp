#include "device/TGeraetLauf.h"

#include "device/GeraetAntworten.h"
#include "device/TGeraetAnzeige.h"
#include "device/TGeraetSchritte.h"
#include "device/TGeraetUmgebung.h"
#include "device/TSeriellerPort.h"
#include "device/TXModemUebertragung.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"

#include <QFileInfo>

TGeraetLauf::TGeraetLauf(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         const TGeraet& geraet, bool dialogZeigen, bool autoSchliessen)
    : App(app), Umgebung(umgebung), AktuellesGeraet(aktuell), LaufGeraet(geraet),
      DialogZeigen(dialogZeigen), AutoSchliessen(autoSchliessen) {}

TGeraetLauf::~TGeraetLauf() {
    // The transfer is bound to the port: it goes first.
    FProtokoll.reset();
    FPort.reset();
}

QString TGeraetLauf::PortName() const {
    if (!Umgebung.PortGeraet.isEmpty()) {
        return Umgebung.PortGeraet;
    }
    // Port N is key "ComN" of section "Hardware"; without it the N-th serial port.
    return PortGeraet(App.AppConst, App.AppConst.SeriellePortNr);
}

bool TGeraetLauf::Ausfuehren(const QString& befehl, QString& parameter) {
    LaufFehler = false;
    AnzahlErkannt = false;
    WarteTicks = GeraetAntworten::WarteTicks(LaufGeraet.Wartezeit);

    if (!Umgebung.PortErzeugen) {
        App.Nachricht(Meldung::SchnittstelleBesetzt, QString::number(App.AppConst.SeriellePortNr));
        return false;
    }
    FPort = Umgebung.PortErzeugen();
    FPort->BeiWarteZeichen = [this](char c) { POnWaitChar(c); };
    connect(FPort.get(), &TSeriellerPort::DatenVorhanden, this, &TGeraetLauf::POnTriggerAvail);
    connect(FPort.get(), &TSeriellerPort::TimerAbgelaufen, this, &TGeraetLauf::POnTimerTrigger);
    FProtokoll = std::make_unique<TXModemUebertragung>(*FPort);
    // The instrument gets its own waiting time to start each block, at least a second.
    FProtokoll->ZeitenSetzen(std::max(LaufGeraet.Wartezeit, 1000), 1000);
    connect(FProtokoll.get(), &TXModemUebertragung::Status, this, &TGeraetLauf::PProtocolStatus);
    connect(FProtokoll.get(), &TXModemUebertragung::Fertig, this, &TGeraetLauf::PProtocolFinish);
    connect(FProtokoll.get(), &TXModemUebertragung::Fehler, this, &TGeraetLauf::PProtocolError);
    FPort->Protokoll().Einschalten(App.AppConst.LogFile, 32760);

    if (!PortOeffnen()) {
        // Nothing can reach the instrument: the run ends here instead of failing on every
        // send that follows.
        return false;
    }
    PortEinstellen();

    if (DialogZeigen && Umgebung.AnzeigeErzeugen) {
        FAnzeige = Umgebung.AnzeigeErzeugen();
    }
    if (FAnzeige) {
        // The dialog works on a copy of the parameter; the caller's stays as it was.
        QString kopie = parameter;
        FAnzeige->Ausfuehren([this, befehl, &kopie] { BefehlAusfuehren(befehl, kopie); },
                             [this] { Abbrechen(); });
        // Closed by the close box: the connection still has to end.
        VerbindungBeenden();
        FAnzeige.reset();
    } else {
        BefehlAusfuehren(befehl, parameter);
        // A transfer started without a display runs to its end before the port closes.
        while (UebertragungLaeuft()) {
            FPort->Pause(50);
        }
        VerbindungBeenden();
    }
    return !LaufFehler && !Abgebrochen;
}

bool TGeraetLauf::PortOeffnen() {
    TPortEinstellungen e;
    e.Name = PortName();
    e.Baud = LaufGeraet.Baud;
    e.DatenBits = LaufGeraet.DatenBits;
    e.StopBits = LaufGeraet.StopBits;
    e.Parity = LaufGeraet.Parity;
    if (!FPort->Oeffnen(e)) {
        // A device that is not there (unplugged, or the other side of a pseudo-terminal has
        // ended) is no busy port: message 18 only for one that exists.
        if (FPort->GibtEsNicht() || (e.Name.contains(u'/') && !QFileInfo::exists(e.Name))) {
            App.Nachricht(
                Meldung::Allgemein,
                App.Texte.SchnittstelleFehltText +
                    QStringLiteral("%1 (%2)").arg(App.AppConst.SeriellePortNr).arg(e.Name));
        } else {
            App.Nachricht(Meldung::SchnittstelleBesetzt,
                          QStringLiteral("%1 (%2)").arg(App.AppConst.SeriellePortNr).arg(e.Name));
        }
        return false;
    }
    FPortBereit = true;
    return true;
}

void TGeraetLauf::PortEinstellen() {
    FPort->AlleTriggerEntfernen();
    FTimerDa = false;
    if (App.AppConst.LogFile) {
        FPort->Protokoll().Einschalten(true, 10000);
    }
}

bool TGeraetLauf::UebertragungLaeuft() const {
    return FProtokoll && FProtokoll->Laeuft();
}

void TGeraetLauf::BefehlAusfuehren(const QString& befehl, QString& parameter) {
    ++FTiefe;
    GeraetOnlineSetzen(true);
    if (FAnzeige) {
        FAnzeige->Neuzeichnen();
    }
    AntwortTimerStarten();
    TGeraetSchritte(*this).Ausfuehren(befehl, parameter);
    // A transfer still running keeps the line busy: online until the connection ends.
    if (!UebertragungLaeuft()) {
        GeraetOnlineSetzen(false);
    }
    if (FAnzeige && AutoSchliessen && !UebertragungLaeuft()) {
        VerbindungBeenden();
        SchliessenAnfordern();
    }
    --FTiefe;
    if (FTiefe == 0 && FSchliessenAngefordert && FAnzeige) {
        FAnzeige->Beenden(LaufFehler && !Abgebrochen);
    }
}

bool TGeraetLauf::Senden(const QByteArray& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Abgebrochen || !FPort->ZeichenSenden(text[i])) {
            return false;
        }
        Fortschritt(i + 1);
    }
    return true;
}

std::pair<bool, QByteArray> TGeraetLauf::SendenUndWarten(const QByteArray& text,
                                                         const QByteArray& ende) {
    Empfangstext.clear();
    if (!Senden(text)) {
        return {false, {}};
    }
    const bool angekommen = FPort->WartenAuf(ende, WarteTicks, false, true);
    if (angekommen) {
        AntwortTimerSetzen(0);
    }
    return {angekommen, Empfangstext};
}

void TGeraetLauf::AntwortTimerStarten() {
    if (!FPort->IstOffen()) {
        return;
    }
    FTimer = FPort->TimerHinzufuegen();
    FTimerDa = true;
    FPort->TimerSetzen(FTimer, WarteTicks);
}

void TGeraetLauf::AntwortTimerSetzen(int ticks) {
    if (FTimerDa) {
        FPort->TimerSetzen(FTimer, ticks);
    }
}

void TGeraetLauf::Zeile(const QString& text) {
    if (FAnzeige) {
        FAnzeige->Zeile(text);
    }
}

void TGeraetLauf::Fortschritt(qint64 position) {
    FPosition = position;
    if (FAnzeige) {
        FAnzeige->Fortschritt(FPosition, FMaximum);
    }
}

void TGeraetLauf::Maximum(qint64 maximum) {
    FMaximum = maximum;
    if (FAnzeige) {
        FAnzeige->Fortschritt(FPosition, FMaximum);
    }
}

void TGeraetLauf::ProzentAnzeigen(bool an) {
    if (FAnzeige) {
        FAnzeige->ProzentAnzeigen(an);
    }
}

void TGeraetLauf::GeraetOnlineSetzen(bool online) {
    App.AppConst.GeraetOnline = online;
    emit Umgebung.OnlineGeaendert(online);
}

void TGeraetLauf::VerbindungBeenden() {
    // The pause below lets events in; one of them may want to end the connection too.
    if (!FPort || FBeendenLaeuft) {
        return;
    }
    FBeendenLaeuft = true;
    if (FProtokoll) {
        FProtokoll->Abbrechen();
    }
    if (FPort->IstOffen()) {
        if (App.AppConst.LogFile) {
            const TErgebnis e = FPort->Protokoll().Schreiben(
                App.AppConst.PrgKonfigPfad + QStringLiteral("ComTrace.trc"),
                App.AppConst.PrgKonfigPfad + QStringLiteral("ComLog.log"));
            if (!e) {
                // The trace was asked for: losing it is a failure the user hears of.
                LaufFehler = true;
                App.Nachricht(Meldung::DateiNichtAnlegbar, e.Meldung);
            }
        } else {
            FPort->Protokoll().Einschalten(false);
        }
        // The instrument and the trace get a moment to finish.
        FPort->Pause(1000);
        FPort->Schliessen();
    }
    FBeendenLaeuft = false;
    GeraetOnlineSetzen(false);
}

void TGeraetLauf::SchliessenAnfordern() {
    // The display closes once the outermost command has returned; a nested command (the
    // read inside the send-job flow) must not take the dialog away from under it.
    FSchliessenAngefordert = true;
    if (FTiefe == 0 && FAnzeige) {
        FAnzeige->Beenden(LaufFehler && !Abgebrochen);
    }
}

void TGeraetLauf::Abbrechen() {
    Abgebrochen = true;
    VerbindungBeenden();
    SchliessenAnfordern();
}

void TGeraetLauf::POnWaitChar(char zeichen) {
    Empfangstext += zeichen;
}

void TGeraetLauf::POnTriggerAvail() {
    if (!UebertragungLaeuft() || AnzahlErkannt || FAnzahlVerworfen) {
        return;
    }
    Empfangstext += FPort->Ansehen(128);
    if (Empfangstext.size() < 7) {
        return;
    }
    const auto anzahl = GeraetAntworten::DatenAnzahl(Empfangstext);
    if (!anzahl) {
        // A count of 2^31 or more is no count: it is not taken, and not looked for again.
        FAnzahlVerworfen = true;
        return;
    }
    DatenAnzahl = *anzahl;
    Zeile(App.Texte.DatenAnzahlText + QString::number(DatenAnzahl));
    Maximum(DatenAnzahl);
    AnzahlErkannt = true;
}

void TGeraetLauf::FehlerMelden(int nummer, const QString& text) {
    LaufFehler = true;
    // After the user's cancel, what breaks off is the cancel's doing: no error box for it.
    if (!Abgebrochen) {
        App.Nachricht(nummer, text);
    }
}

void TGeraetLauf::POnTimerTrigger(quint16) {
    if (FProtokoll) {
        FProtokoll->Abbrechen();
    }
    FehlerMelden(Meldung::GeraetAntwortetNicht, QString::number(LaufGeraet.Wartezeit));
    Zeile(App.Texte.WarteZeitText);
}

void TGeraetLauf::PProtocolStatus(int option) {
    if (option == 1) {
        FFehlerGemeldet = false;
        FAnzahlVerworfen = false;
        Fortschritt(0);
    } else {
        Fortschritt(FProtokoll->Uebertragen());
    }
}

void TGeraetLauf::PProtocolFinish(int code) {
    EmpfangFertig = code == 0;
    if (code != 0) {
        TeilDatei = FProtokoll->TeilDatei();
        PProtocolError(code);
    } else {
        Maximum(1);
        Fortschritt(1);
        Zeile(App.Texte.GeraeteEmpfangEndeText);
    }
    if (FAnzeige && AutoSchliessen && !UebertragungLaeuft()) {
        VerbindungBeenden();
        SchliessenAnfordern();
    }
}

void TGeraetLauf::PProtocolError(int code) {
    LaufFehler = true;
    if (FFehlerGemeldet) {
        return; // the finish event repeats the error that was just reported
    }
    FFehlerGemeldet = true;
    QString text = TXModemUebertragung::FehlerText(qint16(code));
    if (!FProtokoll->SchreibFehler().isEmpty()) {
        text += QStringLiteral(": ") + FProtokoll->SchreibFehler();
    }
    Zeile(App.Texte.ProtokollFehlerText + QStringLiteral(" ") + text);
    FehlerMelden(Meldung::Protokollfehler, text);
}
