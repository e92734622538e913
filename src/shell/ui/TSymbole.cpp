#include "shell/ui/TSymbole.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Colours of the drawings: a calm palette that reads well on light and grey tool bars.
const QColor kLinie(60, 60, 60);
const QColor kPapier(255, 255, 255);
const QColor kBlau(40, 100, 190);
const QColor kGruen(40, 150, 60);
const QColor kRot(200, 40, 40);
const QColor kGelb(235, 190, 60);
const QColor kGrau(150, 150, 150);

void Blatt(QPainter& p, QRectF r = QRectF(3.5, 1.5, 9, 13)) {
    QPainterPath pfad;
    pfad.moveTo(r.left(), r.top());
    pfad.lineTo(r.right() - 3, r.top());
    pfad.lineTo(r.right(), r.top() + 3);
    pfad.lineTo(r.right(), r.bottom());
    pfad.lineTo(r.left(), r.bottom());
    pfad.closeSubpath();
    p.setPen(QPen(kLinie, 1));
    p.setBrush(kPapier);
    p.drawPath(pfad);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void Textzeilen(QPainter& p, double links, double oben, int anzahl, double breite) {
    p.setPen(QPen(kGrau, 1));
    for (int i = 0; i < anzahl; ++i) {
        p.drawLine(QPointF(links, oben + 2 * i), QPointF(links + breite, oben + 2 * i));
    }
}

void Kurve(QPainter& p, QRectF r, const QColor& farbe) {
    QPainterPath pfad;
    pfad.moveTo(r.left(), r.bottom());
    pfad.cubicTo(r.left() + r.width() * 0.35, r.top() - r.height() * 0.2,
                 r.left() + r.width() * 0.55, r.bottom() + r.height() * 0.3, r.right(), r.top());
    p.setPen(QPen(farbe, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}

void Pfeil(QPainter& p, QPointF von, QPointF nach, const QColor& farbe, double staerke = 2) {
    p.setPen(QPen(farbe, staerke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(von, nach);
    const QPointF d = nach - von;
    const double laenge = std::hypot(d.x(), d.y());
    const QPointF e = d / laenge;
    const QPointF n(-e.y(), e.x());
    p.setBrush(farbe);
    QPolygonF spitze;
    spitze << nach + e * 1.5 << nach - e * 3 + n * 3 << nach - e * 3 - n * 3;
    p.setPen(QPen(farbe, 1));
    p.drawPolygon(spitze);
}

void Diskette(QPainter& p) {
    p.setPen(QPen(kLinie, 1));
    p.setBrush(kBlau);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(kPapier);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void Drucker(QPainter& p) {
    p.setPen(QPen(kLinie, 1));
    p.setBrush(kPapier);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPapier);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(kGruen, 1));
    p.drawPoint(QPointF(12.5, 8.5));
}

void Geraet(QPainter& p, QRectF r) {
    p.setPen(QPen(kLinie, 1));
    p.setBrush(QColor(120, 130, 140));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(r.left() + 1.5, r.top() + 1.5, r.width() - 3, r.height() / 2 - 1));
}

void Lupe(QPainter& p, bool plus) {
    p.setPen(QPen(kLinie, 1.2));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(kLinie, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    p.setPen(QPen(kBlau, 1.5));
    p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (plus) {
        p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
    }
}

void Fenster(QPainter& p, QRectF r, const QColor& titel = kBlau) {
    p.setPen(QPen(kLinie, 1));
    p.setBrush(kPapier);
    p.drawRect(r);
    p.setBrush(titel);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 2.5));
}

void Kreiszeichen(QPainter& p, const QString& zeichen, const QColor& farbe) {
    p.setPen(QPen(farbe.darker(130), 1));
    p.setBrush(farbe);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, zeichen);
}

void Markerkreuz(QPainter& p, const QString& nummer) {
    p.setPen(QPen(kRot, 1.2));
    p.drawLine(QPointF(6, 1), QPointF(6, 15));
    p.drawLine(QPointF(0.5, 6), QPointF(15.5, 6));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(9);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(kLinie);
    p.drawText(QRectF(7.5, 6.5, 8, 9), Qt::AlignCenter, nummer);
}

void Zahnrad(QPainter& p, QPointF mitte, double radius, const QColor& farbe) {
    p.setPen(QPen(farbe.darker(140), 1));
    p.setBrush(farbe);
    QPolygonF rad;
    for (int i = 0; i < 16; ++i) {
        const double winkel = i * M_PI / 8;
        const double r = (i % 2 == 0) ? radius : radius * 0.72;
        rad << mitte + QPointF(std::cos(winkel) * r, std::sin(winkel) * r);
    }
    p.drawPolygon(rad);
    p.setBrush(kPapier);
    p.drawEllipse(mitte, radius * 0.3, radius * 0.3);
}

void Diagramm(QPainter& p) {
    p.setPen(QPen(kLinie, 1));
    p.setBrush(kPapier);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    Kurve(p, QRectF(3, 4, 10, 8), kRot);
}

using TZeichnung = std::function<void(QPainter&)>;

const QHash<QString, TZeichnung>& Zeichnungen() {
    static const QHash<QString, TZeichnung> tabelle = {
        {QStringLiteral("DateiNeu"),
         [](QPainter& p) {
             Blatt(p);
             p.setPen(QPen(kGelb.darker(120), 1));
             p.setBrush(kGelb);
             p.drawEllipse(QRectF(9.5, 9.5, 5, 5));
         }},
        {QStringLiteral("DateiOeffnen"),
         [](QPainter& p) {
             p.setPen(QPen(kLinie, 1));
             p.setBrush(kGelb.darker(115));
             p.drawRect(QRectF(1.5, 3.5, 12, 10));
             p.setBrush(kGelb);
             QPolygonF klappe;
             klappe << QPointF(3.5, 6.5) << QPointF(15.5, 6.5) << QPointF(13.5, 13.5)
                    << QPointF(1.5, 13.5);
             p.drawPolygon(klappe);
         }},
        {QStringLiteral("DateiSchliessen"),
         [](QPainter& p) {
             Blatt(p);
             p.setPen(QPen(kRot, 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(9, 9), QPointF(14, 14));
             p.drawLine(QPointF(14, 9), QPointF(9, 14));
         }},
        {QStringLiteral("DateiSpeichern"), [](QPainter& p) { Diskette(p); }},
        {QStringLiteral("DateiSpeichernUnter"),
         [](QPainter& p) {
             Diskette(p);
             p.setPen(QPen(kGelb.darker(140), 1));
             p.setBrush(kGelb);
             QPolygonF stift;
             stift << QPointF(8, 15) << QPointF(9, 12) << QPointF(15, 6) << QPointF(16, 7)
                   << QPointF(10, 13);
             p.drawPolygon(stift);
         }},
        {QStringLiteral("DateiExportieren"),
         [](QPainter& p) {
             Blatt(p, QRectF(1.5, 1.5, 9, 13));
             Textzeilen(p, 3.5, 5.5, 4, 5);
             Pfeil(p, QPointF(7, 10.5), QPointF(13.5, 10.5), kGruen);
         }},
        {QStringLiteral("InDateiLaden"),
         [](QPainter& p) {
             Geraet(p, QRectF(0.5, 0.5, 8, 8));
             Blatt(p, QRectF(7.5, 6.5, 7, 9));
             Pfeil(p, QPointF(4.5, 9.5), QPointF(4.5, 13.5), kGruen, 1.6);
         }},
        {QStringLiteral("InGraphLaden"),
         [](QPainter& p) {
             Blatt(p, QRectF(0.5, 0.5, 8, 10));
             Diagramm(p);
             Blatt(p, QRectF(0.5, 0.5, 7, 9));
             Pfeil(p, QPointF(6, 8), QPointF(10, 12), kGruen, 1.5);
         }},
        {QStringLiteral("NeuLaden"),
         [](QPainter& p) {
             Diagramm(p);
             Geraet(p, QRectF(0.5, 0.5, 7, 7));
             p.setPen(QPen(kGelb.darker(120), 1));
             p.setBrush(kGelb);
             p.drawEllipse(QRectF(10.5, 10.5, 5, 5));
         }},
        {QStringLiteral("Druckereinstellungen"),
         [](QPainter& p) {
             Drucker(p);
             Zahnrad(p, QPointF(12, 12), 4, kGrau);
         }},
        {QStringLiteral("Drucken"), [](QPainter& p) { Drucker(p); }},
        {QStringLiteral("Beenden"),
         [](QPainter& p) {
             p.setPen(QPen(kRot, 2, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
             p.drawLine(QPointF(8, 1.5), QPointF(8, 8));
         }},
        {QStringLiteral("Ausschneiden"),
         [](QPainter& p) {
             p.setPen(QPen(kLinie, 1.3));
             p.drawLine(QPointF(4, 1), QPointF(10.5, 11));
             p.drawLine(QPointF(12, 1), QPointF(5.5, 11));
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kRot, 1.3));
             p.drawEllipse(QRectF(2, 10.5, 4.5, 4.5));
             p.drawEllipse(QRectF(9.5, 10.5, 4.5, 4.5));
         }},
        {QStringLiteral("Kopieren"),
         [](QPainter& p) {
             Blatt(p, QRectF(1.5, 0.5, 8, 10));
             Blatt(p, QRectF(6.5, 5.5, 8, 10));
             Textzeilen(p, 8.5, 9.5, 3, 4);
         }},
        {QStringLiteral("Einfuegen"),
         [](QPainter& p) {
             p.setPen(QPen(kLinie, 1));
             p.setBrush(QColor(190, 140, 80));
             p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1, 1);
             p.setBrush(kGrau);
             p.drawRect(QRectF(5.5, 1.5, 4, 2));
             Blatt(p, QRectF(6.5, 6.5, 8, 9));
         }},
        {QStringLiteral("GraphEigenschaften"),
         [](QPainter& p) {
             Diagramm(p);
             Zahnrad(p, QPointF(11.5, 11.5), 4, kBlau);
         }},
        {QStringLiteral("ZoomGross"), [](QPainter& p) { Lupe(p, true); }},
        {QStringLiteral("ZoomKlein"), [](QPainter& p) { Lupe(p, false); }},
        {QStringLiteral("ScrollLinks"),
         [](QPainter& p) { Pfeil(p, QPointF(14, 8), QPointF(3.5, 8), kBlau, 2.2); }},
        {QStringLiteral("ScrollRechts"),
         [](QPainter& p) { Pfeil(p, QPointF(2, 8), QPointF(12.5, 8), kBlau, 2.2); }},
        {QStringLiteral("ScrollOben"),
         [](QPainter& p) { Pfeil(p, QPointF(8, 14), QPointF(8, 3.5), kBlau, 2.2); }},
        {QStringLiteral("ScrollUnten"),
         [](QPainter& p) { Pfeil(p, QPointF(8, 2), QPointF(8, 12.5), kBlau, 2.2); }},
        {QStringLiteral("Marker1"), [](QPainter& p) { Markerkreuz(p, QStringLiteral("1")); }},
        {QStringLiteral("Marker2"), [](QPainter& p) { Markerkreuz(p, QStringLiteral("2")); }},
        {QStringLiteral("DatumZeit"),
         [](QPainter& p) {
             p.setPen(QPen(kLinie, 1));
             p.setBrush(kPapier);
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setPen(QPen(kBlau, 1.5, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 8), QPointF(8, 4));
             p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
         }},
        {QStringLiteral("GraphRefresh"),
         [](QPainter& p) {
             p.setPen(QPen(kGruen, 2, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 270 * 16);
             p.setPen(QPen(kGruen, 1));
             p.setBrush(kGruen);
             QPolygonF spitze;
             spitze << QPointF(9, 0.5) << QPointF(13.5, 3) << QPointF(9, 6);
             p.drawPolygon(spitze);
         }},
        {QStringLiteral("Einstellungen"), [](QPainter& p) { Zahnrad(p, QPointF(8, 8), 7, kGrau); }},
        {QStringLiteral("MessAuftrag"),
         [](QPainter& p) {
             Blatt(p, QRectF(1.5, 1.5, 10, 13));
             Textzeilen(p, 3.5, 5.5, 4, 6);
             Geraet(p, QRectF(9.5, 8.5, 6, 7));
         }},
        {QStringLiteral("Cascade"),
         [](QPainter& p) {
             Fenster(p, QRectF(0.5, 0.5, 9, 8));
             Fenster(p, QRectF(3.5, 3.5, 9, 8));
             Fenster(p, QRectF(6.5, 6.5, 9, 8));
         }},
        {QStringLiteral("Horizontal"),
         [](QPainter& p) {
             Fenster(p, QRectF(0.5, 0.5, 15, 7));
             Fenster(p, QRectF(0.5, 8.5, 15, 7));
         }},
        {QStringLiteral("Vertical"),
         [](QPainter& p) {
             Fenster(p, QRectF(0.5, 0.5, 7, 15));
             Fenster(p, QRectF(8.5, 0.5, 7, 15));
         }},
        {QStringLiteral("Arrange"),
         [](QPainter& p) {
             p.setPen(QPen(kLinie, 1));
             p.setBrush(kBlau);
             p.drawRect(QRectF(0.5, 12.5, 4, 3));
             p.drawRect(QRectF(5.5, 12.5, 4, 3));
             p.drawRect(QRectF(10.5, 12.5, 4, 3));
             p.setPen(QPen(kGrau, 1, Qt::DotLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(2.5, 1.5, 11, 8));
         }},
        {QStringLiteral("Minimize"),
         [](QPainter& p) {
             Fenster(p, QRectF(1.5, 1.5, 13, 10));
             p.setPen(QPen(kLinie, 2));
             p.drawLine(QPointF(4, 14.5), QPointF(12, 14.5));
         }},
        {QStringLiteral("Hilfe"), [](QPainter& p) { Kreiszeichen(p, QStringLiteral("?"), kBlau); }},
        {QStringLiteral("Info"), [](QPainter& p) { Kreiszeichen(p, QStringLiteral("i"), kGruen); }},
        {QStringLiteral("Sprache"),
         [](QPainter& p) {
             p.setPen(QPen(kBlau, 1));
             p.setBrush(QColor(220, 235, 255));
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(5, 1.5, 6, 13));
             p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
         }},
    };
    return tabelle;
}

// Desktop icon names for the pictures the freedesktop naming scheme knows.
const QHash<QString, QString>& ThemaNamen() {
    static const QHash<QString, QString> namen = {
        {QStringLiteral("DateiNeu"), QStringLiteral("document-new")},
        {QStringLiteral("DateiOeffnen"), QStringLiteral("document-open")},
        {QStringLiteral("DateiSpeichern"), QStringLiteral("document-save")},
        {QStringLiteral("DateiSpeichernUnter"), QStringLiteral("document-save-as")},
        {QStringLiteral("Drucken"), QStringLiteral("document-print")},
        {QStringLiteral("Beenden"), QStringLiteral("application-exit")},
        {QStringLiteral("Ausschneiden"), QStringLiteral("edit-cut")},
        {QStringLiteral("Kopieren"), QStringLiteral("edit-copy")},
        {QStringLiteral("Einfuegen"), QStringLiteral("edit-paste")},
        {QStringLiteral("ZoomGross"), QStringLiteral("zoom-in")},
        {QStringLiteral("ZoomKlein"), QStringLiteral("zoom-out")},
        {QStringLiteral("ScrollLinks"), QStringLiteral("go-previous")},
        {QStringLiteral("ScrollRechts"), QStringLiteral("go-next")},
        {QStringLiteral("ScrollOben"), QStringLiteral("go-up")},
        {QStringLiteral("ScrollUnten"), QStringLiteral("go-down")},
        {QStringLiteral("GraphRefresh"), QStringLiteral("view-refresh")},
        {QStringLiteral("Hilfe"), QStringLiteral("help-contents")},
        {QStringLiteral("Info"), QStringLiteral("help-about")},
    };
    return namen;
}

QPixmap Bild(const TZeichnung& zeichnung, int groesse) {
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 16.0, groesse / 16.0);
    zeichnung(p);
    return bild;
}

} // namespace

QIcon TSymbole::Gezeichnet(const QString& name) {
    const auto eintrag = Zeichnungen().constFind(name);
    if (eintrag == Zeichnungen().constEnd()) {
        return QIcon();
    }
    QIcon symbol;
    symbol.addPixmap(Bild(eintrag.value(), 16));
    symbol.addPixmap(Bild(eintrag.value(), 32));
    return symbol;
}

QIcon TSymbole::Symbol(const QString& name) {
    const QIcon eigenes = Gezeichnet(name);
    const QString thema = ThemaNamen().value(name);
    if (!thema.isEmpty() && QIcon::hasThemeIcon(thema)) {
        return QIcon::fromTheme(thema, eigenes);
    }
    return eigenes;
}

void TSymbole::ThemaWaehlen() {
    if (QIcon::hasThemeIcon(QStringLiteral("document-open"))) {
        return;
    }
    for (const QString& thema : {QStringLiteral("Adwaita"), QStringLiteral("breeze")}) {
        if (QDir(QStringLiteral("/usr/share/icons/") + thema).exists()) {
            QIcon::setThemeName(thema);
            if (QIcon::hasThemeIcon(QStringLiteral("document-open"))) {
                return;
            }
        }
    }
}
