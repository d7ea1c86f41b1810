#include "VerlaufLogik.h"

#include "Verlaufsexport.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsseiten.h"
#include "Verlaufsspeicher.h"
#include "Zahlenformat.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using Seite = VerlaufAnsicht::Seite;

namespace {
const QString Auswahltasten = QStringLiteral("Strg+1 / Strg+2: Fahrer");
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

VerlaufLogik::VerlaufLogik(Verlaufsleser& leser, Dialoge& dialoge, QString exportordner,
                           Wartende wartende, Ergebnisdatei ergebnisdatei, Saisonquelle saisons)
    : m_leser(leser), m_dialoge(dialoge), m_exportordner(std::move(exportordner)),
      m_wartendeQuelle(std::move(wartende)), m_ergebnisdatei(std::move(ergebnisdatei)),
      m_saisonquelle(std::move(saisons)) {
    // What is at hand at once: the races still waiting; the stored ones follow.
    if (m_wartendeQuelle)
        m_wartende = m_wartendeQuelle();
    m_alle = zeilenBauen(m_wartende, {});
    m_ansicht.leertext = QStringLiteral("Der Rennverlauf wird gelesen …");
    hinweisSetzen();
    filterSetzen({});
    listeZeigen();
    listeLaden();
}

VerlaufLogik::~VerlaufLogik() = default;

template <typename T>
void VerlaufLogik::fragen(std::function<T(Verlaufsdatenbank&)> arbeit,
                          std::function<void(T&)> antwort, bool seite) {
    auto ergebnis = std::make_shared<T>();
    const int wechsel = seite ? ++m_seitenwechsel : 0;
    m_leser.auftrag(
        [arbeit = std::move(arbeit), ergebnis](Verlaufsdatenbank& db) { *ergebnis = arbeit(db); },
        [this, lebt = std::weak_ptr<bool>(m_lebt), ergebnis, antwort = std::move(antwort), seite,
         wechsel] {
            if (lebt.expired() || (seite && wechsel != m_seitenwechsel))
                return;
            antwort(*ergebnis);
            geaendert();
        });
}

void VerlaufLogik::geaendert() {
    if (m_beiAenderung)
        m_beiAenderung();
}

void VerlaufLogik::listeLaden() {
    fragen<Listenstand>(
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
            if (m_nurLesen)
                m_datenbankhinweis =
                    NeuereVersion + QStringLiteral(": nur ansehen und exportieren.");
            else if (s.datei && !s.fehler.isEmpty())
                m_datenbankhinweis =
                    QStringLiteral("Die Renndatenbank lässt sich nicht lesen: ") + s.fehler;
            else
                m_datenbankhinweis.clear();
            m_wartende = std::move(s.wartende);
            m_alle = std::move(s.zeilen);
            m_ansicht.leertext = s.datei && !s.fehler.isEmpty()
                                     ? QString()
                                     : QStringLiteral("Noch keine Rennen gespeichert.");
            hinweisSetzen();
            filterSetzen(m_ansicht.filter);
        });
}

void VerlaufLogik::hinweisSetzen() {
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
    if (!m_exporthinweis.isEmpty())
        zeilen << m_exporthinweis;
    m_ansicht.hinweis = zeilen.join(QLatin1Char('\n'));
}

void VerlaufLogik::filterSetzen(const QString& text) {
    m_ansicht.filter = text;
    const QString gesucht = text.trimmed();
    m_ansicht.zeilen.clear();
    for (const Rennzeile& z : m_alle)
        if (z.namen[1].contains(gesucht, Qt::CaseInsensitive) ||
            z.namen[2].contains(gesucht, Qt::CaseInsensitive))
            m_ansicht.zeilen.push_back(z);
    const int anzahl = static_cast<int>(m_ansicht.zeilen.size());
    m_ansicht.auswahl = anzahl == 0 ? -1 : std::clamp(m_ansicht.auswahl, 0, anzahl - 1);
    if (!m_alle.empty() && anzahl == 0)
        m_ansicht.leertext =
            QStringLiteral("Kein Rennen mit einem Fahrer „") + gesucht + QStringLiteral("“.");
}

void VerlaufLogik::auswahlSetzen(int zeile) {
    if (zeile >= 0 && zeile < static_cast<int>(m_ansicht.zeilen.size()))
        m_ansicht.auswahl = zeile;
}

