#include "AnsagenLogik.h"

#include <algorithm>

AnsagenLogik::AnsagenLogik(Ansageeinstellungen& einstellungen, Einstellungsspeicher& speicher,
                           Ansagen& ansagen, QString fahrer)
    : m_e(einstellungen), m_speicher(speicher), m_ansagen(ansagen), m_fahrer(std::move(fahrer)) {}

void AnsagenLogik::ankreuzen(Schalter schalter, bool an) {
    m_e.*schalter = an;
    speichern();
}

void AnsagenLogik::tempoSetzen(int woerterProMinute) {
    m_e.tempo =
        std::clamp(woerterProMinute, Ansageeinstellungen::TempoMin, Ansageeinstellungen::TempoMax);
    speichern();
}

void AnsagenLogik::lautstaerkeSetzen(int prozent) {
    m_e.lautstaerke = std::clamp(prozent, 0, 100);
    speichern();
}

void AnsagenLogik::probeSprechen() {
    m_ansagen.probe(m_fahrer);
    m_probehinweis = m_ansagen.warumStumm();
}

void AnsagenLogik::speichern() {
    Einstellungswerte werte(m_speicher);
    m_e.speichern(werte);
}
