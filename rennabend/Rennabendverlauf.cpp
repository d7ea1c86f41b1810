#include "Rennabendverlauf.h"

#include "Abendbahn.h"

#include <memory>
#include <set>

Fortsetzung fortsetzung(std::vector<GespeicherterRennabend> abende) {
    Fortsetzung f;
    if (!abende.empty() && !abende.back().abend.beendet && !abende.back().beschaedigt)
        f.angeboten = std::move(abende.back().abend);
    for (GespeicherterRennabend& g : abende)
        if (g.beschaedigt && !g.abend.beendet)
            f.beschaedigt.push_back(std::move(g));
    return f;
}

QString beschaedigungsmeldung(const GespeicherterRennabend& g) {
    const QString welcher = g.abend.beginn.isValid()
                                ? QStringLiteral("Der Rennabend vom ") +
                                      g.abend.beginn.toString(QStringLiteral("dd.MM.yyyy"))
                                : QStringLiteral("Ein Rennabend");
    return welcher + QStringLiteral(" ist beschädigt und wird nicht fortgesetzt: ") +
           g.beschaedigt.value_or(QString()) + QStringLiteral(" Seine Rennen bleiben im Verlauf.");
}

QString fortsetzungsfrage(const Rennabend& abend) {
    std::set<int> gefahren;
    for (const Abendrennen& r : abend.rennen)
        gefahren.insert(r.nummer);
    const bool begegnungen = abend.regeln.format == Rennabendformat::JederGegenJeden;
    return QStringLiteral("Der Rennabend vom %1 ist noch nicht zu Ende (%2 von %3 %4 gefahren). "
                          "Weiterfahren?")
        .arg(abend.beginn.toString(QStringLiteral("dd.MM.yyyy")))
        .arg(gefahren.size())
        .arg(abend.plan.size())
        .arg(begegnungen ? QStringLiteral("Begegnungen") : QStringLiteral("Läufen"));
}

QString fremderAbend(const Rennabend& abend, const QString& halter) {
    return QStringLiteral("Der Rennabend vom %1 läuft schon in einem anderen Rundomat auf diesem "
                          "Datenordner (%2). Hier geht es ohne Rennabend weiter.")
        .arg(abend.beginn.toString(QStringLiteral("dd.MM.yyyy")), halter);
}

Rennabendverlauf::Rennabendverlauf(Rennabendleiter& leiter, Verlaufsschreiber& schreiber,
                                   Verlaufsleser& leser, Dialoge& dialoge, Rennabendsperre& sperre)
    : m_leiter(leiter), m_schreiber(schreiber), m_leser(leser), m_dialoge(dialoge),
      m_sperre(sperre) {
    m_leiter.beiAenderung([this] {
        const Rennabend& abend = m_leiter.abend();
        m_sperre.halten(abend.beendet ? QString() : abend.schluessel);
        ablegen(abend);
    });
}

void Rennabendverlauf::ablegen(const Rennabend& abend) {
    m_schreiber.zustandAblegen(abend.schluessel, [abend](Verlaufsdatenbank& datenbank) {
        return rennabendSpeichern(datenbank, abend);
    });
}

void Rennabendverlauf::anbieten() {
    if (std::exchange(m_angeboten, true))
        return;
    auto gelesen = std::make_shared<Fortsetzung>();
    // The waiting races are taken before the database is read: one stored meanwhile is then
    // read from the database.
    m_leser.auftrag(
        [gelesen, wartende = m_schreiber.wartende()](Verlaufsdatenbank& datenbank) {
            if (!datenbank.verbinden(true))
                return;
            QString fehler;
            *gelesen = fortsetzung(rennabendeLesen(datenbank, wartende, fehler));
        },
        [this, gelesen] {
            for (const GespeicherterRennabend& g : gelesen->beschaedigt) {
                m_schreiber.zustandAblegen(g.abend.schluessel,
                                           [zeile = g.zeile](Verlaufsdatenbank& datenbank) {
                                               return rennabendBeenden(datenbank, zeile);
                                           });
                m_dialoge.meldung(beschaedigungsmeldung(g), QStringLiteral("Rennabend"));
            }
            if (!gelesen->angeboten || m_leiter.aktiv())
                return;
            Rennabend& abend = *gelesen->angeboten;
            if (const std::optional<QString> grund =
                    abendOhneBahn(m_leiter.spurenzahl(), abend.spurenzahl())) {
                m_dialoge.meldung(*grund, QStringLiteral("Rennabend"));
                return;
            }
            if (const std::optional<QString> halter = m_sperre.halten(abend.schluessel)) {
                m_dialoge.meldung(fremderAbend(abend, *halter), QStringLiteral("Rennabend"));
                return;
            }
            if (m_dialoge.frage(fortsetzungsfrage(abend), QStringLiteral("Rennabend"))) {
                m_leiter.fortsetzen(std::move(abend));
                return;
            }
            m_sperre.halten({});
            abend.beendet = true;
            ablegen(abend);
        });
}
