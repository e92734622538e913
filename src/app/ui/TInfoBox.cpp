#include "app/ui/TInfoBox.h"

#include "shell/TShellKontext.h"
#include "shell/VersionsInfo.h"

#include <QDesktopServices>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>
#include <QVBoxLayout>

const QString TInfoBox::Adresse = QStringLiteral("Kurvenweg 7\n12345 Beispielstadt");
const QString TInfoBox::InternetAdresse = QStringLiteral("https://www.orvan.example");
const QString TInfoBox::EMailAdresse = QStringLiteral("info@orvan.example");

namespace {

const QString kSchliessenHinweis = QStringLiteral("Mausklick zum Schließen...");

// The banner across the top: a measured curve over a blue gradient.
QPixmap Banner() {
    QPixmap bild(297, 41);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 297, 0);
    verlauf.setColorAt(0, QColor(20, 60, 130));
    verlauf.setColorAt(1, QColor(90, 150, 220));
    p.fillRect(bild.rect(), verlauf);
    QPainterPath kurve;
    kurve.moveTo(0, 32);
    for (int x = 0; x <= 297; x += 3) {
        kurve.lineTo(x, 24 - 12 * std::sin(x / 30.0) * std::exp(-x / 400.0));
    }
    p.setPen(QPen(QColor(255, 220, 90), 2));
    p.drawPath(kurve);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(20);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 0, 280, 41), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Orvan"));
    return bild;
}

} // namespace

QLabel* TInfoBox::Beschriftung(const QString& name, const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setToolTip(kSchliessenHinweis);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

TInfoBox::TInfoBox(TShellKontext& app, QWidget* eltern) : QDialog(eltern, Qt::Tool) {
    setWindowTitle(QStringLiteral("Info..."));
    setToolTip(kSchliessenHinweis);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::white);
    setPalette(farben);

    QStringList v;
    VersionsInfoLesen(app.AppConst.ProgrammPfad, v);
    QString version;
    VersionLesen(QStringLiteral("%d.%d%d/%d"), app.AppConst.ProgrammPfad, version);

    auto* aufbau = new QGridLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);

    auto* panel1 = new QLabel(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setPixmap(Banner());
    panel1->setToolTip(kSchliessenHinweis);
    aufbau->addWidget(panel1, 0, 0, 1, 2);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFixedWidth(12);
    panel2->setAutoFillBackground(true);
    QPalette silber = panel2->palette();
    silber.setColor(QPalette::Window, QColor(192, 192, 192));
    panel2->setPalette(silber);
    aufbau->addWidget(panel2, 1, 0);

    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(12, 8, 12, 8);
    auto* image1 = new QLabel(mitte);
    image1->setObjectName(QStringLiteral("Image1"));
    const QString icon = app.AppConst.ProgrammPfad + app.AppConst.IconDatei;
    if (QFile::exists(icon)) {
        image1->setPixmap(QIcon(icon).pixmap(32, 32));
    }
    image1->setAlignment(Qt::AlignCenter);
    image1->setToolTip(kSchliessenHinweis);
    spalte->addWidget(image1);

    QLabel* titel = Beschriftung(QStringLiteral("Titel"), v.value(6) + QStringLiteral("®"), mitte);
    QFont fett = titel->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.4);
    titel->setFont(fett);
    spalte->addWidget(titel);
    spalte->addWidget(Beschriftung(QStringLiteral("Subtitel"), v.value(1), mitte));
    spalte->addSpacing(8);
    QLabel* firma = Beschriftung(QStringLiteral("Firma"), v.value(4), mitte);
    QFont firmaSchrift = firma->font();
    firmaSchrift.setBold(true);
    firma->setFont(firmaSchrift);
    spalte->addWidget(firma);
    spalte->addWidget(Beschriftung(QStringLiteral("Adresse"), Adresse, mitte));
    spalte->addSpacing(8);
    auto* zeile = new QHBoxLayout();
    for (const auto& [name, text] :
         {std::pair{QStringLiteral("Version"), QStringLiteral("V") + version},
          std::pair{QStringLiteral("Projekt"), v.value(3)}}) {
        QLabel* l = Beschriftung(name, text, mitte);
        l->setAutoFillBackground(true);
        l->setPalette(silber);
        l->setMargin(3);
        zeile->addWidget(l);
    }
    spalte->addLayout(zeile);
    aufbau->addWidget(mitte, 1, 1);

    auto* panel3 = new QWidget(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panel3->setAutoFillBackground(true);
    panel3->setPalette(silber);
    auto* unten = new QGridLayout(panel3);
    unten->setContentsMargins(8, 4, 8, 4);
    const auto adresse = [&](int reihe, const QString& name, const QString& beschriftung,
                             const QString& text, const QString& url, bool unterstrichen) {
        auto* l = new QLabel(beschriftung, panel3);
        l->setObjectName(name);
        unten->addWidget(l, reihe, 0);
        auto* a = new QLabel(panel3);
        a->setObjectName(name + QStringLiteral("Adresse"));
        a->setText(
            QStringLiteral("<a href=\"%1\" style=\"color:#0000ff;%3\">%2</a>")
                .arg(url, text.toHtmlEscaped(),
                     unterstrichen ? QStringLiteral("") : QStringLiteral("text-decoration:none")));
        a->setCursor(Qt::PointingHandCursor);
        a->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(a, &QLabel::linkActivated, this, [this](const QString& ziel) {
            QDesktopServices::openUrl(QUrl(ziel));
            accept();
        });
        unten->addWidget(a, reihe, 1);
        return a;
    };
    adresse(0, QStringLiteral("Internet"), QStringLiteral("Internet:"), InternetAdresse,
            InternetAdresse, false);
    QLabel* mail = adresse(1, QStringLiteral("EMail"), QStringLiteral("EMail:"), EMailAdresse,
                           QStringLiteral("mailto:") + EMailAdresse, true);
    mail->setToolTip(QStringLiteral("Mausklick für E-Mail..."));
    aufbau->addWidget(panel3, 2, 0, 1, 2);

    setFixedSize(sizeHint().expandedTo(QSize(297, 0)));
    if (eltern != nullptr) {
        move(eltern->geometry().center() - rect().center());
    }
}

QString TInfoBox::Text(const QString& name) const {
    const auto* l = findChild<QLabel*>(name);
    return l != nullptr ? l->text() : QString();
}

void TInfoBox::mousePressEvent(QMouseEvent*) {
    accept();
}

void TInfoBox::keyPressEvent(QKeyEvent* ereignis) {
    const QString zeichen = ereignis->text();
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter ||
        ereignis->key() == Qt::Key_Escape ||
        (!zeichen.isEmpty() && (zeichen[0].unicode() == 13 || zeichen[0].unicode() == 27 ||
                                zeichen[0].unicode() == 30))) {
        accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
