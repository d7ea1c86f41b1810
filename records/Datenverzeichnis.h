// The folder of hof.ini and the result files: the program's own directory, or the one
// given with --data-dir. Names typed by the user are kept inside it.
#pragma once

#include <QString>
#include <optional>

class Datenverzeichnis {
public:
    explicit Datenverzeichnis(const QString& verzeichnis);

    QString pfad(const QString& dateiname) const;
    // The path as the user's system writes it, for messages.
    QString anzeigepfad(const QString& dateiname) const;

    // The path of a file name the user typed, or nothing when the name would reach
    // outside this folder or open a device instead of a file.
    std::optional<QString> benutzerdatei(const QString& dateiname) const;

private:
    QString m_verzeichnis;
};
