#pragma once

#include <qcustomplot.h>

#include <QString>

// Ticks and labels of one axis: numbers in the form "###0.######" (no thousands separator, at
// most six decimals), or TDateTime values (days since 1899-12-30) as date and time in two
// lines. A fixed increment replaces the automatic one while it gives a sensible number of
// ticks.
class TAchsenTicker : public QCPAxisTicker {
public:
    bool DatumZeit = false;
    double Schritt = 0; // 0: automatic
    QString DatumFormat = QStringLiteral("dd.MM.yy");
    QString ZeitFormat = QStringLiteral("HH:mm:ss");

    static QString ZahlText(double wert);

protected:
    double getTickStep(const QCPRange& bereich) override;
    int getSubTickCount(double schritt) override;
    QString getTickLabel(double wert, const QLocale& locale, QChar format,
                         int genauigkeit) override;
};
