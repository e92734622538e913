#pragma once

#include <QComboBox>

// A style list of the properties dialog with a picture of each entry: the six line styles
// (Solid ... Clear) or the nine point styles (Rectangle ... SmallDot). An entry stands for
// the style named "ps" + its text.
class TStilListe : public QComboBox {
    Q_OBJECT
public:
    enum class TArt { Linie, Punkt };
    explicit TStilListe(TArt art, QWidget* eltern = nullptr);

    // Selects the entry of the style; a style without entry (psInsideFrame) selects none.
    void StilZeigen(quint8 stil);
    // The selected entry's style; `bisher` when none is selected, so that a style the list
    // cannot show survives storing.
    quint8 Stil(quint8 bisher) const;

private:
    QIcon Bild(const QString& name) const;
    TArt FArt;
};
