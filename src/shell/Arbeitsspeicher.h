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

// Asks the system to back the block at `anfang` of `bytes` bytes with large pages before it
// is first written. Filling a block of many megabytes otherwise costs a page fault for every
// 4 KB, which on this class of machine takes longer than reading the data. Only a hint:
// where the system has no large pages nothing changes.
void GrosseSeitenAnraten(void* anfang, qint64 bytes);

} // namespace Arbeitsspeicher
