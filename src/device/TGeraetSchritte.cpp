#include "device/TGeraetSchritte.h"

#include "device/GeraetAntworten.h"
#include "device/TGeraetLauf.h"
#include "device/TSeriellerPort.h"
#include "device/TXModemUebertragung.h"
#include "shell/DateiDialoge.h"
#include "shell/Meldungen.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Textkodierung.h"
#include "shell/Uhr.h"

#include <QCoreApplication>

namespace {
const QByteArray kCrLf("\r\n");
} // namespace

QByteArray TGeraetSchritte::Bytes(const QString& text) {
    return Textkodierung::NachWindows1252(text);
}

void TGeraetSchritte::Ausfuehren(const QString& befehl, QString& parameter) {
    const TGeraet& g = L.LaufGeraet;
    if (befehl == g.ResetBefehl) {
        GeraetReset();
    }
    if (befehl == g.UhrLesenBefehl) {
        UhrLesen(parameter);
    }
    if (befehl == g.UhrSetzenBefehl) {
        UhrSetzen(parameter);
    }
    if (befehl == g.GeraeteZustandBefehl) {
        GeraeteZustandLesen(parameter);
    }
    if (befehl == g.GeraeteInformationLesenBefehl) {
        GeraeteInformationLesen();
    }
    if (befehl == g.AuftragSendenBefehl) {
        AuftragSenden(parameter);
    }
    if (befehl == g.DatenLesenBefehl) {
        DatenLesen(parameter);
    }
    if (befehl == g.SpeicherTestBefehl) {
        SpeicherTesten();
    }
    if (befehl == g.SpeicherLeerenBefehl) {
        SpeicherLeeren(parameter);
    }
    if (befehl == g.MessungAbbrechenBefehl) {
        MessungAbbrechen();
    }
    if (befehl == u"S077,") {
        RohAustausch(parameter);
    }
}

void TGeraetSchritte::Beginnen(const QString& befehl, const QString& zeile) {
    L.Fortschritt(0);
    L.Maximum(befehl.size());
    L.Zeile(zeile);
}

void TGeraetSchritte::Ergebnis(bool ok) {
    L.Zeile(ok ? L.App.Texte.BefehlOKText : L.App.Texte.BefehlFehlerText);
}

void TGeraetSchritte::AntwortFalsch(const QByteArray& antwort) {
    // Printable characters as they came, the others as <hex>, so a line noise shows as what
    // it is.
    QString lesbar;
    for (const char c : antwort) {
        const uchar u = uchar(c);
        lesbar += u >= 0x20 && u < 0x7F ? QString(QChar(u))
                                        : QStringLiteral("<%1>").arg(u, 2, 16, QChar(u'0'));
    }
    const QString text = QStringLiteral("Unerwartete Antwort vom Gerät: \"%1\"").arg(lesbar);
    L.Zeile(text);
    L.FehlerMelden(Meldung::Protokollfehler, text);
}

bool TGeraetSchritte::GeraetReset() {
    const QString& befehl = L.LaufGeraet.ResetBefehl;
    Beginnen(befehl, L.App.Texte.ResetBefehlText);
    const auto [angekommen, antwort] = L.SendenUndWarten(Bytes(befehl), kCrLf);
    const bool ok =
        angekommen && GeraetAntworten::ResetPruefen(antwort, Bytes(befehl), L.LaufGeraet.Name);
    Ergebnis(ok);
    if (angekommen && !ok) {
        AntwortFalsch(antwort);
    }
    return ok;
}

bool TGeraetSchritte::UhrLesen(QString& parameter) {
    const QString& befehl = L.LaufGeraet.UhrLesenBefehl;
    Beginnen(befehl, L.App.Texte.UhrLesenBefehlText);
    parameter = QStringLiteral("-");
    const auto [angekommen, antwort] = L.SendenUndWarten(Bytes(befehl), kCrLf);
    const auto wert = angekommen ? GeraetAntworten::UhrLesen(antwort, Uhr::Jetzt()) : std::nullopt;
    if (wert) {
        parameter = GeraetAntworten::StandardDatumZeit(*wert);
    }
    Ergebnis(wert.has_value());
    if (angekommen && !wert) {
        AntwortFalsch(antwort);
    }
    return wert.has_value();
}

bool TGeraetSchritte::UhrSetzen(QString& parameter) {
    const QString& befehl = L.LaufGeraet.UhrSetzenBefehl;
    Beginnen(befehl, L.App.Texte.UhrSetzenBefehlText);
    if (parameter.isEmpty()) {
        parameter = GeraetAntworten::UhrSetzenText(Uhr::Jetzt());
    }
    const auto [angekommen, antwort] = L.SendenUndWarten(Bytes(befehl + parameter), kCrLf);
    // The instrument echoes the command before it confirms.
    const bool ok = angekommen && antwort.startsWith(Bytes(befehl));
    Ergebnis(ok);
    if (angekommen && !ok) {
        AntwortFalsch(antwort);
    }
    return ok;
}