const Rennzeile* VerlaufLogik::gewaehlt() const {
    if (m_ansicht.auswahl < 0 || m_ansicht.auswahl >= static_cast<int>(m_ansicht.zeilen.size()))
        return nullptr;
    return &m_ansicht.zeilen[static_cast<std::size_t>(m_ansicht.auswahl)];
}

void VerlaufLogik::oeffnen() {
    if (m_ansicht.seite == Seite::Rennen && m_neuBewertung)
        neuBewertungUebernehmen();
    if (m_ansicht.seite == Seite::Liste)
        if (const Rennzeile* z = gewaehlt())
            rennenZeigen(z->nummer);
}

void VerlaufLogik::fahrerOeffnen(int spur) {
    if (m_ansicht.seite == Seite::Rennen) {
        fahrerZeigen(m_rennfahrer[spur]);
    } else if (m_ansicht.seite == Seite::Liste) {
        if (const Rennzeile* z = gewaehlt())
            fahrerZeigen(z->namen[spur]);
    }
}

bool VerlaufLogik::zurueck() {
    // A page asked for and not yet shown is not shown any more.
    ++m_seitenwechsel;
    switch (m_ansicht.seite) {
    case Seite::Liste:
        // A filter goes first, then the window.
        if (m_ansicht.filter.isEmpty())
            return false;
        filterSetzen(QString());
        break;
    case Seite::Rennen:
        if (m_neuBewertung) {
            m_neuBewertung.reset();
            rennseiteZeigen(m_rennen, *m_gezeigt);
        } else if (m_korrektur) {
            m_korrektur.reset();
            rennseiteZeigen(m_rennen, *m_gezeigt);
        } else {
            listeZeigen();
        }
        break;
    case Seite::Saison: listeZeigen(); break;
    case Seite::Fahrer:
        if (m_vorFahrer == Seite::Rennen && m_gezeigt)
            rennseiteZeigen(m_rennen, *m_gezeigt);
        else
            listeZeigen();
        break;
    }
    return true;
}

void VerlaufLogik::listeZeigen() {
    m_ansicht.seite = Seite::Liste;
    m_ansicht.ueberschrift.clear();
    m_ansicht.angaben.clear();
    m_ansicht.tabellenkopf.clear();
    m_ansicht.tabelle.clear();
    m_ansicht.diagramm = {};
    m_rennen.reset();
    m_gezeigt.reset();
    m_korrektur.reset();
    m_ansicht.korrektur = false;
    tastenSetzen();
}

void VerlaufLogik::rennenZeigen(qint64 nummer, bool korrigieren) {
    if (nummer < 0) {
        const auto index = static_cast<std::size_t>(-nummer - 1);
        if (index < m_wartende.size())
            rennseiteZeigen(std::nullopt, m_wartende[index]);
        return;
    }
    using Antwort = std::pair<std::optional<Rennaufzeichnung>, QString>;
    fragen<Antwort>(
        [nummer](Verlaufsdatenbank& db) {
            Verlaufsabfragen abfragen(db);
            std::optional<Rennaufzeichnung> r = abfragen.rennen(nummer);
            return Antwort{std::move(r), abfragen.fehler()};
        },
        [this, nummer, korrigieren](Antwort& a) {
            if (a.first && korrigieren) {
                m_korrektur = std::make_unique<Korrektur>(*a.first);
                korrekturZeigen();
            } else if (a.first) {
                rennseiteZeigen(nummer, *a.first);
            } else
                m_dialoge.meldung(QStringLiteral("Das Rennen lässt sich nicht lesen: ") +
                                      (a.second.isEmpty()
                                           ? QStringLiteral("Es ist nicht mehr gespeichert.")
                                           : a.second),
                                  Verlaufstitel);
        },
        true);
}

void VerlaufLogik::rennseiteZeigen(std::optional<qint64> nummer, const Rennaufzeichnung& r) {
    m_rennen = nummer;
    m_gezeigt = r;
    m_ansicht.seite = Seite::Rennen;
    rennseiteFuellen(m_ansicht, nummer, r);
    m_ansicht.korrektur = m_korrektur != nullptr;
    if (m_korrektur)
        m_ansicht.angaben << m_korrektur->zeilen();
    m_neuBewertung.reset();
    for (int spur = 1; spur <= 2; ++spur)
        m_rennfahrer[spur] = r.laeufe.empty() ? QString() : r.laeufe[0][spur].fahrer;
    tastenSetzen();
}

