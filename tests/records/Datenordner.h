// A data directory of its own for each test, with helpers to plant and inspect its files.
#pragma once

#include "Datenverzeichnis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct Datenordner {
    QTemporaryDir tmp;
    Datenverzeichnis daten{tmp.path()};

    QString pfad(const QString& name) const { return QDir(tmp.path()).filePath(name); }

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
        return QDir(tmp.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
};
