// A disk of a few kilobytes for tests of a full disk: a tmpfs mounted in a mount namespace
// of the calling thread's own, seen by it and by the threads it starts afterwards, never by
// the rest of the system. Needs root; without it bereit() is false and the test skips.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sched.h>
#include <sys/mount.h>

class KleinerDatentraeger {
public:
    explicit KleinerDatentraeger(int kilobytes) {
        static const bool eigenerNamensraum =
            unshare(CLONE_NEWNS) == 0 &&
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        const QByteArray optionen = "size=" + QByteArray::number(kilobytes) + "k";
        m_bereit = eigenerNamensraum && m_ort.isValid() &&
                   mount("tmpfs", QFile::encodeName(m_ort.path()).constData(), "tmpfs", 0,
                         optionen.constData()) == 0;
    }
    ~KleinerDatentraeger() {
        if (m_bereit)
            umount2(QFile::encodeName(m_ort.path()).constData(), MNT_DETACH);
    }
    KleinerDatentraeger(const KleinerDatentraeger&) = delete;
    KleinerDatentraeger& operator=(const KleinerDatentraeger&) = delete;

    bool bereit() const { return m_bereit; }
    QString pfad(const QString& name = {}) const { return QDir(m_ort.path()).filePath(name); }

    // Fills what is left with the file "fuellung"; removing it makes room again.
    void fuellen() const {
        QFile datei(pfad(QStringLiteral("fuellung")));
        datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (datei.write(QByteArray(4096, 'x')) > 0) { // the last takes what room there is
        }
    }

private:
    QTemporaryDir m_ort;
    bool m_bereit = false;
};
