#include "device/AuftragSenden.h"

#include "device/GeraetBefehl.h"
#include "measurement/Auftrag.h"
#include "shell/Textkodierung.h"
#include "shell/Uhr.h"

TSendeErgebnis AuftragSenden(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                             TMessDatei& datei) {
    TSendeErgebnis e;
    const TAuftragErgebnis nutzlast = AuftragErzeugen(datei, Uhr::Jetzt());
    if (!nutzlast) {
        e.Fehler = nutzlast.Fehler;
        return e;
    }
    e.Gebaut = true;
    e.Parameter = Textkodierung::AusWindows1252(nutzlast.Auftrag);
    // The run works on its own copy of the device; the record may change under it no more.
    const TGeraet geraet = datei;
    TLaufBericht bericht;
    e.Gesendet = GeraetBefehl(app, umgebung, aktuell, geraet.AuftragSendenBefehl, e.Parameter,
                              geraet, true, true, &bericht);
    e.Teil = bericht.Teil;
    return e;
}
