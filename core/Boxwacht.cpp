// The box watch: in box mode the race clock and every lap come from the box, so a box
// that says nothing must not go unnoticed.
#include "Rennen.h"

namespace {
// The box sends its clock ten times a second; a second without a byte is silence.
constexpr std::int64_t Stille = 1000; // ms
// In front, so it shows even where the panel cuts its text short.
const QString StummHinweis = QStringLiteral("Box stumm – ");
} // namespace

void Rennen::BoxGehoert() {
    m_boxGehoert = m_an.systemuhr.ticks();
}

void Rennen::Boxwacht_Timer() {
    m_folge.ausfuehren([this] { boxwacht(); });
}

void Rennen::boxwacht() {
    // A tick that waited behind a modal dialog may find the race over.
    if (!m_an.boxwacht.enabled())
        return;
    const std::int64_t jetzt = m_an.systemuhr.ticks();
    // Until its first time frame the library knows no box clock and says 0.
    const bool gehoert =
        m_boxGehoert && *m_boxGehoert >= m_boxScharf && m_an.box.Get_TStamp(0) != 0;
    if (gehoert) {
        // Laps by hand still count meanwhile, on the box clock the library runs on.
        boxStummZeigen(jetzt - *m_boxGehoert > Stille);
        return;
    }
    if (jetzt - m_boxScharf < Stille)
        return;
    // Without the box clock every lap by hand would be 0 s long and dropped.
    boxwachtBeenden();
    m_an.box.InitBoxes();
    anhalten(m_ampelVorStart);
    m_an.dialoge.hinweis(
        QStringLiteral("Die Zeitnahmebox sendet keine Zeit. Der Start wurde abgebrochen. Bitte "
                       "prüfen, ob die Box eingeschaltet und an der Schnittstelle angeschlossen "
                       "ist (") +
            fR.StatusBar1.Panels(QStringLiteral("port")).Text +
            QStringLiteral("), dann neu starten."),
        Anwendungstitel);
}

void Rennen::boxwachtBeenden() {
    m_an.boxwacht.setEnabled(false);
    boxStummZeigen(false);
}

void Rennen::boxStummZeigen(bool stumm) {
    if (stumm == m_boxStumm)
        return;
    m_boxStumm = stumm;
    QString& port = fR.StatusBar1.Panels(QStringLiteral("port")).Text;
    if (stumm)
        port.prepend(StummHinweis);
    else if (port.startsWith(StummHinweis))
        port.remove(0, StummHinweis.size());
}