void VerlaufLogik::fahrerZeigen(const QString& name) {
    using Antwort = std::pair<Fahrerbilanz, QString>;
    fragen<Antwort>(
        [name](Verlaufsdatenbank& db) {
            Verlaufsabfragen abfragen(db);
            Fahrerbilanz b = abfragen.fahrer(name);
            return Antwort{std::move(b), abfragen.fehler()};
        },
        [this, name](Antwort& a) {
            if (!a.second.isEmpty()) {
                m_dialoge.meldung(QStringLiteral("Die Rennen von ") + name +
                                      QStringLiteral(" lassen sich nicht lesen: ") + a.second,
                                  Verlaufstitel);
                return;
            }
            if (m_ansicht.seite != Seite::Fahrer)
                m_vorFahrer = m_ansicht.seite;
            m_fahrer = name;
            m_korrektur.reset();
            m_ansicht.korrektur = false;
            m_ansicht.seite = Seite::Fahrer;
            fahrerseiteFuellen(m_ansicht, a.first);
            tastenSetzen();
        },
        true);
}

void VerlaufLogik::tastenSetzen() {
    switch (m_ansicht.seite) {
    case Seite::Liste:
        m_ansicht.tasten =
            QStringLiteral("Tippen: nach Fahrer filtern   ↑↓: wählen   Enter: "
                           "Rennen öffnen   ") +
            Auswahltasten + QStringLiteral("   Entf: löschen   Strg+E: alle exportieren") +
            (m_saisonquelle ? QStringLiteral("   Strg+S: Saisonwertung") : QString()) +
            QStringLiteral("   Esc: schließen");
        break;
    case Seite::Rennen:
        if (m_neuBewertung) {
            m_ansicht.tasten = QStringLiteral("Enter: als Korrektur übernehmen   Esc: verwerfen");
            break;
        }
        if (m_korrektur) {
            m_ansicht.tasten = QStringLiteral(
                "←→: Spur   ↑↓: Runde   Entf: Durchfahrt löschen   Einfg: Durchfahrt einfügen "
                "  Strg+Einfg: Durchfahrt bei einer Zeit einfügen   Strg+Z: rückgängig   "
                "Strg+O: Original wiederherstellen   Esc: Korrektur beenden");
            break;
        }
        m_ansicht.tasten = Auswahltasten + QStringLiteral("   K: korrigieren");
        if (m_gezeigt && m_gezeigt->mitRohsignalen())
            m_ansicht.tasten += QStringLiteral("   P: mit anderer Prellzeit neu bewerten");
        if (m_gezeigt && m_gezeigt->korrigiert())
            m_ansicht.tasten += QStringLiteral("   Strg+O: Original wiederherstellen");
        if (m_ergebnisdatei)
            m_ansicht.tasten += QStringLiteral("   Strg+D: Ergebnisdatei neu schreiben");
        m_ansicht.tasten += QStringLiteral("   Entf: Rennen löschen   Strg+E: Rennen exportieren "
                                           "  Esc: zurück");
        break;
    case Seite::Fahrer:
        m_ansicht.tasten = QStringLiteral("Entf: alle Rennen von ") + m_fahrer +
                           QStringLiteral(" löschen   Strg+E: alle exportieren   Esc: zurück");
        break;
    case Seite::Saison:
        m_ansicht.tasten = QStringLiteral("←→: andere Saison   Strg+P: als PDF   Esc: zurück");
        break;
    }
}

