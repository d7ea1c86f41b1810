// What the race puts out besides the window texts: the traffic light with its RTS line,
// sound files and beeps.
#include "Rennen.h"

#include <optional>

namespace {
std::optional<QString> klangdatei(const QString& ereignis) {
    if (ereignis == QStringLiteral("start"))
        return QStringLiteral("start.wav");
    if (ereignis == QStringLiteral("gewinner"))
        return QStringLiteral("winner.wav");
    if (ereignis == QStringLiteral("verlierer"))
        return QStringLiteral("looser.wav");
    if (ereignis == QStringLiteral("crash"))
        return QStringLiteral("crash.wav");
    return std::nullopt;
}
} // namespace

void Rennen::AmpelSetzen(int zustand) {
    const std::optional<Reihe<Lampe, 5>> lampen = ampelLampen(zustand);
    if (!lampen)
        return;
    m_ampel = zustand;
    const Lampensatz satz = Ampelbilder ? Lampensatz::Ampel : Lampensatz::Kreis;
    // Every state lights its own lamps, so listeners hear of a state only when it changes.
    bool geaendert = false;
    for (int lampe = 1; lampe <= 5; ++lampe) {
        geaendert = geaendert || fR.ImAmpel[lampe].lampe != (*lampen)[lampe];
        fR.ImAmpel[lampe] = {satz, (*lampen)[lampe]};
    }
    // The RTS output is off exactly while the race runs (green light).
    m_an.MSComm1.RTSEnable(zustand != 6);
    if (geaendert)
        melden([&](Rennbeobachter& b) { b.ampelGesetzt(*this, zustand); });
}

void Rennen::SoundAbspielen(const QString& ereignis) {
    if (!MitSound) {
        Piepton();
        return;
    }
    if (const std::optional<QString> datei = klangdatei(ereignis.toLower()))
        m_an.klang.abspielen(*datei);
}

void Rennen::Piepton() {
    m_an.klang.piepen(500, 100);
}
