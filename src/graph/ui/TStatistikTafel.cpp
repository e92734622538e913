#include "graph/ui/TStatistikTafel.h"

#include "graph/StatistikTabelle.h"
#include "shell/TSprachTexte.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

TStatistikTafel::TStatistikTafel(const TSprachTexte& texte, QWidget* eltern)
    : QWidget(eltern), FVersteckt{StatistikTabelle::spXMinimum, StatistikTabelle::spXMaximum} {
    setObjectName(QStringLiteral("Statistik"));
    LblBereich = new QLabel(this);
    CmbFangen = new QComboBox(this);
    CmbFangen->setObjectName(QStringLiteral("CmbFangen"));
    CmbFangen->setToolTip(texte.StatistikFangenHint);
    CmbFangen->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbFangen->setMinimumContentsLength(12);
    BtnExport = new QPushButton(texte.BtnStatistikExportCaption, this);
    BtnExport->setObjectName(QStringLiteral("BtnExport"));
    BtnExport->setToolTip(texte.BtnStatistikExportHint);
    Tabelle = new QTableWidget(this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Tabelle->setWordWrap(false);
    Tabelle->verticalHeader()->setVisible(false);
    // Widths follow the contents but stay where the user drags them (Breiten).
    QHeaderView* kopfzeile = Tabelle->horizontalHeader();
    kopfzeile->setSectionResizeMode(QHeaderView::Interactive);
    kopfzeile->setMinimumSectionSize(24);
    kopfzeile->setContextMenuPolicy(Qt::CustomContextMenu);
    kopfzeile->setToolTip(texte.StatistikSpaltenHint);
    connect(kopfzeile, &QHeaderView::customContextMenuRequested, this,
            &TStatistikTafel::SpaltenMenue);
    Tabelle->installEventFilter(this);

    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(4, 2, 4, 2);
    kopf->addWidget(LblBereich, 1);
    kopf->addWidget(new QLabel(texte.StatistikFangenCaption, this));
    kopf->addWidget(CmbFangen);
    kopf->addWidget(BtnExport);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    aufbau->addLayout(kopf);
    aufbau->addWidget(Tabelle, 1);
    FKeine = texte.StatistikKeineText;
    FangKurvenSetzen({});

    connect(BtnExport, &QPushButton::clicked, this, &TStatistikTafel::ExportGewuenscht);
}

void TStatistikTafel::Zeigen(const QList<QStringList>& zeilen, const QList<QStringList>& anzeige) {
    FZeilen = zeilen;
    if (zeilen.size() < 2 || anzeige.size() != zeilen.size()) {
        Tabelle->clear();
        Tabelle->setRowCount(0);
        LblBereich->clear();
        return;
    }
    LblBereich->setText(anzeige[0].join(QStringLiteral("  ")));
    const QStringList& kopf = anzeige[1];
    const bool neu = Tabelle->columnCount() != kopf.size() || [&] {
        for (int c = 0; c < kopf.size(); ++c) {
            const QTableWidgetItem* k = Tabelle->horizontalHeaderItem(c);
            if (!k || k->text() != kopf[c]) {
                return true;
            }
        }
        return false;
    }();
    if (neu) {
        Tabelle->setColumnCount(int(kopf.size()));
        for (int c = 0; c < kopf.size(); ++c) {
            auto* k = new QTableWidgetItem(kopf[c]);
            k->setToolTip(zeilen[1].value(c));
            Tabelle->setHorizontalHeaderItem(c, k);
            Tabelle->setColumnHidden(c, FVersteckt.contains(c));
        }
    }
    Tabelle->setRowCount(int(zeilen.size() - 2));
    for (int r = 2; r < zeilen.size(); ++r) {
        for (int c = 0; c < zeilen[r].size(); ++c) {
            QTableWidgetItem* feld = Tabelle->item(r - 2, c);
            if (!feld) {
                feld = new QTableWidgetItem;
                if (c >= StatistikTabelle::spPunkte) {
                    feld->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                Tabelle->setItem(r - 2, c, feld);
            }
            feld->setText(anzeige[r].value(c));
            QString tipp = zeilen[r][c];
            // The X of an extreme, hidden at first, is read where the extreme is.
            if ((c == StatistikTabelle::spMinimum || c == StatistikTabelle::spMaximum) &&
                !zeilen[r].value(c + 1).isEmpty()) {
                tipp += QStringLiteral("  (X ") + zeilen[r][c + 1] + u')';
            }
            feld->setToolTip(tipp);
        }
    }
    // A unit column without any unit says nothing; it is left out unless chosen.
    bool ohneEinheit = true;
    for (int r = 2; r < zeilen.size(); ++r) {
        ohneEinheit = ohneEinheit && zeilen[r].value(StatistikTabelle::spEinheit).isEmpty();
    }
    if (!FEinheitGewaehlt) {
        Tabelle->setColumnHidden(StatistikTabelle::spEinheit, ohneEinheit);
    }
    Breiten(neu);
}

void TStatistikTafel::Breiten(bool neu) {
    // Each column as wide as its header and its fields need; a column grows when a wider
    // text comes but does not shrink while the markers move, so the table keeps still.
    for (int c = 0; c < Tabelle->columnCount(); ++c) {
        const int vorher = Tabelle->columnWidth(c);
        Tabelle->resizeColumnToContents(c);
        if (!neu && Tabelle->columnWidth(c) < vorher) {
            Tabelle->setColumnWidth(c, vorher);
        }
        // A long curve name is cut short (it is whole in its tool tip).
        if (c == StatistikTabelle::spKurve && Tabelle->columnWidth(c) > 150) {
            Tabelle->setColumnWidth(c, 150);
        }
    }
}

void TStatistikTafel::SpalteZeigen(int spalte, bool an) {
    if (spalte == StatistikTabelle::spEinheit) {
        FEinheitGewaehlt = true;
    }
    if (an) {
        FVersteckt.remove(spalte);
    } else {
        FVersteckt.insert(spalte);
    }
    if (spalte < Tabelle->columnCount()) {
        Tabelle->setColumnHidden(spalte, !an);
    }
}

void TStatistikTafel::SpaltenMenue(const QPoint& stelle) {
    QMenu menue(this);
    for (int c = 0; c < Tabelle->columnCount(); ++c) {
        const QTableWidgetItem* k = Tabelle->horizontalHeaderItem(c);
        QAction* a = menue.addAction(k ? k->toolTip() : QString());
        a->setCheckable(true);
        a->setChecked(!Tabelle->isColumnHidden(c));
        // The curve's name stays: a row without it means nothing.
        a->setEnabled(c != StatistikTabelle::spKurve);
        connect(a, &QAction::toggled, this, [this, c](bool an) { SpalteZeigen(c, an); });
    }
    menue.exec(Tabelle->horizontalHeader()->mapToGlobal(stelle));
}

void TStatistikTafel::CursorZeigen(const QStringList& werte, const QStringList& anzeige) {
    const int spalte = Tabelle->columnCount() - 1;
    for (int r = 0; r < Tabelle->rowCount() && r < werte.size(); ++r) {
        if (QTableWidgetItem* feld = Tabelle->item(r, spalte)) {
            feld->setText(anzeige.value(r));
            feld->setToolTip(werte[r]);
        }
        if (r + 2 < FZeilen.size() && spalte < FZeilen[r + 2].size()) {
            FZeilen[r + 2][spalte] = werte[r];
        }
    }
}

void TStatistikTafel::FangKurvenSetzen(const QStringList& namen) {
    const QString vorher = CmbFangen->currentText();
    const int index = CmbFangen->currentIndex();
    QStringList eintraege{FKeine};
    eintraege += namen;
    if (eintraege == [&] {
            QStringList alt;
            for (int i = 0; i < CmbFangen->count(); ++i) {
                alt << CmbFangen->itemText(i);
            }
            return alt;
        }()) {
        return;
    }
    CmbFangen->clear();
    CmbFangen->addItems(eintraege);
    const int neu = index > 0 ? int(eintraege.indexOf(vorher)) : 0;
    CmbFangen->setCurrentIndex(neu < 0 ? 0 : neu);
}

int TStatistikTafel::FangKurve() const {
    return CmbFangen->currentIndex() - 1;
}

QString TStatistikTafel::KopierText() const {
    if (FZeilen.size() < 2) {
        return QString();
    }
    QSet<int> gewaehlt;
    for (const QModelIndex& i : Tabelle->selectionModel()->selectedRows()) {
        gewaehlt.insert(i.row());
    }
    QList<QStringList> zeilen{FZeilen[0], FZeilen[1]};
    for (int r = 2; r < FZeilen.size(); ++r) {
        if (gewaehlt.isEmpty() || gewaehlt.contains(r - 2)) {
            zeilen << FZeilen[r];
        }
    }
    return StatistikTabelle::TabText(zeilen);
}

void TStatistikTafel::Kopieren() const {
    QApplication::clipboard()->setText(KopierText());
}

bool TStatistikTafel::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Tabelle && ereignis->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
            Kopieren();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
