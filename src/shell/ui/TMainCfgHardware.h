#pragma once

#include "shell/TMainCfgDienste.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TBenutzer;
struct TAppConst;
struct TSprachTexte;

// The hardware page of the settings dialog: device type, port number and the device behind
// it on this machine, the communication log, the selected device's line settings (shown,
// not edited) and its clock.
class TMainCfgHardware : public QWidget {
    Q_OBJECT
public:
    TMainCfgHardware(TAppConst& appConst, const TSprachTexte& texte, TBenutzer& benutzer,
                     TMainCfgDienste& dienste, QWidget* eltern = nullptr);

    void Aktualisieren();
    // From the configuration and the selected device into the controls, and back.
    void HardwareLesen();
    void HardwareSetzen();

    void BtnUhrzeitLesenClick();
    void BtnUhrzeitSetzenClick();

    QLabel *LblGeraet, *LblPort, *LblPortGeraet, *LblBaud;
    QComboBox *CmbGeraet, *CmbPort, *CmbPortGeraet, *CmbBaud;
    QCheckBox *ChkLogFile, *ChkAutoStart, *ChkAutoAus;
    QLabel *LblSerNr, *LblParity, *LblStopBits, *LblDataBits, *LblDatumUhr;
    QLineEdit *LbeSerNr, *LbeParity, *LbeStopBits, *LbeDataBits, *LbeDatumUhr;
    QToolButton *BtnUhrzeitLesen, *BtnUhrzeitSetzen, *BtnAktualisieren;

signals:
    // The user chose another device type in the list.
    void GeraetGewaehlt(const QString& name);

private:
    // The list of serial devices beside the port number: the one behind the shown number
    // first, then the ports present with what the system tells about them.
    void PortGeraeteFuellen();
    void PortGeraetUebernehmen();

    TAppConst& FAppConst;
    const TSprachTexte& FTexte;
    TBenutzer& FBenutzer;
    TMainCfgDienste& FDienste;
    // The device behind each port number as edited here; taken over when saving.
    QMap<int, QString> FPortGeraete;
    int FPortNr = 1;
};
