// The "Ansagen" window's logic: a box per kind of announcement, the voice's tempo and
// volume, and "Probe". Every change is stored at once and counts from the next
// announcement on; the window renders the settings as they are.
#pragma once

#include "Ansageeinstellungen.h"
#include "Ansagen.h"
#include "Einstellungsspeicher.h"

class AnsagenLogik {
public:
    using Schalter = bool Ansageeinstellungen::*;

    // `fahrer` is the name the sample lap is said with (lane 1's driver).
    AnsagenLogik(Ansageeinstellungen& einstellungen, Einstellungsspeicher& speicher,
                 Ansagen& ansagen, QString fahrer);

    const Ansageeinstellungen& einstellungen() const { return m_e; }
    // The kinds can be chosen only while announcements are on.
    bool artenWaehlbar() const { return m_e.an; }
    // After "Probe": why it was not heard, if it was not; else empty.
    const QString& probehinweis() const { return m_probehinweis; }

    void ankreuzen(Schalter schalter, bool an);
    void tempoSetzen(int woerterProMinute);
    void lautstaerkeSetzen(int prozent);
    void probeSprechen();

private:
    void speichern();

    Ansageeinstellungen& m_e;
    Einstellungsspeicher& m_speicher;
    Ansagen& m_ansagen;
    QString m_fahrer;
    QString m_probehinweis;
};
