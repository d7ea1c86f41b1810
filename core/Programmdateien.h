// Where the program's own files lie: the sounds and readme.txt, and the box library. A
// build folder or portable copy keeps them beside the program; an installed tree keeps
// them in share/rundomat and lib/rundomat beside the program's bin folder. Found from the
// program's folder alone, so the program runs wherever it was installed or unpacked.
#pragma once

#include <QString>

class Programmdateien {
public:
    explicit Programmdateien(const QString& programmordner);

    // Whether the program lies in an installed tree (its share folder was found).
    bool installiert() const { return !m_teilordner.isEmpty(); }
    // The folder of the program itself.
    QString programmordner() const { return m_programmordner; }
    // A sound or readme.txt by its file name.
    QString pfad(const QString& dateiname) const;
    // The folder in which the box library belongs.
    QString bibliotheksordner() const;

private:
    QString m_programmordner;
    QString m_teilordner; // the installed share folder; empty beside the program
};