void VerlaufLogik::loeschen() {
    if (m_korrektur && m_ansicht.seite == Seite::Rennen) {
        durchfahrtLoeschen();
        return;
    }
    const Rennzeile* zeile = m_ansicht.seite == Seite::Liste ? gewaehlt() : nullptr;
    if ((m_ansicht.seite == Seite::Rennen && m_gezeigt && !m_rennen) || (zeile && zeile->wartet)) {
        m_dialoge.meldung(QStringLiteral("Das Rennen wartet noch darauf, in der Renndatenbank "
                                         "gespeichert zu werden, und lässt sich erst danach "
                                         "löschen."),
                          Verlaufstitel);
        return;
    }
    if (!m_beschreibbar) {
        if (m_nurLesen)
            m_dialoge.meldung(NeuereVersion + QStringLiteral(" und wird nicht verändert."),
                              Verlaufstitel);
        return;
    }
    std::function<std::optional<Datenbankfehler>(Verlaufsspeicher&)> loeschung;
    if (m_ansicht.seite == Seite::Fahrer) {
        if (!m_dialoge.frage(QStringLiteral("Alle Rennen von ") + m_fahrer +
                                 QStringLiteral(" löschen? Das lässt sich nicht rückgängig "
                                                "machen."),
                             Verlaufstitel))
            return;
        loeschung = [fahrer = m_fahrer](Verlaufsspeicher& s) { return s.fahrerLoeschen(fahrer); };
    } else {
        const std::optional<qint64> nummer =
            m_ansicht.seite == Seite::Rennen
                ? m_rennen
                : (zeile ? std::optional<qint64>(zeile->nummer) : std::nullopt);
        if (!nummer)
            return;
        const auto z = std::find_if(m_alle.begin(), m_alle.end(),
                                    [&](const Rennzeile& r) { return r.nummer == *nummer; });
        const QString was = z == m_alle.end()
                                ? QString()
                                : QStringLiteral(" vom ") + z->datum + QStringLiteral(" (") +
                                      z->fahrer + QLatin1Char(')');
        if (!m_dialoge.frage(QStringLiteral("Rennen %1").arg(*nummer) + was +
                                 QStringLiteral(" löschen? Das lässt sich nicht rückgängig "
                                                "machen."),
                             Verlaufstitel))
            return;
        loeschung = [nummer = *nummer](Verlaufsspeicher& s) { return s.loeschen(nummer); };
    }
    fragen<std::optional<Datenbankfehler>>(
        [loeschung](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return loeschung(speicher);
        },
        [this](std::optional<Datenbankfehler>& fehler) {
            if (fehler) {
                m_dialoge.meldung(QStringLiteral("Das Löschen ist fehlgeschlagen: ") + fehler->text,
                                  Verlaufstitel);
                return;
            }
            listeZeigen();
            listeLaden();
        },
        true);
}

QString VerlaufLogik::exportvorschlag() const {
    QString name = QStringLiteral("rennverlauf.csv");
    if (m_ansicht.seite == Seite::Rennen && m_gezeigt)
        name = m_rennen ? QStringLiteral("rennen-%1.csv").arg(*m_rennen)
                        : QStringLiteral("rennen-wartend.csv");
    return QDir(m_exportordner).filePath(name);
}

void VerlaufLogik::exportieren(const QString& pfad) {
    if (pfad.isEmpty())
        return;
    const std::optional<Rennaufzeichnung> einzeln =
        m_ansicht.seite == Seite::Rennen ? m_gezeigt : std::nullopt;
    const std::optional<qint64> nummer = m_rennen;
    const QString ziel = QDir::toNativeSeparators(pfad);
    m_exporthinweis =
        QStringLiteral("Der Rennverlauf wird exportiert nach ") + ziel + QStringLiteral(" …");
    hinweisSetzen();
    fragen<std::optional<QString>>(
        [pfad, einzeln, nummer, quelle = m_wartendeQuelle](Verlaufsdatenbank& db) {
            if (einzeln)
                return verlaufExportieren(pfad, einRennen(nummer, *einzeln), Sonderdatei::Ablehnen);
            Verlaufsabfragen abfragen(db);
            return verlaufExportieren(
                pfad, alleRennen(abfragen, quelle ? quelle() : std::vector<Rennaufzeichnung>{}),
                Sonderdatei::Ablehnen);
        },
        [this, ziel, einzeln, nummer](std::optional<QString>& fehler) {
            m_exporthinweis.clear();
            if (fehler)
                m_dialoge.meldung(QStringLiteral("Der Rennverlauf konnte nicht nach ") + ziel +
                                      QStringLiteral(" exportiert werden: ") + *fehler,
                                  Verlaufstitel);
            else if (!einzeln)
                m_exporthinweis = QStringLiteral("Rennverlauf exportiert nach ") + ziel;
            else
                m_exporthinweis =
                    (nummer ? QStringLiteral("Rennen %1 exportiert nach ").arg(*nummer)
                            : QStringLiteral("Wartendes Rennen exportiert nach ")) +
                    ziel;
            hinweisSetzen();
        });
}