bool TGeraetSchritte::GeraeteZustandLesen(QString& parameter) {
    const QString& befehl = L.LaufGeraet.GeraeteZustandBefehl;
    Beginnen(befehl, L.App.Texte.GeraeteZustandBefehlText);
    const auto [angekommen, antwort] = L.SendenUndWarten(Bytes(befehl), kCrLf);
    const auto zustand =
        angekommen ? GeraetAntworten::ZustandLesen(antwort, Bytes(befehl)) : std::nullopt;
    if (zustand) {
        L.AktuellesGeraet.Zustand = *zustand;
        parameter = QString::number(*zustand);
    } else {
        // A failed status read hands back no number, so nobody mistakes it for a status.
        parameter.clear();
    }
    Ergebnis(zustand.has_value());
    if (angekommen && !zustand) {
        AntwortFalsch(antwort);
    }
    return zustand.has_value();
}

void TGeraetSchritte::GeraeteInformationLesen() {
    L.Zeile(QStringLiteral("BefehlGeraeteInformationLesen\r\nnoch nicht fertig"));
}

bool TGeraetSchritte::DatenLesen(const QString& ziel) {
    const QString& befehl = L.LaufGeraet.DatenLesenBefehl;
    Beginnen(befehl, L.App.Texte.DatenLesenBefehlText);
    L.AnzahlErkannt = false;
    const auto [angekommen, antwort] = L.SendenUndWarten(Bytes(befehl), Bytes(befehl));
    const bool ok = angekommen && antwort == Bytes(befehl);
    L.GeraetOnlineSetzen(ok);
    Ergebnis(ok);
    L.Fortschritt(0);
    L.Maximum(1);
    // Whatever directory was chosen, the file is received into the data directory.
    L.Protokoll().ZielSetzen(L.App.AppConst.DatenPfad, ziel);
    if (!ok) {
        L.Zeile(L.App.Texte.ProtokollFehlerText + L.App.Texte.ProtokollFehlerText1);
        // No data came: the run has failed even when the reply timer could not tell (a
        // waiting time below one tick).
        L.LaufFehler = true;
        return false;
    }
    L.AnzahlErkannt = false;
    L.Empfangstext.clear();
    L.Port().EingangLeeren();
    L.Protokoll().Starten();
    L.Zeile(L.App.Texte.GeraeteEmpfangText);
    return true;
}

bool TGeraetSchritte::SpeicherTesten() {
    const QString& befehl = L.LaufGeraet.SpeicherTestBefehl;
    Beginnen(befehl, L.App.Texte.SpeicherTestBefehlText);
    const auto [leer, antwort] = L.SendenUndWarten(Bytes(befehl), Bytes(befehl) + '-' + kCrLf);
    if (!leer && antwort.startsWith(Bytes(befehl))) {
        // The instrument answered, only not with "empty": that is the answer, not a silent
        // instrument, so the reply timer has nothing to report.
        L.AntwortTimerSetzen(0);
    }
    L.App.AppConst.GeraetOnline = leer;
    L.Zeile(leer ? L.App.Texte.SpeicherLeerText : L.App.Texte.SpeicherVollText);
    L.GeraetOnlineSetzen(leer);
    return leer;
}

bool TGeraetSchritte::SpeicherLeeren(QString& parameter) {
    const QString& befehl = L.LaufGeraet.SpeicherLeerenBefehl;
    Beginnen(befehl, L.App.Texte.SpeicherLeerenBefehlText);
    L.ProzentAnzeigen(false);
    L.Senden(Bytes(befehl));
    L.Fortschritt(0);
    L.Maximum(10000);
    bool ok = false;
    while (true) {
        const int treffer =
            L.Abgebrochen ? 0 : L.Port().WartenAufEines(".^-\r\n", L.WarteTicks, true, true, '^');
        qint64 weiter = L.FortschrittWert() + 1;
        L.Fortschritt(weiter >= L.MaximumWert() ? 0 : weiter);
        if (treffer == 1) {
            L.AntwortTimerSetzen(L.WarteTicks); // the instrument is still at work
            continue;
        }
        if (treffer == 2) {
            L.AntwortTimerSetzen(0);
            L.Zeile(L.App.Texte.SpeicherGeloeschtText);
            ok = true;
        } else {
            L.Zeile(L.App.Texte.BefehlFehlerText);
        }
        break;
    }
    L.Fortschritt(L.MaximumWert());
    L.ProzentAnzeigen(true);
    if (!ok && !L.Abgebrochen) {
        // A memory that was not cleared is a failed command, whatever came instead.
        L.LaufFehler = true;
    }
    parameter = ok ? QStringLiteral("True") : QStringLiteral("False");
    return ok;
}

