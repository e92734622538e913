#pragma once

#include <QIcon>
#include <QString>

// The 16 x 16 pictures of the menus and the tool bar. An icon of the desktop's icon theme is
// used where the theme has one; every picture also has a drawing of our own, so the program
// looks complete on a bare system too.
class TSymbole {
public:
    // `name` is the picture's own name (the action prefix, e.g. "DateiNeu").
    static QIcon Symbol(const QString& name);
    // Only our own drawing, without asking the theme.
    static QIcon Gezeichnet(const QString& name);
    // The icon theme to use when the platform names none.
    static void ThemaWaehlen();
};
