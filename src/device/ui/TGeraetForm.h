#pragma once

#include "device/TGeraetAnzeige.h"

#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class TGeraetUmgebung;
class TShellKontext;

// The progress dialog of a device command run: the gauge, the status lines, cancel and
// help. Modal; the command starts once the dialog is shown.
class TGeraetForm : public QDialog, public TGeraetAnzeige {
    Q_OBJECT
public:
    TGeraetForm(TShellKontext& app, QWidget* eltern = nullptr);

    void Zeile(const QString& text) override;
    void Fortschritt(qint64 position, qint64 maximum) override;
    void ProzentAnzeigen(bool an) override;
    void Neuzeichnen() override;
    void Ausfuehren(const std::function<void()>& start,
                    const std::function<void()>& abbrechen) override;
    void SchliessenAnfordern() override;
    // After a failure the dialog stays with its lines; its cancel button becomes the close
    // button.
    void Beenden(bool fehlgeschlagen) override;

    QProgressBar* Gauge;
    QPlainTextEdit* Meldung;
    QPushButton* BtnAbbrechen;
    QPushButton* BtnHilfe;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    QString Text(const char* schluessel, const char* vorgabe) const;

    TShellKontext& FApp;
    std::function<void()> FStart;
    std::function<void()> FAbbrechen;
    bool FGestartet = false;
    bool FSchliessen = false;
    bool FLaeuft = false;
};

// Connects the device runs of the GUI: the port on QSerialPort and this dialog as the
// progress display (centred on `hauptfenster`).
void GeraetOberflaecheEinrichten(TShellKontext& app, TGeraetUmgebung& umgebung,
                                 QWidget* hauptfenster);
