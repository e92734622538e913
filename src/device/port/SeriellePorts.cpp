#include "device/port/SeriellePorts.h"

#include <QSerialPortInfo>

QList<TSeriellerPortInfo> SeriellePortsVorhanden() {
    QList<TSeriellerPortInfo> ports;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        ports.append({p.portName(), p.systemLocation(), p.description(), p.manufacturer(),
                      p.serialNumber()});
    }
    return ports;
}
