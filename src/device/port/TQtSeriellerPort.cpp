#include "device/port/TQtSeriellerPort.h"

#include "device/TGeraetUmgebung.h"

#include <QSerialPort>

TQtSeriellerPort::TQtSeriellerPort(QObject* eltern)
    : TSeriellerPort(eltern), FPort(new QSerialPort(this)) {
    connect(FPort, &QSerialPort::readyRead, this, &TQtSeriellerPort::Abholen);
    connect(FPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A pseudo-terminal whose other side closed, or a USB adapter pulled out.
        if (e == QSerialPort::ResourceError && FPort->isOpen()) {
            Verloren(FPort->errorString());
        }
    });
}

TQtSeriellerPort::~TQtSeriellerPort() {
    if (FPort->isOpen()) {
        FPort->close();
    }
}

void TQtSeriellerPort::Abholen() {
    Empfangen(FPort->readAll());
}

bool TQtSeriellerPort::GeraetOeffnen(const TPortEinstellungen& einstellungen, QString& fehler) {
    FPort->setPortName(einstellungen.Name);
    if (!FPort->open(QIODevice::ReadWrite)) {
        fehler = FPort->errorString();
        FGibtEsNicht = FPort->error() == QSerialPort::DeviceNotFoundError;
        FPort->clearError();
        return false;
    }
    Einstellen(einstellungen);
    return true;
}

void TQtSeriellerPort::Einstellen(const TPortEinstellungen& e) {
    // Each line control is tried on its own: a pseudo-terminal refuses DTR, RTS and parity,
    // which is worth a note in the log, not a failed command. The error is cleared so that
    // a later read does not report it.
    const auto versuchen = [this](bool ok, const QString& was) {
        if (!ok) {
            Notiz(was + QStringLiteral(" nicht möglich: ") + FPort->errorString());
        }
        FPort->clearError();
    };
    versuchen(FPort->setBaudRate(e.Baud), QStringLiteral("Baudrate %1").arg(e.Baud));
    QSerialPort::DataBits bits = QSerialPort::Data8;
    switch (e.DatenBits) {
    case 5:
        bits = QSerialPort::Data5;
        break;
    case 6:
        bits = QSerialPort::Data6;
        break;
    case 7:
        bits = QSerialPort::Data7;
        break;
    default:
        break;
    }
    versuchen(FPort->setDataBits(bits), QStringLiteral("Datenbits %1").arg(e.DatenBits));
    versuchen(FPort->setStopBits(e.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop),
              QStringLiteral("Stoppbits %1").arg(e.StopBits));
    static const QSerialPort::Parity paritaeten[] = {
        QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
        QSerialPort::MarkParity, QSerialPort::SpaceParity};
    const QSerialPort::Parity parity =
        (e.Parity >= 0 && e.Parity <= 4) ? paritaeten[e.Parity] : QSerialPort::NoParity;
    versuchen(FPort->setParity(parity), QStringLiteral("Parität %1").arg(e.Parity));
    versuchen(FPort->setFlowControl(QSerialPort::NoFlowControl), QStringLiteral("Flusskontrolle"));
    versuchen(FPort->setDataTerminalReady(false), QStringLiteral("DTR aus"));
    versuchen(FPort->setRequestToSend(false), QStringLiteral("RTS aus"));
    FPort->setReadBufferSize(0); // our own buffer holds what is waiting
}

void TQtSeriellerPort::GeraetSchliessen() {
    FPort->close();
    FPort->clearError();
}

bool TQtSeriellerPort::GeraetSchreiben(const QByteArray& daten) {
    if (FPort->write(daten) != daten.size()) {
        FPort->clearError();
        return false;
    }
    // Put the bytes on the line now: the instrument answers only what it has seen.
    while (FPort->bytesToWrite() > 0) {
        if (!FPort->waitForBytesWritten(1000)) {
            FPort->clearError();
            return false;
        }
    }
    return true;
}

QByteArray TQtSeriellerPort::GeraetLesen(int ms) {
    QByteArray daten = FPort->readAll();
    if (daten.isEmpty() && ms > 0 && FPort->isOpen()) {
        // readyRead arrives inside the wait and hands the bytes to Empfangen.
        FPort->waitForReadyRead(ms);
        daten = FPort->readAll();
    }
    if (FPort->error() == QSerialPort::TimeoutError) {
        FPort->clearError();
    }
    return daten;
}

void SeriellenPortEinrichten(TGeraetUmgebung& umgebung) {
    umgebung.PortErzeugen = [] { return std::unique_ptr<TSeriellerPort>(new TQtSeriellerPort); };
}
