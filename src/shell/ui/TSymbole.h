#pragma once

#include <QIcon>
#include <QString>

// The pictures of the program: the application icon and the pictures of the menus and the
// tool bar, SVG files of the program's resource file (resources/Orvan.qrc).
class TSymbole {
public:
    // `name` is the picture's own name (the action prefix, e.g. "DateiNeu"); an empty icon
    // for a name without picture.
    static QIcon Symbol(const QString& name);
    // The application icon (window icon of every window).
    static QIcon Programm();
};
