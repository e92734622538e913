#include "TSimLauf.h"

#include "device/GeraetBefehl.h"
#include "device/TTextAnzeige.h"
#include "device/port/TQtSeriellerPort.h"

TSimLauf::TSimLauf(const QStringList& simArgumente, int wartezeitMs) : Heim(wartezeitMs) {
    Sim = std::make_unique<TSimProzess>(Heim.Heim(), QStringLiteral("TypA"),
                                        Heim.Pfad(QStringLiteral("tty")), simArgumente);
    SeriellenPortEinrichten(Heim.App.Geraete);
    Heim.App.Geraete.PortGeraet = Sim->Link();
}

namespace {
// Keeps the gauge's maximum after the run has taken the display away.
class TMerkAnzeige : public TTextAnzeige {
public:
    TMerkAnzeige(QStringList& zeilen, qint64& maximum)
        : TTextAnzeige([&zeilen](const QString& z) { zeilen.append(z); }), FMax(maximum) {}
    void Fortschritt(qint64 position, qint64 maximum) override {
        TTextAnzeige::Fortschritt(position, maximum);
        FMax = std::max(FMax, maximum);
    }

private:
    qint64& FMax;
};
} // namespace

bool TSimLauf::Befehl(const QString& befehl, QString& parameter, bool anzeige,
                      const TGeraet* geraet) {
    Heim.App.Geraete.AnzeigeErzeugen = [this] {
        return std::make_unique<TMerkAnzeige>(Zeilen, GaugeMaximum);
    };
    return GeraetBefehl(Heim.App, Heim.App.Geraete, Heim.App.AktuellesGeraet, befehl, parameter,
                        geraet ? *geraet : Heim.App.AktuellesGeraet, anzeige, true);
}
