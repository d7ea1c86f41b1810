#include "Verlaufsschreiber.h"

#include "Verlaufsspeicher.h"

Verlaufsschreiber::Verlaufsschreiber(QString pfad) : m_pfad(std::move(pfad)) {
    m_faden.setObjectName(QStringLiteral("Rennverlauf"));
    m_dort.moveToThread(&m_faden);
    m_faden.start();
}

Verlaufsschreiber::~Verlaufsschreiber() {
    // Blocking: every earlier record is stored first, and the connection closes on its
    // own thread.
    QMetaObject::invokeMethod(
        &m_dort, [this] { m_db.reset(); }, Qt::BlockingQueuedConnection);
    m_faden.quit();
    m_faden.wait();
}

void Verlaufsschreiber::starten() {
    QMetaObject::invokeMethod(&m_dort, [this] { vorbereiten(); });
}

void Verlaufsschreiber::ablegen(Rennaufzeichnung aufzeichnung) {
    if (m_bereit && !m_bereit())
        return;
    QMetaObject::invokeMethod(&m_dort, [this, a = std::move(aufzeichnung)] { speichern(a); });
}

void Verlaufsschreiber::abwarten() {
    QMetaObject::invokeMethod(
        &m_dort, [] {}, Qt::BlockingQueuedConnection);
}

void Verlaufsschreiber::vorbereiten() {
    if (!m_db)
        m_db = std::make_unique<Verlaufsdatenbank>(m_pfad);
    const Verlaufsbefund befund = m_db->vorbereiten();
    m_neuereVersion = befund.neuereVersion;
    zurueckmelden([this, befund] {
        if (m_beiBefund)
            m_beiBefund(befund);
    });
}

void Verlaufsschreiber::speichern(const Rennaufzeichnung& aufzeichnung) {
    // The racer was told at start-up that nothing is stored into a newer program's file.
    if (m_neuereVersion)
        return;
    // A folder that was read-only may have become writable; the database is tried anew.
    if (!m_db || !m_db->beschreibbar()) {
        vorbereiten();
        if (m_neuereVersion)
            return;
    }
    const std::optional<QString> fehler =
        m_db->beschreibbar() ? Verlaufsspeicher(*m_db).speichern(aufzeichnung) : m_db->fehler();
    if (fehler)
        zurueckmelden([this, grund = *fehler] { fehlerMelden(grund); });
}

void Verlaufsschreiber::zurueckmelden(std::function<void()> meldung) {
    QMetaObject::invokeMethod(&m_hier, std::move(meldung));
}
