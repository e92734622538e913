#include "graph/ui/TStatistikTafel.h"

#include "graph/StatistikTabelle.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

TStatistikTafel::TStatistikTafel(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Statistik"));
    LblBereich = new QLabel(this);
    CmbFangen = new QComboBox(this);
    CmbFangen->setObjectName(QStringLiteral("CmbFangen"));
    CmbFangen->setToolTip(QStringLiteral("Marker auf den nächsten Punkt dieser Kurve setzen"));
    BtnExport = new QPushButton(QStringLiteral("Exportieren..."), this);
    BtnExport->setObjectName(QStringLiteral("BtnExport"));
    Tabelle = new QTableWidget(this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->verticalHeader()->setVisible(false);
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabelle->installEventFilter(this);

    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(4, 2, 4, 2);
    kopf->addWidget(LblBereich, 1);
    kopf->addWidget(new QLabel(QStringLiteral("Marker fangen an:"), this));
    kopf->addWidget(CmbFangen);
    kopf->addWidget(BtnExport);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    aufbau->addLayout(kopf);
    aufbau->addWidget(Tabelle, 1);
    FangKurvenSetzen({});

    connect(BtnExport, &QPushButton::clicked, this, &TStatistikTafel::ExportGewuenscht);
}

void TStatistikTafel::Zeigen(const QList<QStringList>& zeilen) {
    FZeilen = zeilen;
    if (zeilen.size() < 2) {
        Tabelle->clear();
        Tabelle->setRowCount(0);
        LblBereich->clear();
        return;
    }
    QStringList bereich = zeilen[0];
    LblBereich->setText(bereich.join(QStringLiteral("  ")));
    const QStringList& kopf = zeilen[1];
    Tabelle->setColumnCount(int(kopf.size()));
    Tabelle->setHorizontalHeaderLabels(kopf);
    Tabelle->setRowCount(int(zeilen.size() - 2));
    for (int r = 2; r < zeilen.size(); ++r) {
        for (int c = 0; c < zeilen[r].size(); ++c) {
            QTableWidgetItem* feld = Tabelle->item(r - 2, c);
            if (!feld) {
                feld = new QTableWidgetItem;
                if (c >= 2) {
                    feld->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                Tabelle->setItem(r - 2, c, feld);
            }
            feld->setText(zeilen[r][c]);
        }
    }
}

void TStatistikTafel::CursorZeigen(const QStringList& werte) {
    const int spalte = Tabelle->columnCount() - 1;
    for (int r = 0; r < Tabelle->rowCount() && r < werte.size(); ++r) {
        if (QTableWidgetItem* feld = Tabelle->item(r, spalte)) {
            feld->setText(werte[r]);
        }
        if (r + 2 < FZeilen.size() && spalte < FZeilen[r + 2].size()) {
            FZeilen[r + 2][spalte] = werte[r];
        }
    }
}

void TStatistikTafel::FangKurvenSetzen(const QStringList& namen) {
    const QString vorher = CmbFangen->currentText();
    const int index = CmbFangen->currentIndex();
    QStringList eintraege{QStringLiteral("(keine)")};
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
