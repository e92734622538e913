#include "shell/DateiPruefung.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace DateiPruefung {

namespace {

namespace fs = std::filesystem;

// The kind of a node that is not a regular file, in the words of the messages.
QString ArtText(fs::file_type art) {
    switch (art) {
    case fs::file_type::directory:
        return QStringLiteral("ein Verzeichnis");
    case fs::file_type::fifo:
        return QStringLiteral("eine FIFO (benannte Pipe)");
    case fs::file_type::character:
    case fs::file_type::block:
        return QStringLiteral("ein Gerät");
    case fs::file_type::socket:
        return QStringLiteral("ein Socket");
    default:
        return QStringLiteral("keine gewöhnliche Datei");
    }
}

fs::file_status Status(const QString& pfad) {
    std::error_code fehler;
    // status() follows symbolic links: a link to a regular file counts as one.
    return fs::status(fs::path(QFile::encodeName(pfad).toStdString()), fehler);
}

} // namespace

QString Lesbar(const QString& pfad) {
    if (pfad.isEmpty()) {
        return QStringLiteral("Kein Dateiname angegeben.");
    }
    const fs::file_status s = Status(pfad);
    if (s.type() == fs::file_type::not_found || s.type() == fs::file_type::none) {
        return QStringLiteral("Die Datei \"%1\" gibt es nicht.").arg(pfad);
    }
    if (s.type() != fs::file_type::regular) {
        return QStringLiteral("\"%1\" ist %2, keine gewöhnliche Datei; es wird nicht gelesen.")
            .arg(pfad, ArtText(s.type()));
    }
    return {};
}

QString Beschreibbar(const QString& pfad) {
    if (pfad.isEmpty()) {
        return QStringLiteral("Kein Dateiname angegeben.");
    }
    const fs::file_status s = Status(pfad);
    if (s.type() == fs::file_type::not_found || s.type() == fs::file_type::regular) {
        return {};
    }
    if (s.type() == fs::file_type::none) {
        return QStringLiteral("Der Zustand von \"%1\" lässt sich nicht feststellen.").arg(pfad);
    }
    return QStringLiteral("\"%1\" ist %2, keine gewöhnliche Datei; es wird nicht überschrieben.")
        .arg(pfad, ArtText(s.type()));
}

} // namespace DateiPruefung
