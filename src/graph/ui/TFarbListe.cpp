#include "graph/ui/TFarbListe.h"

#include "graph/Farben.h"
#include "graph/ui/GraphStile.h"
#include "shell/TBenutzer.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr const char* kNamen[16] = {"Black", "Maroon",  "Green",  "Olive", "Navy", "Purple",
                                    "Teal",  "Gray",    "Silver", "Red",   "Lime", "Yellow",
                                    "Blue",  "Fuchsia", "Aqua",   "White"};
constexpr int kStandard = 16;

} // namespace

TFarbListe::TFarbListe(TBenutzer& benutzer, QWidget* eltern)
    : QComboBox(eltern), FBenutzer(benutzer) {
    setIconSize(QSize(28, 14));
    for (int i = 0; i < kStandard; ++i) {
        addItem(Muster(Farben::KurvenFarben[i]), QLatin1String(kNamen[i]),
                uint(Farben::KurvenFarben[i]));
    }
    addItem(QStringLiteral("Weitere Farben..."));
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == WeitereIndex()) {
            WeitereFarbenWaehlen();
        } else {
            FVorher = index;
        }
    });
}

QIcon TFarbListe::Muster(TColor farbe) {
    QPixmap bild(28, 14);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setPen(Qt::black);
    maler.setBrush(GraphStile::QtFarbe(farbe));
    maler.drawRect(0, 0, 27, 13);
    return QIcon(bild);
}

void TFarbListe::WeitereText(const QString& text) {
    setItemText(WeitereIndex(), text);
}

void TFarbListe::EigeneFarbeSetzen(TColor farbe) {
    // One extra entry at most, between the standard colours and the chooser entry.
    if (count() > kStandard + 1) {
        removeItem(kStandard);
    }
    insertItem(kStandard, Muster(farbe), Farben::FarbeText(farbe), uint(farbe));
    setCurrentIndex(kStandard);
    FVorher = kStandard;
}

void TFarbListe::FarbeZeigen(TColor farbe) {
    for (int i = 0; i < kStandard; ++i) {
        if (Farben::KurvenFarben[i] == farbe) {
            setCurrentIndex(i);
            FVorher = i;
            return;
        }
    }
    EigeneFarbeSetzen(farbe);
}

TColor TFarbListe::Farbe() const {
    const int index = currentIndex() == WeitereIndex() ? FVorher : currentIndex();
    return TColor(itemData(index).toUInt());
}

void TFarbListe::WeitereFarbenWaehlen() {
    const TColor bisher = TColor(itemData(FVorher).toUInt());
    QString titel = itemText(WeitereIndex());
    while (titel.endsWith(u'.')) {
        titel.chop(1);
    }
    const std::optional<quint32> neu = FBenutzer.FarbeWaehlen(titel, bisher);
    if (neu) {
        FarbeZeigen(TColor(*neu));
    } else {
        setCurrentIndex(FVorher);
    }
}
