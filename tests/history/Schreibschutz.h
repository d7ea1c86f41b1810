// Makes a folder read-only for this process, even for root: the folder loses its write
// permission and, when running as root, the thread that makes this object (and every
// thread it starts afterwards) loses the capability that would override it.
#pragma once

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class Schreibschutz {
public:
    explicit Schreibschutz(QString ordner) : m_ordner(std::move(ordner)) {
        m_rechte = QFile::permissions(m_ordner);
        QFile::setPermissions(m_ordner, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (geteuid() != 0)
            return;
        syscall(SYS_capget, &m_kopf, m_vorher);
        __user_cap_data_struct ohne[2] = {m_vorher[0], m_vorher[1]};
        ohne[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        m_gesenkt = syscall(SYS_capset, &m_kopf, ohne) == 0;
    }
    ~Schreibschutz() {
        if (m_gesenkt)
            syscall(SYS_capset, &m_kopf, m_vorher);
        QFile::setPermissions(m_ordner, m_rechte);
    }
    Schreibschutz(const Schreibschutz&) = delete;
    Schreibschutz& operator=(const Schreibschutz&) = delete;

private:
    QString m_ordner;
    QFile::Permissions m_rechte;
    __user_cap_header_struct m_kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_vorher[2]{};
    bool m_gesenkt = false;
};
