#include "Korrektur.h"

#include "Zahlenformat.h"

#include <algorithm>

namespace {
QString sekunden(double wert) {
    return Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
}
} // namespace

Korrektur::Korrektur(const Rennaufzeichnung& gespeichert)
    : m_vorlage(gespeichert), m_rennen(gespeichert), m_verlauf(durchfahrten(gespeichert)),
      m_strafen(gespeichert.strafen) {}

Korrektur::~Korrektur() = default;

const Rennen& Korrektur::rennmodell() {
    if (!m_nachrechnung)
        m_nachrechnung = std::make_unique<Nachrechnung>(vorlageMit(m_strafen), m_verlauf);
    return m_nachrechnung->rennen();
}

Rennaufzeichnung Korrektur::vorlageMit(std::vector<Strafe> strafen) const {
    Rennaufzeichnung vorlage = m_vorlage;
    vorlage.strafen = std::move(strafen);
    return vorlage;
}

void Korrektur::spurWechseln(int schritt) {
    if (m_verlauf.empty())
        return;
    const int spuren = m_verlauf.front().anzahl();
    const int plaetze = static_cast<int>(m_verlauf.size()) * spuren;
    const int jetzt = static_cast<int>(m_lauf) * spuren + m_spur - 1;
    const int neu = std::clamp(jetzt + schritt, 0, plaetze - 1);
    m_lauf = static_cast<std::size_t>(neu / spuren);
    m_spur = neu % spuren + 1;
    rundeBegrenzen();
}

void Korrektur::rundeWechseln(int schritt) {
    m_runde = static_cast<std::size_t>(
        std::max<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(m_runde) + schritt));
    rundeBegrenzen();
}

void Korrektur::rundeBegrenzen() {
    if (m_verlauf.empty())
        return;
    m_runde = std::clamp<std::size_t>(m_runde, 1, std::max<std::size_t>(gewaehlteSpur().size(), 1));
}

std::optional<QString> Korrektur::anwenden(Rennverlauf neu, std::vector<Strafe> strafen) {
    auto nachrechnung = std::make_unique<Nachrechnung>(vorlageMit(strafen), neu);
    if (nachrechnung->ergebnis().laeufe.empty())
        return QStringLiteral("Ohne diese Durchfahrt bliebe keine Runde übrig.");
    m_vorher.push_back(
        {std::exchange(m_verlauf, std::move(neu)), std::exchange(m_strafen, std::move(strafen))});
    m_rennen = nachrechnung->ergebnis();
    m_nachrechnung = std::move(nachrechnung);
    rundeBegrenzen();
    return std::nullopt;
}

std::optional<QString> Korrektur::loeschen() {
    if (m_verlauf.empty() || gewaehlteSpur().empty())
        return QStringLiteral("Diese Spur hat keine Runde.");
    Rennverlauf neu = m_verlauf;
    durchfahrtLoeschen(neu[m_lauf][m_spur], m_runde);
    return anwenden(std::move(neu), m_strafen);
}

std::optional<QString> Korrektur::einfuegen(std::optional<double> sekunden) {
    if (m_verlauf.empty() || gewaehlteSpur().empty())
        return QStringLiteral("Diese Spur hat keine Runde.");
    Rennverlauf neu = m_verlauf;
    if (!durchfahrtEinfuegen(neu[m_lauf][m_spur], m_runde, sekunden))
        return QStringLiteral("Die Zeit liegt nicht innerhalb von ") + ortText() + QLatin1Char('.');
    return anwenden(std::move(neu), m_strafen);
}

std::optional<QString> Korrektur::strafeGeben(Strafart art, double wert, const QString& grund) {
    if (m_verlauf.empty())
        return QStringLiteral("Das Rennen hat keinen Lauf.");
    if (m_vorlage.spurFrei(m_spur))
        return QStringLiteral("Spur %1 war frei: Sie bekommt keine Strafe.").arg(m_spur);
    if (!strafwertZulaessig(art, wert))
        return art == Strafart::Runden
                   ? QStringLiteral("Ein Rundenabzug ist eine ganze Zahl von 1 bis %1 Runden.")
                         .arg(GroessteStrafrunden)
                   : QStringLiteral("Eine Zeitstrafe liegt zwischen %1 und %2 Sekunden.")
                         .arg(KuerzesteStrafzeit)
                         .arg(LaengsteStrafzeit);
    // Given after the race: at the heat's last crossing on the race clock.
    std::int64_t ende = 0;
    for (const Spurdurchfahrten& spur : m_verlauf[m_lauf])
        if (!spur.empty())
            ende = std::max(ende, spur.back().ms);
    std::vector<Strafe> strafen = m_strafen;
    strafen.push_back({int(m_lauf), m_spur, art, wert, double(ende) / 1000, grund});
    return anwenden(m_verlauf, std::move(strafen));
}

