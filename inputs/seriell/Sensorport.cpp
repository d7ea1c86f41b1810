#include "Sensorport.h"

#include <QMetaObject>

Sensorport::Sensorport(Uhr& uhr, Oeffner oeffner) : m_uhr(uhr), m_oeffner(std::move(oeffner)) {}

Sensorport::~Sensorport() {
    schliessen();
}

bool Sensorport::oeffnen(const QString& geraet) {
    schliessen();
    m_geraet = m_oeffner(geraet);
    if (!m_geraet)
        return false;
    m_geraet->RTSEnable(m_rts);
    // The watcher's thread only posts; everything else happens on the GUI thread.
    const unsigned generation = m_generation;
    m_waechter = std::make_unique<Leitungswaechter>(
        m_geraet->leitungen(), m_uhr,
        Leitungswaechter::Meldungen{
            [this, generation](const Leitungsereignis& ereignis) {
                QMetaObject::invokeMethod(
                    &m_empfaenger,
                    [this, generation, ereignis] { weitergeben(generation, ereignis); },
                    Qt::QueuedConnection);
            },
            [this, generation](Stoerung stoerung) {
                QMetaObject::invokeMethod(
                    &m_empfaenger,
                    [this, generation, stoerung] { stoerungBehandeln(generation, stoerung); },
                    Qt::QueuedConnection);
            }});
    return true;
}

void Sensorport::schliessen() {
    ++m_generation;
    // The watcher ends before the descriptor it waits on is closed.
    m_waechter.reset();
    m_geraet.reset();
}

std::optional<Pegel> Sensorport::pegel() {
    Pegel pegel;
    // A reading does not block, so the GUI thread may take one beside the watcher.
    if (!m_geraet || m_geraet->leitungen().pegelLesen(pegel) != Antwort::Ok)
        return std::nullopt;
    return pegel;
}

void Sensorport::RTSEnable(bool an) {
    m_rts = an;
    if (m_geraet)
        m_geraet->RTSEnable(an);
}

void Sensorport::weitergeben(unsigned generation, const Leitungsereignis& ereignis) {
    if (generation == m_generation && m_behandlung)
        m_behandlung(ereignis);
}

void Sensorport::stoerungBehandeln(unsigned generation, Stoerung stoerung) {
    if (generation != m_generation)
        return;
    schliessen();
    stoerungMelden(stoerung);
}
