// What the race puts out besides its facts: the start light's changes, sound files and
// beeps.
#include "Rennen.h"

void Rennen::ampelSchalten(Ampel ampel) {
    const bool neu = ampel != m_stand.ampel;
    m_stand.ampel = ampel;
    if (neu)
        melden([&](Rennbeobachter& b) { b.ampelGesetzt(*this, ampel); });
}

void Rennen::klangSpielen(Klang klang) {
    if (!m_stand.einstellungen.mitSound) {
        piepen();
        return;
    }
    switch (klang) {
    case Klang::Start: m_an.klang.abspielen(QStringLiteral("start.wav")); break;
    case Klang::Gewinner: m_an.klang.abspielen(QStringLiteral("winner.wav")); break;
    case Klang::Verlierer: m_an.klang.abspielen(QStringLiteral("looser.wav")); break;
    case Klang::Crash: m_an.klang.abspielen(QStringLiteral("crash.wav")); break;
    }
}

void Rennen::piepen() {
    m_an.klang.piepen(500, 100);
}
