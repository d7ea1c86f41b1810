// The box watch: in box mode the race clock and every lap come from the box, so a box
// that says nothing must not go unnoticed.
#include "Portfeld.h"
#include "Rennen.h"
#include "Zahlenformat.h"

namespace {
// The box sends its clock ten times a second; a second without a byte is silence.
constexpr std::int64_t Stille = 1000; // ms
} // namespace

void Rennen::boxGehoert() {
    eingabeMelden(Eingabe::BoxGehoert{});
    m_stand.boxwacht.gehoert = m_an.systemuhr.ticks();
}

void Rennen::boxwachtTick() {
    eingabeMelden(Eingabe::BoxwachtTick{});
    m_folge.ausfuehren([this] {
        boxwacht();
        geaendert();
    });
}

void Rennen::boxwacht() {
    // A tick that waited behind a modal dialog may find the race over.
    if (!m_an.boxwacht.enabled())
        return;
    const Boxwachtstand& w = m_stand.boxwacht;
    const std::int64_t jetzt = m_an.systemuhr.ticks();
    // Until its first time frame the library knows no box clock and says 0.
    const bool gehoert = w.gehoert && *w.gehoert >= w.scharf && m_an.box.Get_TStamp(0) != 0;
    if (gehoert) {
        // Laps by hand still count meanwhile, on the box clock the library runs on.
        boxStilleMerken(jetzt - *w.gehoert > Stille);
        return;
    }
    if (jetzt - w.scharf < Stille)
        return;
    // Without the box clock every lap by hand would be 0 s long and dropped.
    boxwachtBeenden();
    m_an.box.InitBoxes();
    anhalten(m_stand.ampelVorStart);
    m_an.dialoge.hinweis(
        QStringLiteral("Die Zeitnahmebox sendet keine Zeit. Der Start wurde abgebrochen. Bitte "
                       "prüfen, ob die Box eingeschaltet und an der Schnittstelle angeschlossen "
                       "ist (") +
            portfeldtext(m_stand.anschluss) + QStringLiteral("), dann neu starten."),
        Anwendungstitel);
}

void Rennen::boxwachtBeenden() {
    m_an.boxwacht.setEnabled(false);
    boxStilleMerken(false);
}

void Rennen::boxStilleMerken(bool stumm) {
    Boxwachtstand& w = m_stand.boxwacht;
    if (stumm == w.stumm)
        return;
    w.stumm = stumm;
    m_stand.anschluss.boxVerstummt = stumm;
}

void Rennen::boxzeitsprung(int nummer, double abstand) {
    eingabeMelden(Eingabe::Boxzeitsprung{nummer, abstand});
    if (!std::exchange(m_stand.boxzeitsprungGemeldet, true))
        m_an.dialoge.hinweis(
            QStringLiteral(
                "Die Zeitnahmebox hat eine Durchfahrt auf Spur %1 gemeldet, deren Zeit %2 "
                "Sekunden neben der Uhr der Box liegt. Die Box oder ihre Leitung ist gestört; "
                "solche Durchfahrten werden in diesem Rennen nicht gezählt, das Rennen läuft "
                "weiter.")
                .arg(nummer)
                .arg(Zahlenformat::allgemein(abstand)),
            Anwendungstitel);
    geaendert();
}