bool VerlaufLogik::aenderbar(const QString& was) {
    if (m_ansicht.seite != Seite::Rennen || !m_gezeigt)
        return false;
    if (!m_rennen) {
        m_dialoge.meldung(QStringLiteral("Das Rennen wartet noch darauf, in der Renndatenbank "
                                         "gespeichert zu werden, und lässt sich erst danach ") +
                              was + QLatin1Char('.'),
                          Verlaufstitel);
        return false;
    }
    if (!m_beschreibbar) {
        if (m_nurLesen)
            m_dialoge.meldung(NeuereVersion + QStringLiteral(" und wird nicht verändert."),
                              Verlaufstitel);
        return false;
    }
    return true;
}

void VerlaufLogik::korrigieren() {
    if (m_korrektur || !aenderbar(QStringLiteral("korrigieren")))
        return;
    m_korrektur = std::make_unique<Korrektur>(*m_gezeigt);
    korrekturZeigen();
}

void VerlaufLogik::korrekturZeigen() {
    const Rennaufzeichnung rennen = m_korrektur->rennen();
    rennseiteZeigen(m_rennen, rennen);
}

void VerlaufLogik::korrekturSpur(int schritt) {
    if (!m_korrektur)
        return;
    m_korrektur->spurWechseln(schritt);
    korrekturZeigen();
}

void VerlaufLogik::korrekturRunde(int schritt) {
    if (!m_korrektur)
        return;
    m_korrektur->rundeWechseln(schritt);
    korrekturZeigen();
}

void VerlaufLogik::durchfahrtLoeschen() {
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    if (const std::optional<QString> grund = m_korrektur->loeschen()) {
        m_dialoge.meldung(*grund, Verlaufstitel);
        return;
    }
    korrekturSpeichern(bisher);
}

void VerlaufLogik::durchfahrtEinfuegen(bool zeitFragen) {
    if (!m_korrektur)
        return;
    std::optional<double> sekunden;
    if (zeitFragen) {
        const QString text = m_dialoge.eingabe(QStringLiteral("Nach wie vielen Sekunden in ") +
                                                   m_korrektur->ortText() +
                                                   QStringLiteral(" kam die verpasste Durchfahrt?"),
                                               Verlaufstitel, QString());
        if (text.trimmed().isEmpty())
            return;
        sekunden = Zahlenformat::zahlLesen(text.trimmed());
        if (!sekunden) {
            m_dialoge.meldung(QStringLiteral("„") + text +
                                  QStringLiteral("“ ist keine Zeit in Sekunden."),
                              Verlaufstitel);
            return;
        }
    }
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    if (const std::optional<QString> grund = m_korrektur->einfuegen(sekunden)) {
        m_dialoge.meldung(*grund, Verlaufstitel);
        return;
    }
    korrekturSpeichern(bisher);
}

void VerlaufLogik::korrekturRueckgaengig() {
    if (!m_korrektur)
        return;
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    if (!m_korrektur->rueckgaengig())
        return;
    korrekturSpeichern(bisher);
}

void VerlaufLogik::korrekturSpeichern(const Rennaufzeichnung& bisher) {
    korrekturZeigen();
    const qint64 nummer = *m_rennen;
    Rennaufzeichnung neu = m_korrektur->rennen();
    // Every edit undone on a race never corrected before: it is the race as first stored.
    const bool zurueck = !neu.korrigiert();
    fragen<std::optional<Datenbankfehler>>(
        [nummer, bisher, neu = std::move(neu), zurueck](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return zurueck ? speicher.wiederherstellen(nummer)
                           : speicher.korrigieren(nummer, bisher, neu);
        },
        [this, nummer](std::optional<Datenbankfehler>& fehler) {
            if (!fehler)
                return;
            m_dialoge.meldung(QStringLiteral("Die Korrektur ließ sich nicht speichern: ") +
                                  fehler->text,
                              Verlaufstitel);
            // The page shows what the database holds.
            m_korrektur.reset();
            rennenZeigen(nummer);
        });
}

