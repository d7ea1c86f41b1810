#include "Saisonseite.h"

#include "Saisonspeicher.h"
#include "Verlaufsmeldungen.h"

#include <algorithm>

namespace {
struct Saisonstand {
    std::vector<Saisonwertung> saisons;
    QString fehler;
};

QString klassentitel(const Saisonklasse& k) {
    return QStringLiteral("Klasse ") + k.name;
}
} // namespace

Saisonseite::Saisonseite(Verlaufsanfragen& anfragen, Dialoge& dialoge, Quelle quelle)
    : m_anfragen(anfragen), m_dialoge(dialoge), m_quelle(std::move(quelle)) {}

void Saisonseite::laden(std::function<void()> gelesen, bool behalten) {
    const QString gezeigt =
        behalten && m_saison < m_saisons.size() ? m_saisons[m_saison].name : QString();
    m_anfragen.fragen<Saisonstand>(
        [quelle = m_quelle](Verlaufsdatenbank& db) {
            Saisonstand s;
            s.saisons = quelle(db, s.fehler);
            return s;
        },
        [this, gelesen = std::move(gelesen), gezeigt](Saisonstand& s) {
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
            const auto wieder =
                std::find_if(m_saisons.begin(), m_saisons.end(),
                             [&](const Saisonwertung& w) { return w.name == gezeigt; });
            m_saison = wieder == m_saisons.end()
                           ? 0
                           : static_cast<std::size_t>(wieder - m_saisons.begin());
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

void Saisonseite::streichresultateFragen(std::function<void()> gespeichert) {
    if (m_saison >= m_saisons.size())
        return;
    const Saisonwertung& s = m_saisons[m_saison];
    const QString text = m_dialoge.eingabe(
        QStringLiteral("Wie viele seiner schlechtesten Abende streicht jeder Fahrer in der "
                       "Saison %1? (0 bis %2)")
            .arg(s.name)
            .arg(MeisteStreichresultate),
        Verlaufstitel, QString::number(s.streichresultate));
    if (text.isEmpty())
        return;
    QString fehler;
    const std::optional<int> anzahl = streichresultateAusText(text, fehler);
    if (!anzahl) {
        m_dialoge.meldung(fehler, Verlaufstitel);
        return;
    }
    m_anfragen.fragen<std::optional<Datenbankfehler>>(
        [saison = s.name, anzahl = *anzahl](Verlaufsdatenbank& db) {
            return streichresultateSpeichern(db, saison, anzahl);
        },
        [this, gespeichert = std::move(gespeichert)](std::optional<Datenbankfehler>& fehler) {
            if (fehler) {
                m_dialoge.meldung(
                    QStringLiteral("Die Streichresultate lassen sich nicht speichern: ") +
                        fehler->text,
                    Verlaufstitel);
                return;
            }
            gespeichert();
        });
}

QString Saisonseite::streichText() const {
    const Saisonwertung& s = m_saisons[m_saison];
    if (s.streichresultate == 0)
        return {};
    const int zaehlen = std::max(s.abende - s.streichresultate, 1);
    return (s.streichresultate == 1
                ? QStringLiteral("1 Streichresultat")
                : QStringLiteral("%1 Streichresultate").arg(s.streichresultate)) +
           QStringLiteral(": In der Wertung zählen je Fahrer die besten %1 Abende, die "
                          "gestrichenen stehen in Klammern.")
               .arg(zaehlen);
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
    if (const QString streichung = streichText(); !streichung.isEmpty())
        a.angaben << streichung;
    a.tabellenkopf = s.kopf;
    a.tabelle = s.zeilen;
    for (const Saisonklasse& k : s.klassen) {
        a.tabellentitel.push_back(a.tabelle.size());
        a.tabelle.push_back({klassentitel(k)});
        a.tabelle.insert(a.tabelle.end(), k.zeilen.begin(), k.zeilen.end());
    }
    a.diagramm = {};
}

Tabelle Saisonseite::tabelle() const {
    const Saisonwertung& s = m_saisons[m_saison];
    QString unterzeile = abendeText();
    if (const QString streichung = streichText(); !streichung.isEmpty())
        unterzeile += QStringLiteral(". ") + streichung;
    Tabelle t{ueberschrift(), QStringLiteral("Saison ") + s.name, unterzeile, s.kopf, s.zeilen, {}};
    for (const Saisonklasse& k : s.klassen)
        t.teile.push_back({klassentitel(k), k.zeilen});
    return t;
}
