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

    // Why a file name the user typed cannot be used, as the user is to read it: it would
    // reach outside this folder, open a device instead of a file, or overwrite one of the
    // program's own files. Nothing when it can.
    std::optional<QString> namensfehler(const QString& dateiname) const;

private:
    QString m_verzeichnis;
};