std::optional<QString> Korrektur::strafeZuruecknehmen() {
    std::vector<Strafe> strafen = m_strafen;
    const auto letzte = std::find_if(strafen.rbegin(), strafen.rend(), [&](const Strafe& s) {
        return s.lauf == int(m_lauf) && s.spur == m_spur;
    });
    if (letzte == strafen.rend())
        return QStringLiteral("Spur %1 hat in diesem Lauf keine Strafe.").arg(m_spur);
    strafen.erase(std::next(letzte).base());
    return anwenden(m_verlauf, std::move(strafen));
}

bool Korrektur::rueckgaengig() {
    if (m_vorher.empty())
        return false;
    Stand alt = std::move(m_vorher.back());
    m_vorher.pop_back();
    m_nachrechnung = std::make_unique<Nachrechnung>(vorlageMit(alt.strafen), alt.verlauf);
    m_verlauf = std::move(alt.verlauf);
    m_strafen = std::move(alt.strafen);
    m_rennen = m_vorher.empty() ? m_vorlage : m_nachrechnung->ergebnis();
    rundeBegrenzen();
    return true;
}

QString Korrektur::ortText() const {
    const bool zweiLaeufe = m_verlauf.size() > 1;
    return QStringLiteral("Runde %1, ").arg(m_runde) +
           (zweiLaeufe ? QStringLiteral("Lauf %1, Spur %2").arg(m_lauf + 1).arg(m_spur)
                       : QStringLiteral("Spur %1").arg(m_spur));
}

QString Korrektur::spurText() const {
    const QString spur = m_verlauf.size() > 1
                             ? QStringLiteral("Lauf %1, Spur %2").arg(m_lauf + 1).arg(m_spur)
                             : QStringLiteral("Spur %1").arg(m_spur);
    if (m_lauf >= m_rennen.laeufe.size())
        return spur;
    return spur + QStringLiteral(" (") + m_rennen.laeufe[m_lauf][m_spur].fahrer +
           QLatin1Char(')');
}

QStringList Korrektur::zeilen() const {
    if (m_verlauf.empty())
        return {};
    const Spurdurchfahrten& spur = m_verlauf[m_lauf][m_spur];
    QString kopf = QStringLiteral("Korrektur – ") + ortText();
    if (m_lauf < m_rennen.laeufe.size())
        kopf += QStringLiteral(" (") + m_rennen.laeufe[m_lauf][m_spur].fahrer +
                QStringLiteral(", %1 Durchfahrten)").arg(spur.size());
    QStringList zeilen{kopf};
    // A few laps either side of the cursor, each with the crossing that ends it.
    constexpr std::size_t Umfeld = 3;
    const std::size_t von = m_runde > Umfeld ? m_runde - Umfeld : 1;
    const std::size_t bis = std::min(spur.size(), m_runde + Umfeld);
    const std::size_t gezaehlt =
        m_lauf < m_rennen.laeufe.size() ? m_rennen.laeufe[m_lauf][m_spur].runden.size() : 0;
    for (std::size_t runde = von; runde <= bis; ++runde) {
        const std::int64_t beginn = runde == 1 ? 0 : spur[runde - 2].ms;
        const Durchfahrt& d = spur[runde - 1];
        zeilen << (runde == m_runde ? QStringLiteral("▶ ") : QStringLiteral("    ")) +
                      QStringLiteral("Runde %1: ").arg(runde) +
                      sekunden(double(d.ms - beginn) / 1000) + QStringLiteral(", Durchfahrt bei ") +
                      sekunden(double(d.ms) / 1000) +
                      (d.vonHand ? QStringLiteral(" (von Hand)") : QString()) +
                      (runde > gezaehlt ? QStringLiteral(" – nach dem Ziel, zählt nicht")
                                        : QString());
    }
    zeilen << QStringLiteral("Die Hall of Fame ändert eine Korrektur nicht: hof.ini kennt kein "
                             "einzelnes Rennen.");
    return zeilen;
}