bool TGeraetSchritte::MessungAbbrechen() {
    const QString& befehl = L.LaufGeraet.MessungAbbrechenBefehl;
    Beginnen(befehl, L.App.Texte.MessungAbbrechenBefehlText);
    const bool ok = L.SendenUndWarten(Bytes(befehl), Bytes(befehl) + kCrLf).first;
    Ergebnis(ok);
    return ok;
}

void TGeraetSchritte::RohAustausch(QString& parameter) {
    const auto [angekommen, antwort] =
        L.SendenUndWarten(Bytes(QStringLiteral("S077,") + parameter), kCrLf);
    parameter = Textkodierung::AusWindows1252(antwort);
    if (angekommen && !antwort.startsWith("S077,")) {
        AntwortFalsch(antwort);
    }
}

void TGeraetSchritte::AuftragSenden(const QString& auftrag) {
    TShellKontext& app = L.App;
    QString text;
    if (!GeraeteZustandLesen(text)) {
        return;
    }
    const int zustand = text.toInt();
    const QString& name = L.AktuellesGeraet.Name;
    bool speicherLeer = (zustand & GeraetAntworten::ZustandSpeicher) == 0;
    if (zustand & GeraetAntworten::ZustandMessung) {
        if (app.Nachricht(Meldung::MessungAbbrechenFragen, name) != mrYes) {
            return;
        }
        QString p;
        L.BefehlAusfuehren(L.LaufGeraet.MessungAbbrechenBefehl, p);
    }
    if (!speicherLeer) {
        if (app.Nachricht(Meldung::MessungAuslesenFragen, name) == mrYes) {
            // The measurement is to be kept: the memory is cleared only after it is safe in a
            // complete file. Without a target, or when the read-out fails, the run ends here
            // with the measurement still in the instrument.
            // The same target dialog as the main window's reading commands.
            auto datei = app.Benutzer->DateiOeffnen(MessDateiZielDialog(app));
            if (!datei) {
                L.Zeile(app.Texte.BefehlFehlerText);
                L.LaufFehler = true;
                return;
            }
            L.EmpfangFertig = false;
            L.BefehlAusfuehren(L.LaufGeraet.DatenLesenBefehl, *datei);
            while (L.UebertragungLaeuft()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
            if (!L.EmpfangFertig) {
                L.LaufFehler = true;
                return;
            }
            L.Port().WartenAuf(kCrLf, L.WarteTicks, true, true);
        }
        if (L.Abgebrochen || app.Nachricht(Meldung::GeraetespeicherLoeschen, name) != mrYes) {
            return;
        }
        QString ergebnis;
        L.BefehlAusfuehren(L.LaufGeraet.SpeicherLeerenBefehl, ergebnis);
        if (ergebnis != u"True") {
            return;
        }
        speicherLeer = true;
    }
    if (zustand & GeraetAntworten::ZustandAuftrag) {
        if (L.Abgebrochen ||
            app.Nachricht(Meldung::AuftragUeberschreibenFragen, L.LaufGeraet.Name) != mrYes) {
            return;
        }
        if (!speicherLeer) {
            QString ergebnis;
            L.BefehlAusfuehren(L.LaufGeraet.SpeicherLeerenBefehl, ergebnis);
            if (ergebnis != u"True") {
                return;
            }
        }
    }
    if (!L.Abgebrochen) {
        AuftragUebertragen(auftrag);
    }
}

bool TGeraetSchritte::AuftragUebertragen(const QString& auftrag) {
    const QByteArray befehl = Bytes(L.LaufGeraet.AuftragSendenBefehl);
    const QByteArray job = Bytes(auftrag);
    L.Zeile(L.App.Texte.AuftragSendenBefehlText);
    L.Maximum(job.size());
    const auto [angekommen, antwort] = L.SendenUndWarten(befehl, befehl);
    if (!angekommen || antwort != befehl) {
        return false;
    }
    bool echoFehlt = false;
    for (qsizetype i = 0; i < job.size(); ++i) {
        if (i > 0) {
            L.Port().ZeichenSenden('.');
        }
        L.Port().ZeichenSenden(job[i]);
        if (!L.Port().WartenAuf(QByteArray(1, job[i]), L.WarteTicks, false, true)) {
            L.Zeile(L.App.Texte.ProtokollFehlerText1);
            echoFehlt = true;
            break;
        }
        L.Fortschritt(i + 1);
    }
    L.Port().ZeichenSenden('\r');
    if (!echoFehlt) {
        L.Zeile(L.App.Texte.BefehlOKText);
    }
    return !echoFehlt;
}
