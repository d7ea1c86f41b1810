// A data directory of its own for each test, with helpers to plant and inspect its files.
#pragma once

#include "Datenverzeichnis.h"
#include "Tagesuhr.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

// The time of day a result file is named after.
struct FesteTagesuhr : Tagesuhr {
    explicit FesteTagesuhr(QTime z) : zeit(z) {}
    QTime jetzt() override { return zeit; }
    QTime zeit;
};

// Bytes no reader expects, the same in every run.
inline QByteArray zufallsbytes(int anzahl) {
    std::mt19937 zufall(1252);
    QByteArray bytes;
    for (int i = 0; i < anzahl; ++i)
        bytes.append(static_cast<char>(zufall() & 0xFF));
    return bytes;
}

struct Datenordner {
    // The data directory lies inside a folder of its own, so a file that escapes it shows.
    QTemporaryDir aussen;
    QString verzeichnis = aussen.filePath(QStringLiteral("daten"));
    bool angelegt = QDir().mkpath(verzeichnis);
    Datenverzeichnis daten{verzeichnis};

    QString pfad(const QString& name) const { return QDir(verzeichnis).filePath(name); }
    bool entfernen() const { return QDir(verzeichnis).removeRecursively(); }

    void schreiben(const QString& name, const QByteArray& inhalt) const {
        QFile datei(pfad(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        ASSERT_EQ(datei.write(inhalt), inhalt.size());
    }
    QByteArray lesen(const QString& name) const {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    bool gibt(const QString& name) const { return QFile::exists(pfad(name)); }
    QStringList dateien() const {
        return QDir(verzeichnis)
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};
