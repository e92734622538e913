#pragma once

#include "catalogue/TGeraet.h"

#include <QtGlobal>
#include <optional>

// How many bytes one raw value of series `reihe` takes in a measurement file and in the
// instrument's memory: taken from the channel with the same index. BIN and S-BIN 1 byte,
// ANA and S-ANA (resolution - 1) div 8 + 1 bytes, every other type and a series without a
// channel 0.
int WertBreite(const TGeraet& geraet, int reihe);

// The mask for the raw values of series `reihe`: 255 for BIN and S-BIN, 2^resolution - 1 for
// ANA and S-ANA. Nothing for an ANA or S-ANA channel of 32 bits or more (its mask does not
// fit a signed 32-bit number) and for series that store no values.
std::optional<quint32> WertMaske(const TGeraet& geraet, int reihe);
