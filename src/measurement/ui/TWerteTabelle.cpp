#include "measurement/ui/TWerteTabelle.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

TWerteTabelle::TWerteTabelle(QWidget* eltern)
    : QAbstractScrollArea(eltern), FKopf(new QHeaderView(Qt::Horizontal, this)) {
    FKopf->setSectionResizeMode(QHeaderView::Interactive);
    FKopf->setStretchLastSection(true);
    FKopf->setSectionsClickable(false);
    connect(FKopf, &QHeaderView::sectionResized, this, [this] {
        Einrichten();
        viewport()->update();
    });
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
}

void TWerteTabelle::setModel(QAbstractItemModel* modell) {
    FModell = modell;
    FKopf->setModel(modell);
    const auto neu = [this] {
        verticalScrollBar()->setValue(0);
        Einrichten();
        viewport()->update();
    };
    connect(modell, &QAbstractItemModel::modelReset, this, neu);
    connect(modell, &QAbstractItemModel::layoutChanged, this, neu);
    Einrichten();
}

void TWerteTabelle::setColumnWidth(int spalte, int breite) {
    FKopf->resizeSection(spalte, breite);
}

int TWerteTabelle::Zeilenhoehe() const {
    return fontMetrics().height() + 4;
}

int TWerteTabelle::ErsteZeile() const {
    return verticalScrollBar()->value();
}

void TWerteTabelle::scrollToBottom() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TWerteTabelle::scrollToTop() {
    verticalScrollBar()->setValue(0);
}

void TWerteTabelle::Einrichten() {
    const int kopf = FKopf->sizeHint().height();
    setViewportMargins(0, kopf, 0, 0);
    const QRect v = viewport()->geometry();
    FKopf->setGeometry(v.left(), v.top() - kopf, v.width(), kopf);
    const int zeilen = FModell ? FModell->rowCount() : 0;
    const int sichtbar = qMax(1, v.height() / Zeilenhoehe());
    // One step of the bar is one row: the bar's range is the number of rows, not pixels,
    // so it holds any number of rows an int can count.
    QScrollBar* senkrecht = verticalScrollBar();
    senkrecht->setRange(0, qMax(0, zeilen - sichtbar));
    senkrecht->setPageStep(sichtbar);
    senkrecht->setSingleStep(1);
    QScrollBar* waagrecht = horizontalScrollBar();
    waagrecht->setRange(0, qMax(0, FKopf->length() - v.width()));
    waagrecht->setPageStep(v.width());
    FKopf->setOffset(waagrecht->value());
}

void TWerteTabelle::resizeEvent(QResizeEvent* ereignis) {
    QAbstractScrollArea::resizeEvent(ereignis);
    Einrichten();
}

void TWerteTabelle::scrollContentsBy(int, int) {
    FKopf->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void TWerteTabelle::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(),
               pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base));
    if (!FModell) {
        return;
    }
    const int hoehe = Zeilenhoehe();
    const int zeilen = FModell->rowCount();
    const int spalten = FModell->columnCount();
    const int erste = ErsteZeile();
    const int versatz = horizontalScrollBar()->value();
    const QColor linie = pal.color(QPalette::Mid);
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    int y = 0;
    for (int z = erste; z < zeilen && y < viewport()->height(); ++z, y += hoehe) {
        for (int s = 0; s < spalten; ++s) {
            const int x = FKopf->sectionPosition(s) - versatz;
            const int b = FKopf->sectionSize(s);
            const QRect zelle(x, y, b, hoehe);
            const QString text = FModell->index(z, s).data().toString();
            p.drawText(zelle.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
            const QPen stift = p.pen();
            p.setPen(linie);
            p.drawLine(zelle.topRight(), zelle.bottomRight());
            p.drawLine(zelle.bottomLeft(), zelle.bottomRight());
            p.setPen(stift);
        }
    }
}
