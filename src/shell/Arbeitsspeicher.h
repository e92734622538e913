#pragma once

#include <QString>
#include <QtGlobal>

// How much memory the program may still take: what the system reports as available
// (MemAvailable), and no more than the process's own address-space limit leaves. Readers
// check every reservation that a file's size makes possible against it, so that a file too
// large for the machine gets a message instead of ending the program.
namespace Arbeitsspeicher {

// Bytes that may still be allocated; a very large number where the system does not say.
qint64 Verfuegbar();

// Empty when `bytes` more fit, otherwise the message that says how much `wofuer` would need
// and how much there is.
QString Pruefen(qint64 bytes, const QString& wofuer);

// The message for an allocation that failed all the same.
QString ErschoepftText();

} // namespace Arbeitsspeicher
