#include "Rennliste.h"

#include "Verlaufsabfragen.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsseiten.h"

#include <QFileInfo>
#include <QSet>

namespace {
const QString NeuereVersion = QStringLiteral("Die Renndatenbank stammt aus einer neueren Version "
                                             "von Rundomat");

// What a read of the list found.
struct Listenstand {
    bool datei = false; // there is a database file
    bool offen = false;
    bool beschreibbar = false;
    QString fehler;
    std::vector<Rennaufzeichnung> wartende;
    std::vector<Rennzeile> zeilen; // the waiting races, then the stored ones
};

// The list's rows, newest first: the waiting races under numbers below zero, then the stored
// ones. A waiting race that the writer stored while the list was read is listed once.
std::vector<Rennzeile> zeilenBauen(std::vector<Rennaufzeichnung>& wartende,
                                   const std::vector<Rennkopf>& gespeichert) {
    if (!wartende.empty()) {
        QSet<QString> schonDa;
        for (const Rennkopf& k : gespeichert)
            schonDa.insert(rennkennung(k.beginn, k.art, k.rundenzahl, k.fahrer[1], k.fahrer[2]));
        std::erase_if(wartende,
                      [&](const Rennaufzeichnung& r) { return schonDa.contains(rennkennung(r)); });
    }
    std::vector<Rennzeile> zeilen;
    zeilen.reserve(wartende.size() + gespeichert.size());
    for (std::size_t i = wartende.size(); i-- > 0;)
        zeilen.push_back(wartendeZeile(-qint64(i) - 1, wartende[i]));
    for (const Rennkopf& k : gespeichert)
        zeilen.push_back(rennzeile(k));
    return zeilen;
}
} // namespace

Rennliste::Rennliste(Verlaufsanfragen& anfragen, Wartende wartende)
    : m_anfragen(anfragen), m_wartendeQuelle(std::move(wartende)),
      m_leertext(QStringLiteral("Der Rennverlauf wird gelesen …")) {
    if (m_wartendeQuelle)
        m_wartende = m_wartendeQuelle();
    m_alle = zeilenBauen(m_wartende, {});
    filterSetzen({});
}

void Rennliste::laden() {
    m_anfragen.fragen<Listenstand>(
        [quelle = m_wartendeQuelle](Verlaufsdatenbank& db) {
            Listenstand s;
            // Before the stored ones: a race stored meanwhile is then in both lists rather
            // than in neither.
            if (quelle)
                s.wartende = quelle();
            s.datei = QFileInfo::exists(db.pfad());
            if (s.datei) {
                s.offen = db.verbinden(false);
                s.beschreibbar = db.beschreibbar();
                s.fehler = db.fehler();
            }
            std::vector<Rennkopf> gespeichert;
            if (s.offen) {
                Verlaufsabfragen abfragen(db);
                gespeichert = abfragen.rennliste();
                s.fehler = abfragen.fehler();
            }
            s.zeilen = zeilenBauen(s.wartende, gespeichert);
            return s;
        },
        [this](Listenstand& s) {
            m_beschreibbar = s.beschreibbar;
            m_nurLesen = s.offen && !s.beschreibbar;
            const bool unlesbar = s.datei && !s.fehler.isEmpty();
            if (m_nurLesen)
                m_datenbankhinweis =
                    NeuereVersion + QStringLiteral(": nur ansehen und exportieren.");
            else if (unlesbar)
                m_datenbankhinweis =
                    QStringLiteral("Die Renndatenbank lässt sich nicht lesen: ") + s.fehler;
            else
                m_datenbankhinweis.clear();
            // A read error says itself above the list.
            m_leertext = unlesbar ? QString() : QStringLiteral("Noch keine Rennen gespeichert.");
            m_wartende = std::move(s.wartende);
            m_alle = std::move(s.zeilen);
            filterSetzen(m_filter);
        });
}

void Rennliste::filterSetzen(const QString& text) {
    m_filter = text;
    const QString gesucht = text.trimmed();
    m_zeilen.clear();
    for (const Rennzeile& z : m_alle)
        if (std::any_of(z.namen.begin(), z.namen.end(), [&](const QString& name) {
                return name.contains(gesucht, Qt::CaseInsensitive);
            }))
            m_zeilen.push_back(z);
    const int anzahl = static_cast<int>(m_zeilen.size());
    m_auswahl = anzahl == 0 ? -1 : std::clamp(m_auswahl, 0, anzahl - 1);
}

void Rennliste::auswahlSetzen(int zeile) {
    if (zeile >= 0 && zeile < static_cast<int>(m_zeilen.size()))
        m_auswahl = zeile;
}

const Rennzeile* Rennliste::gewaehlt() const {
    if (m_auswahl < 0 || m_auswahl >= static_cast<int>(m_zeilen.size()))
        return nullptr;
    return &m_zeilen[static_cast<std::size_t>(m_auswahl)];
}

const Rennzeile* Rennliste::zeile(qint64 nummer) const {
    const auto z = std::find_if(m_alle.begin(), m_alle.end(),
                                [&](const Rennzeile& r) { return r.nummer == nummer; });
    return z == m_alle.end() ? nullptr : &*z;
}

const Rennaufzeichnung* Rennliste::wartendes(qint64 nummer) const {
    const auto index = static_cast<std::size_t>(-nummer - 1);
    return nummer < 0 && index < m_wartende.size() ? &m_wartende[index] : nullptr;
}

bool Rennliste::aenderbar(Dialoge& dialoge, bool wartet, const QString& was) const {
    if (wartet) {
        dialoge.meldung(QStringLiteral("Das Rennen wartet noch darauf, in der Renndatenbank "
                                       "gespeichert zu werden, und lässt sich erst danach ") +
                            was + QLatin1Char('.'),
                        Verlaufstitel);
        return false;
    }
    if (!m_beschreibbar && m_nurLesen)
        dialoge.meldung(NeuereVersion + QStringLiteral(" und wird nicht verändert."),
                        Verlaufstitel);
    return m_beschreibbar;
}

QStringList Rennliste::hinweise() const {
    QStringList zeilen;
    if (!m_datenbankhinweis.isEmpty())
        zeilen << m_datenbankhinweis;
    if (m_wartende.size() == 1)
        zeilen << QStringLiteral("1 Rennen wartet noch darauf, in der Renndatenbank gespeichert "
                                 "zu werden.");
    else if (m_wartende.size() > 1)
        zeilen << QStringLiteral("%1 Rennen warten noch darauf, in der Renndatenbank gespeichert "
                                 "zu werden.")
                      .arg(m_wartende.size());
    return zeilen;
}

void Rennliste::darstellen(VerlaufAnsicht& a) const {
    a.filter = m_filter;
    a.zeilen = m_zeilen;
    a.auswahl = m_auswahl;
    a.leertext = !m_alle.empty() && m_zeilen.empty()
                     ? QStringLiteral("Kein Rennen mit einem Fahrer „") + m_filter.trimmed() +
                           QStringLiteral("“.")
                     : m_leertext;
}
