#include "Saisonseite.h"

#include "Verlaufsmeldungen.h"

namespace {
struct Saisonstand {
    std::vector<Saisonwertung> saisons;
    QString fehler;
};
} // namespace

Saisonseite::Saisonseite(Verlaufsanfragen& anfragen, Dialoge& dialoge, Quelle quelle)
    : m_anfragen(anfragen), m_dialoge(dialoge), m_quelle(std::move(quelle)) {}

void Saisonseite::laden(std::function<void()> gelesen) {
    m_anfragen.fragen<Saisonstand>(
        [quelle = m_quelle](Verlaufsdatenbank& db) {
            Saisonstand s;
            s.saisons = quelle(db, s.fehler);
            return s;
        },
        [this, gelesen = std::move(gelesen)](Saisonstand& s) {
            if (!s.fehler.isEmpty()) {
                m_dialoge.meldung(QStringLiteral("Die Rennabende lassen sich nicht lesen: ") +
                                      s.fehler,
                                  Verlaufstitel);
                return;
            }
            if (s.saisons.empty()) {
                m_dialoge.meldung(QStringLiteral("Noch kein Rennabend hat eine Saison. Die "
                                                 "Saison gibt man einem neuen Abend im Fenster "
                                                 "\"Rennabend\" (Umschalt+N)."),
                                  Verlaufstitel);
                return;
            }
            m_saisons = std::move(s.saisons);
            m_saison = 0;
            gelesen();
        },
        true);
}

void Saisonseite::wechseln(int schritt) {
    const auto n = static_cast<qsizetype>(m_saisons.size());
    if (n > 0)
        m_saison =
            static_cast<std::size_t>(((static_cast<qsizetype>(m_saison) + schritt) % n + n) % n);
}

QString Saisonseite::abendeText() const {
    const int abende = m_saisons[m_saison].abende;
    return abende == 1 ? QStringLiteral("1 Rennabend")
                       : QStringLiteral("%1 Rennabende").arg(abende);
}

QString Saisonseite::ueberschrift() const {
    return QStringLiteral("Saison %1 (%2 von %3)")
        .arg(m_saisons[m_saison].name)
        .arg(m_saison + 1)
        .arg(m_saisons.size());
}

void Saisonseite::darstellen(VerlaufAnsicht& a) const {
    const Saisonwertung& s = m_saisons[m_saison];
    a.ueberschrift = ueberschrift();
    a.angaben = {abendeText()};
    a.tabellenkopf = s.kopf;
    a.tabelle = s.zeilen;
    a.diagramm = {};
}

Tabelle Saisonseite::tabelle() const {
    const Saisonwertung& s = m_saisons[m_saison];
    return {ueberschrift(), QStringLiteral("Saison ") + s.name, abendeText(), s.kopf, s.zeilen};
}
