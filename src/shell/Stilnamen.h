#pragma once

#include <QString>
#include <QtGlobal>

// The names of the line and point styles as the graph file and the graph defaults store
// them ("psSolid", "psCircle", ...). A value beyond the list has no name; an unknown name
// is style 0. Bit 7 of a style byte is not part of the style.
namespace Stilnamen {

QString LinienstilText(quint8 stil);
quint8 LinienstilWert(const QString& name);
QString PunktstilText(quint8 stil);
quint8 PunktstilWert(const QString& name);

} // namespace Stilnamen
