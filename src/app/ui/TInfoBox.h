#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class TShellKontext;

// The small modal "about" box: product, description, maker, version and internal name from
// the compiled-in version information, and the maker's addresses. A click anywhere, Enter or
// Escape closes it; the web and e-mail addresses open with the desktop's handler.
class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(TShellKontext& app, QWidget* eltern = nullptr);

    // The maker's data built into the program.
    static const QString Adresse;
    static const QString InternetAdresse;
    static const QString EMailAdresse;

    QString Text(const QString& name) const; // the text of the control of that name

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QLabel* Beschriftung(const QString& name, const QString& text, QWidget* eltern);
};