void VerlaufLogik::originalWiederherstellen() {
    if (!m_gezeigt || !m_gezeigt->korrigiert() || !aenderbar(QStringLiteral("wiederherstellen")))
        return;
    const qint64 nummer = *m_rennen;
    const bool korrigieren = m_korrektur != nullptr;
    fragen<std::optional<Datenbankfehler>>(
        [nummer](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return speicher.wiederherstellen(nummer);
        },
        [this, nummer, korrigieren](std::optional<Datenbankfehler>& fehler) {
            if (fehler)
                m_dialoge.meldung(
                    QStringLiteral("Das Original ließ sich nicht wiederherstellen: ") +
                        fehler->text,
                    Verlaufstitel);
            m_korrektur.reset();
            rennenZeigen(nummer, korrigieren);
        },
        true);
}

void VerlaufLogik::ergebnisdateiSchreiben() {
    if (!m_ergebnisdatei || m_ansicht.seite != Seite::Rennen || !m_gezeigt)
        return;
    if (m_korrektur) {
        m_ergebnisdatei(m_korrektur->rennmodell());
        return;
    }
    Korrektur unveraendert(*m_gezeigt);
    m_ergebnisdatei(unveraendert.rennmodell());
}

namespace {
// "4,012 4,1 8,2 …": a lane's laps in a line, the first of them.
QString rundenzeile(const Spurfahrt& f) {
    constexpr std::size_t Hoechstens = 12;
    QStringList zeiten;
    for (std::size_t i = 0; i < f.runden.size() && i < Hoechstens; ++i)
        zeiten << Zahlenformat::ZahlFormatieren(f.runden[i].zeit);
    if (f.runden.size() > Hoechstens)
        zeiten << QStringLiteral("…");
    return QStringLiteral("%1 Runden: ").arg(f.runden.size()) + zeiten.join(QLatin1Char(' '));
}

QString ergebniszeile(const Rennaufzeichnung& r) {
    if (r.abgebrochen)
        return QStringLiteral("nicht beendet");
    return r.sieger ? QStringLiteral("Sieger ") + *r.sieger : QStringLiteral("Unentschieden");
}
} // namespace

void VerlaufLogik::neuBewerten() {
    if (m_ansicht.seite != Seite::Rennen || !m_gezeigt || m_korrektur)
        return;
    if (!m_gezeigt->mitRohsignalen()) {
        m_dialoge.meldung(QStringLiteral("Von diesem Rennen sind keine Sensorsignale "
                                         "gespeichert (es ist älter, oder die Runden kamen von "
                                         "der Tastatur): neu bewerten geht nicht, korrigieren "
                                         "(K) schon."),
                          Verlaufstitel);
        return;
    }
    const QString text = m_dialoge.eingabe(
        QStringLiteral("Mit welcher Prellzeit in Sekunden soll das Rennen neu bewertet werden?"),
        Verlaufstitel, Zahlenformat::allgemein(m_gezeigt->prellzeit));
    if (text.trimmed().isEmpty())
        return;
    // Below a tenth of a second every contact bounce would be a lap of its own.
    constexpr double KleinstePrellzeit = 0.1;
    constexpr double GroesstePrellzeit = 60;
    const std::optional<double> prellzeit = Zahlenformat::zahlLesen(text.trimmed());
    if (!prellzeit || *prellzeit < KleinstePrellzeit || *prellzeit > GroesstePrellzeit) {
        m_dialoge.meldung(QStringLiteral("„%1“ ist keine Prellzeit zwischen %2 und %3 Sekunden.")
                              .arg(text, Zahlenformat::allgemein(KleinstePrellzeit),
                                   Zahlenformat::allgemein(GroesstePrellzeit)),
                          Verlaufstitel);
        return;
    }
    Rennaufzeichnung neu = Nachrechnung(*m_gezeigt, *prellzeit).ergebnis();
    if (neu.laeufe.empty()) {
        m_dialoge.meldung(QStringLiteral("Mit dieser Prellzeit bliebe keine Runde übrig."),
                          Verlaufstitel);
        return;
    }
    rennseiteZeigen(m_rennen, *m_gezeigt);
    const QString mit = QStringLiteral("mit Prellzeit ") + Zahlenformat::allgemein(*prellzeit) +
                        QStringLiteral(" s");
    const QString bisher = QStringLiteral("bisher (") +
                           Zahlenformat::allgemein(m_gezeigt->prellzeit) + QStringLiteral(" s)");
    m_ansicht.angaben << QStringLiteral("Neu bewertet ") + mit + QStringLiteral(": ") +
                             ergebniszeile(neu) + QStringLiteral(", ") + bisher +
                             QStringLiteral(": ") + ergebniszeile(*m_gezeigt);
    for (std::size_t lauf = 0; lauf < m_gezeigt->laeufe.size(); ++lauf)
        for (int spur = 1; spur <= 2; ++spur) {
            const QString wo = m_gezeigt->laeufe.size() > 1
                                   ? QStringLiteral("Lauf %1, Spur %2").arg(lauf + 1).arg(spur)
                                   : QStringLiteral("Spur %1").arg(spur);
            m_ansicht.angaben << wo + QStringLiteral(" ") + bisher + QStringLiteral(" ") +
                                     rundenzeile(m_gezeigt->laeufe[lauf][spur]);
            if (lauf < neu.laeufe.size())
                m_ansicht.angaben << wo + QStringLiteral(" ") + mit + QStringLiteral(": ") +
                                         rundenzeile(neu.laeufe[lauf][spur]);
        }
    m_neuBewertung = std::move(neu);
    tastenSetzen();
}

