#pragma once

#include <QAbstractScrollArea>

class QAbstractItemModel;
class QHeaderView;

// A read-only table for very long series: it paints only the rows in sight and keeps nothing
// per row, so ten million values open and scroll as fast as ten. The columns have a header
// whose sections the user may resize.
class TWerteTabelle : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TWerteTabelle(QWidget* eltern = nullptr);

    void setModel(QAbstractItemModel* modell);
    QAbstractItemModel* model() const { return FModell; }
    QHeaderView* horizontalHeader() const { return FKopf; }
    void setColumnWidth(int spalte, int breite);
    int Zeilenhoehe() const;
    // The first row in sight.
    int ErsteZeile() const;
    void scrollToBottom();
    void scrollToTop();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Einrichten();

    QAbstractItemModel* FModell = nullptr;
    QHeaderView* FKopf;
};
