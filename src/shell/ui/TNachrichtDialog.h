#pragma once

#include "shell/TNachrichtInhalt.h"

#include <QDialog>
#include <functional>

// The modal box of a numbered message. Enter presses OK (or Yes where there is no OK);
// Escape presses Cancel, otherwise No, otherwise OK; the close box gives Cancel. The Help
// button opens the help page and leaves the box open.
class TNachrichtDialog : public QDialog {
    Q_OBJECT
public:
    TNachrichtDialog(const TNachrichtInhalt& inhalt, const QString& titel,
                     std::function<void(int)> hilfe, QWidget* eltern = nullptr);

    int EscapeErgebnis() const { return FEscape; }

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void reject() override;

private:
    int FEscape = 1;
};