void VerlaufLogik::neuBewertungUebernehmen() {
    Rennaufzeichnung neu = *std::exchange(m_neuBewertung, std::nullopt);
    if (!aenderbar(QStringLiteral("korrigieren")))
        return;
    const Rennaufzeichnung bisher = *m_gezeigt;
    const qint64 nummer = *m_rennen;
    rennseiteZeigen(m_rennen, neu);
    fragen<std::optional<Datenbankfehler>>(
        [nummer, bisher, neu = std::move(neu)](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return speicher.korrigieren(nummer, bisher, neu);
        },
        [this, nummer](std::optional<Datenbankfehler>& fehler) {
            if (fehler)
                m_dialoge.meldung(QStringLiteral("Die Korrektur ließ sich nicht speichern: ") +
                                      fehler->text,
                                  Verlaufstitel);
            rennenZeigen(nummer);
        });
}

void VerlaufLogik::saisonZeigen() {
    if (!m_saisonquelle || m_ansicht.seite != Seite::Liste)
        return;
    fragen<std::vector<Saisonwertung>>(
        m_saisonquelle,
        [this](std::vector<Saisonwertung>& saisons) {
            if (saisons.empty()) {
                m_dialoge.meldung(QStringLiteral("Noch kein Rennabend hat eine Saison. Die "
                                                 "Saison gibt man einem neuen Abend im Fenster "
                                                 "\"Rennabend\" (Umschalt+N)."),
                                  Verlaufstitel);
                return;
            }
            m_saisons = std::move(saisons);
            m_saison = 0;
            m_ansicht.seite = Seite::Saison;
            saisonseiteFuellen();
            tastenSetzen();
        },
        true);
}

void VerlaufLogik::saisonWechseln(int schritt) {
    if (m_ansicht.seite != Seite::Saison)
        return;
    const auto n = static_cast<qsizetype>(m_saisons.size());
    m_saison = static_cast<std::size_t>(((static_cast<qsizetype>(m_saison) + schritt) % n + n) % n);
    saisonseiteFuellen();
}

void VerlaufLogik::saisonseiteFuellen() {
    const Saisonwertung& s = m_saisons[m_saison];
    m_ansicht.ueberschrift =
        QStringLiteral("Saison %1 (%2 von %3)").arg(s.name).arg(m_saison + 1).arg(m_saisons.size());
    m_ansicht.angaben = {s.abende == 1 ? QStringLiteral("1 Rennabend")
                                       : QStringLiteral("%1 Rennabende").arg(s.abende)};
    m_ansicht.tabellenkopf = s.kopf;
    m_ansicht.tabelle = s.zeilen;
    m_ansicht.diagramm = {};
}

Tabelle VerlaufLogik::saisontabelle() const {
    if (m_ansicht.seite != Seite::Saison)
        return {};
    const Saisonwertung& s = m_saisons[m_saison];
    return {m_ansicht.ueberschrift, QStringLiteral("Saison ") + s.name, m_ansicht.angaben.value(0),
            s.kopf, s.zeilen};
}
