#pragma once

#include "catalogue/TGeraet.h"
#include "measurement/TAuftrag.h"
#include "measurement/TMessreihe.h"

#include <QVector>

// A measurement or a job in memory: the instrument (the device fields), the job and one
// series per channel. Series i belongs to channel i of KanalInfo.
struct TMessDatei : TGeraet {
    TAuftrag Auftrag;
    QVector<TMessreihe> Messreihen;

    bool operator==(const TMessDatei&) const = default;
};
