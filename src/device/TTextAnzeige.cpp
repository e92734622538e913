#include "device/TTextAnzeige.h"

#include <QTimer>

TTextAnzeige::TTextAnzeige(std::function<void(const QString&)> ausgabe)
    : FAusgabe(std::move(ausgabe)) {}

void TTextAnzeige::Zeile(const QString& text) {
    for (const QString& z :
         QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n')) {
        Zeilen.append(z);
        if (FAusgabe) {
            FAusgabe(z);
        }
    }
}

void TTextAnzeige::Fortschritt(qint64 position, qint64 maximum) {
    Position = position;
    Maximum = maximum;
}

void TTextAnzeige::Ausfuehren(const std::function<void()>& start,
                              const std::function<void()>& abbrechen) {
    FAbbrechen = abbrechen;
    FSchliessen = false;
    QEventLoop schleife;
    FSchleife = &schleife;
    // As the dialog does: the command starts once the display is up and its loop runs.
    QTimer::singleShot(0, &schleife, [this, start] {
        start();
        if (FSchliessen && FSchleife) {
            FSchleife->quit();
        }
    });
    schleife.exec();
    FSchleife = nullptr;
    FAbbrechen = nullptr;
}

void TTextAnzeige::SchliessenAnfordern() {
    FSchliessen = true;
    if (FSchleife) {
        QMetaObject::invokeMethod(FSchleife, &QEventLoop::quit, Qt::QueuedConnection);
    }
}

void TTextAnzeige::Abbrechen() {
    if (FAbbrechen) {
        FAbbrechen();
    }
}
