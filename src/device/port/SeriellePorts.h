#pragma once

#include "shell/TMainCfgDienste.h"

#include <QList>

// The serial ports the system lists now, with what it tells about each.
QList<TSeriellerPortInfo> SeriellePortsVorhanden();
