#pragma once

#include "TSimProzess.h"
#include "TTestHeim.h"

#include <QStringList>
#include <memory>

// A device test against orvan-sim: a program directory with TypA, the simulator on a
// pseudo-terminal in it, and the application's port pointed at the simulator. Runs use the
// text display (the display path of the GUI) or none.
class TSimLauf {
public:
    explicit TSimLauf(const QStringList& simArgumente = {}, int wartezeitMs = 1000);

    // GeraetBefehl with the selected device; `anzeige` shows the display (closing when done).
    bool Befehl(const QString& befehl, QString& parameter, bool anzeige = true,
                const TGeraet* geraet = nullptr);

    TTestHeim Heim;
    std::unique_ptr<TSimProzess> Sim;
    QStringList Zeilen;
    qint64 GaugeMaximum = 0;
};
