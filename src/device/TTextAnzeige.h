#pragma once

#include "device/TGeraetAnzeige.h"

#include <QEventLoop>
#include <QStringList>
#include <functional>

// A progress display without widgets: every status line goes to a callback (orvan-cli
// writes "status: TEXT" lines), the modal part is an event loop that ends on the close
// request.
class TTextAnzeige : public TGeraetAnzeige {
public:
    explicit TTextAnzeige(std::function<void(const QString&)> ausgabe = {});

    void Zeile(const QString& text) override;
    void Fortschritt(qint64 position, qint64 maximum) override;
    void ProzentAnzeigen(bool an) override { ProzentAn = an; }
    void Ausfuehren(const std::function<void()>& start,
                    const std::function<void()>& abbrechen) override;
    void SchliessenAnfordern() override;

    // Cancels the run as the cancel button does (for a signal handler or a test).
    void Abbrechen();

    QStringList Zeilen;
    qint64 Position = 0;
    qint64 Maximum = 100;
    bool ProzentAn = true;

private:
    std::function<void(const QString&)> FAusgabe;
    std::function<void()> FAbbrechen;
    QEventLoop* FSchleife = nullptr;
    bool FSchliessen = false;
};
