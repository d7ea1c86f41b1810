// The folder of hof.ini, the result files and the race history: the program's own
// directory, the user's data folder of an installed program, or the one given with
// --data-dir. Names typed by the user are kept inside it.
#pragma once

#include "Dialoge.h"

#include <QString>
#include <memory>
#include <optional>

class Datenverzeichnis {
public:
    // anlegen: the folder is made when a record is first written (the user's data folder,
    // which a fresh account lacks); otherwise it is the program's or the user's own choice
    // and must exist.
    explicit Datenverzeichnis(const QString& verzeichnis, bool anlegen = false);

    // Whether records can go into the folder, made if it is to be made. A folder that cannot
    // be made is told once, whichever copy of this object asks: nothing is written
    // elsewhere and the program goes on.
    bool bereitstellen(Dialoge& dialoge) const;
    QString verzeichnis() const { return m_verzeichnis; }

    QString pfad(const QString& dateiname) const;
    // The path as the user's system writes it, for messages.
    QString anzeigepfad(const QString& dateiname) const;

    // Why a file name the user typed cannot be used, as the user is to read it: it would
    // reach outside this folder, open a device instead of a file, or overwrite one of the
    // program's own files. Nothing when it can.
    std::optional<QString> namensfehler(const QString& dateiname) const;

private:
    QString m_verzeichnis;
    bool m_anlegen;
    std::shared_ptr<bool> m_anlegefehlerGemeldet;
};
