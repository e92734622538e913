#include "device/GeraetEinstellungen.h"

#include "catalogue/GeraeteKatalog.h"
#include "device/GeraetBefehl.h"
#include "device/TGeraetUmgebung.h"
#include "shell/TShellKontext.h"

TGeraeteWerte GeraeteWerte(const TGeraet& g) {
    return TGeraeteWerte{g.Name,     g.VarekSNr,  g.Baud,      g.Parity,
                         g.StopBits, g.DatenBits, g.AutoStart, g.AutoAus};
}

void GeraetDiensteSetzen(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         TMainCfgDienste& d) {
    d.GeraetWerte = [&aktuell] { return GeraeteWerte(aktuell); };
    d.GeraetLesen = [&app, &aktuell](const QString& name) -> std::optional<TGeraeteWerte> {
        if (!GeraetLesen(app, name, aktuell)) {
            return std::nullopt;
        }
        return GeraeteWerte(aktuell);
    };
    // In memory only: the catalogue is never written.
    d.GeraetWerteSetzen = [&aktuell](const TGeraeteWerte& w) {
        TGeraet& g = aktuell;
        g.Baud = w.Baud;
        g.Parity = w.Parity;
        g.StopBits = w.StopBits;
        g.DatenBits = w.DatenBits;
        g.AutoStart = w.AutoStart;
        g.AutoAus = w.AutoAus;
    };
    // The run reports its own failures (no answer: message 17).
    d.UhrLesen = [&app, &umgebung, &aktuell](QString& parameter) {
        const TGeraet geraet = aktuell;
        return GeraetBefehl(app, umgebung, aktuell, geraet.UhrLesenBefehl, parameter, geraet, false,
                            true);
    };
    d.UhrSetzen = [&app, &umgebung, &aktuell](QString& parameter) {
        const TGeraet geraet = aktuell;
        return GeraetBefehl(app, umgebung, aktuell, geraet.UhrSetzenBefehl, parameter, geraet,
                            false, true);
    };
}
