#include "Rennabendleiter.h"

#include "Abendbahn.h"
#include "Hauptlaufwertung.h"
#include "Qualifikation.h"
#include "Rennen.h"

#include <QUuid>
#include <algorithm>
#include <utility>

QStringList fahrernamen(const Rennabend& abend) {
    QStringList namen;
    for (const Teilnehmer& t : abend.teilnehmer)
        namen << t.name;
    return namen;
}

Rennabendleiter::Rennabendleiter(Rennen& rennen, Verlaufsablage& weiter)
    : m_rennen(rennen), m_weiter(weiter) {
    m_rennen.vorDemStart([this] {
        if (std::exchange(m_ladenFaellig, false))
            laden();
        else
            rennformatEinsetzen();
    });
}

Rennabendleiter::~Rennabendleiter() {
    m_rennen.vorDemStart({});
}

void Rennabendleiter::beginnen(const QStringList& fahrer, const Rennabendregeln& regeln,
                               const QString& saison, const Fahrerklassen& klassen) {
    Rennabend abend;
    abend.saison = saison.trimmed();
    abend.schluessel = QUuid::createUuid().toString(QUuid::WithoutBraces);
    abend.beginn = QDateTime::currentDateTime();
    abend.teilnehmer = teilnehmerMitFarben(fahrer);
    abend.klassen = klassen;
    abend.regeln = regeln;
    // A wider track has only the round over every lane, and no final: that is a Begegnung
    // with the lane change, which needs two lanes.
    const int spuren = m_rennen.spurenzahl();
    abend.regeln.format = rennabendformatFuer(regeln.format, spuren);
    abend.regeln.finale = regeln.finale && spuren == KleinsteSpurenzahl;
    abend.rennformat = abendrennformatVon(m_rennen.einstellungen());
    // A night with a qualifying drives single Läufe, the qualifying's and then the mains'.
    if (abend.regeln.qualifikation) {
        abend.regeln.format = Rennabendformat::Spurrotation;
        abend.regeln.finale = false;
        abend.plan = abend.regeln.qualifikationAufJederSpur
                         ? rennplan(fahrer, Rennabendformat::Spurrotation, spuren)
                         : qualifikationsplan(fahrer, spuren);
    } else {
        abend.plan = rennplan(fahrer, abend.regeln.format, spuren);
    }
    fortsetzen(std::move(abend));
}

void Rennabendleiter::fortsetzen(Rennabend abend) {
    m_abend = std::move(abend);
    if (!m_abend.rennformat)
        m_abend.rennformat = abendrennformatVon(m_rennen.einstellungen());
    geaendert();
}

int Rennabendleiter::spurenzahl() const {
    return m_rennen.spurenzahl();
}

int Rennabendleiter::erledigt() const {
    int n = 0;
    for (const Abendrennen& r : m_abend.rennen)
        n = std::max(n, r.nummer);
    for (int nummer : m_abend.uebersprungen)
        n = std::max(n, nummer);
    return n;
}

std::optional<int> Rennabendleiter::naechste() const {
    if (m_abend.wiederholung)
        return m_abend.wiederholung;
    const int n = erledigt() + 1;
    if (!aktiv() || n > static_cast<int>(m_abend.plan.size()))
        return std::nullopt;
    return n;
}

std::optional<Paarung> Rennabendleiter::naechstePaarung() const {
    if (const std::optional<int> n = naechste())
        return m_abend.plan[static_cast<std::size_t>(*n - 1)];
    return std::nullopt;
}

std::vector<int> Rennabendleiter::offeneEintraege() const {
    std::vector<int> offen;
    if (!aktiv())
        return offen;
    if (m_abend.wiederholung)
        offen.push_back(*m_abend.wiederholung);
    for (int n = erledigt() + 1; n <= static_cast<int>(m_abend.plan.size()); ++n)
        offen.push_back(n);
    return offen;
}

std::optional<Spuren<QString>> Rennabendleiter::naechsteSpuren() const {
    const std::optional<Paarung> p = naechstePaarung();
    if (!p)
        return std::nullopt;
    if (zwischenDenLaeufen(*p))
        return Spuren<QString>{p->spur2, p->spur1};
    return p->belegung();
}

std::optional<QString> Rennabendleiter::ohneBahn() const {
    if (!aktiv())
        return std::nullopt;
    return abendOhneBahn(m_rennen.spurenzahl(), m_abend.spurenzahl());
}

bool Rennabendleiter::zwischenDenLaeufen(const Paarung& p) const {
    const Rennstand& s = m_rennen.stand();
    return s.wechsellauf > 0 && s.einstellungen.spurwechsel && begegnung(p) &&
           s.abendeintrag == faelligerEintrag();
}

std::optional<Abendeintrag> Rennabendleiter::faelligerEintrag() const {
    if (const std::optional<int> n = naechste())
        return Abendeintrag{m_abend.schluessel, *n};
    return std::nullopt;
}

std::vector<Tabellenzeile> Rennabendleiter::tabelle() const {
    return abendtabelle(m_abend);
}

void Rennabendleiter::vormerken() {
    // Inside one of the race's events (the race just counted) its question or result window
    // may still be open; a lap table on screen is the race before, which Shift+D writes.
    const Rennstand& s = m_rennen.stand();
    m_ladenFaellig = m_rennen.beschaeftigt() || s.gestartet ||
                     std::any_of(s.spuren.begin(), s.spuren.end(),
                                 [](const auto& spur) { return !spur.runden.empty(); });
    if (!m_ladenFaellig)
        laden();
}

void Rennabendleiter::laden() {
    const std::optional<Paarung> p = naechstePaarung();
    if (!p) {
        if (m_rennen.stand().abendeintrag)
            m_rennen.abendeintragSetzen(std::nullopt);
        freieSpurenZurueckgeben();
        return;
    }
    // Between the Läufe of this very Begegnung (a driver joined meanwhile) it goes on.
    if (zwischenDenLaeufen(*p) || wartetAufBahn())
        return;
    Renneinstellungen e = m_rennen.einstellungen();
    e.spurwechsel = begegnung(*p);
    e.rennmodus = true;
    mitRennformatAnwenden(e, *p);
    if (m_rennen.stand().wechsellauf > 0)
        m_rennen.spurwechselVonVorn();
    if (m_rennen.stand().abendeintrag != faelligerEintrag())
        m_rennen.abendeintragSetzen(faelligerEintrag());
    const Laufbelegung namen = p->belegung();
    for (int spur = 1; spur <= namen.anzahl(); ++spur) {
        m_rennen.fahrerBenennen(spur, namen[spur]);
        for (const Teilnehmer& t : m_abend.teilnehmer)
            if (gleicherFahrer(t.name, namen[spur]))
                m_rennen.fahrerfarbeSetzen(spur, t.farbe);
    }
}

void Rennabendleiter::rennformatEinsetzen() {
    const std::optional<Paarung> p = naechstePaarung();
    if (!p || zwischenDenLaeufen(*p) || wartetAufBahn())
        return;
    mitRennformatAnwenden(m_rennen.einstellungen(), *p);
}

bool Rennabendleiter::wartetAufBahn() {
    if (!ohneBahn())
        return false;
    if (m_rennen.stand().abendeintrag)
        m_rennen.abendeintragSetzen(std::nullopt);
    m_ladenFaellig = true;
    return true;
}

void Rennabendleiter::mitRennformatAnwenden(Renneinstellungen e, const Paarung& p) {
    abendrennformatEinsetzen(*m_abend.rennformat, e);
    // The lanes the track had free before the night come back when it is over.
    if (!m_freieSpurenVorher)
        m_freieSpurenVorher = m_rennen.einstellungen().freieSpuren;
    e.freieSpuren = 0;
    const Laufbelegung namen = p.belegung();
    for (int spur = 1; spur <= namen.anzahl(); ++spur)
        if (namen[spur].isEmpty())
            e.freieSpuren |= 1U << (spur - 1);
    if (e != m_rennen.einstellungen())
        m_rennen.einstellungenAnwenden(e);
}

void Rennabendleiter::freieSpurenZurueckgeben() {
    const std::optional<std::uint32_t> vorher = std::exchange(m_freieSpurenVorher, std::nullopt);
    if (!vorher || *vorher == m_rennen.einstellungen().freieSpuren)
        return;
    Renneinstellungen e = m_rennen.einstellungen();
    e.freieSpuren = *vorher;
    m_rennen.einstellungenAnwenden(e);
}

void Rennabendleiter::wiederholen() {
    if (m_abend.rennen.empty())
        return;
    m_abend.wiederholung = m_abend.rennen.back().nummer;
    // A main driven again may have another winner: the main set after it waits for the repeat.
    while (static_cast<int>(m_abend.plan.size()) > erledigt() && m_abend.plan.back().hauptlauf > 0)
        m_abend.plan.pop_back();
    geaendert();
}

void Rennabendleiter::ueberspringen() {
    if (m_abend.wiederholung)
        m_abend.wiederholung.reset();
    else if (const std::optional<int> n = naechste())
        m_abend.uebersprungen.push_back(*n);
    else
        return;
    geaendert();
}

bool Rennabendleiter::fahrerHinzufuegen(const QString& name, QString& fehler,
                                        const QString& klasse) {
    if (hauptlaeufeEingeteilt(fehler))
        return false;
    const QStringList fahrer = fahrernamen(m_abend) << name.trimmed();
    if (const std::optional<QString> f =
            fahrerlisteFehler(fahrer, meisteFahrer(m_abend.regeln.format))) {
        fehler = *f;
        return false;
    }
    // A colour no one else of the night had; who comes back has it again.
    const QStringList alle = fahrernamen(m_abend) + m_abend.ausgeschieden;
    const auto frueher = std::find_if(alle.begin(), alle.end(),
                                      [&](const QString& n) { return gleicherFahrer(n, name); });
    m_abend.ausgeschieden.removeIf([&](const QString& n) { return gleicherFahrer(n, name); });
    QStringList farbfolge = alle;
    if (frueher == alle.end())
        farbfolge << name.trimmed();
    m_abend.teilnehmer.push_back(
        {name.trimmed(),
         teilnehmerMitFarben(
             farbfolge)[static_cast<std::size_t>(frueher == alle.end() ? alle.size()
                                                                       : frueher - alle.begin())]
             .farbe});
    klasseSetzen(m_abend.klassen, name.trimmed(), klasse);
    neuPlanenMit(fahrer);
    return true;
}

bool Rennabendleiter::fahrerEntfernen(const QString& name, QString& fehler) {
    if (hauptlaeufeEingeteilt(fehler))
        return false;
    QStringList fahrer = fahrernamen(m_abend);
    fahrer.removeIf([&](const QString& n) { return gleicherFahrer(n, name); });
    if (const std::optional<QString> f = fahrerlisteFehler(fahrer)) {
        fehler = *f;
        return false;
    }
    std::erase_if(m_abend.teilnehmer,
                  [&](const Teilnehmer& t) { return gleicherFahrer(t.name, name); });
    m_abend.ausgeschieden << name;
    neuPlanenMit(fahrer);
    return true;
}

bool Rennabendleiter::hauptlaeufeEingeteilt(QString& fehler) const {
    const bool eingeteilt = std::any_of(m_abend.plan.begin(), m_abend.plan.end(),
                                        [](const Paarung& p) { return p.hauptlauf > 0; });
    if (eingeteilt)
        fehler = QStringLiteral("Die Hauptläufe sind eingeteilt: die Fahrerliste bleibt, wie "
                                "die Qualifikation sie gesetzt hat.");
    return eingeteilt;
}

void Rennabendleiter::neuPlanenMit(const QStringList& fahrer) {
    const auto gefahren = static_cast<std::size_t>(erledigt());
    // A qualifying over every lane is made again as any round over every lane is.
    if (m_abend.regeln.qualifikation && !m_abend.regeln.qualifikationAufJederSpur) {
        // Who is at the night and has no Lauf of the qualifying behind him drives one still.
        m_abend.plan.resize(std::min(gefahren, m_abend.plan.size()));
        QStringList offen = fahrer;
        for (const Paarung& p : m_abend.plan)
            for (const QString& name : p.belegung())
                offen.removeIf([&](const QString& n) { return gleicherFahrer(n, name); });
        for (const Paarung& p : qualifikationsplan(offen, m_abend.spurenzahl()))
            m_abend.plan.push_back(p);
    } else {
        m_abend.plan =
            neuPlanen(m_abend.plan, gefahren, fahrer, m_abend.regeln.format, m_abend.spurenzahl());
    }
    // Only the entries driven or passed over stay as they were: a repeat asked for of one
    // after them (its race deleted from the history since) may be none of the new plan.
    if (m_abend.wiederholung > erledigt())
        m_abend.wiederholung.reset();
    geaendert();
}

bool Rennabendleiter::begegnung(const Paarung& p) const {
    return p.finale || m_abend.regeln.format == Rennabendformat::JederGegenJeden;
}

bool Rennabendleiter::gehoertZu(const Rennaufzeichnung& r, const Paarung& p) const {
    const Rennart art = begegnung(p) ? Rennart::Spurwechsel : Rennart::Rennen;
    const std::optional<Abendeintrag> eintrag = faelligerEintrag();
    return !r.abgebrochen && r.art == art && !r.laeufe.empty() && eintrag &&
           r.abend == Abendzuordnung{eintrag->abend, eintrag->nummer};
}

// The night keeps the record it counts: its standings, the final it sets and the spectators'
// table follow at once, while the history's writer thread may not have stored the race yet,
// and a night read back holds the same records from the database.
void Rennabendleiter::ablegen(Rennaufzeichnung aufzeichnung) {
    const std::optional<int> n = naechste();
    const std::optional<Paarung> p = naechstePaarung();
    if (n && p && gehoertZu(aufzeichnung, *p)) {
        m_abend.rennen.push_back({*n, aufzeichnung, p->finale});
        m_abend.wiederholung.reset();
        geaendert();
    } else {
        // Only a race the night counts belongs to it in the history.
        aufzeichnung.abend.reset();
    }
    m_weiter.ablegen(std::move(aufzeichnung));
}

void Rennabendleiter::finaleAnsetzen() {
    const bool angesetzt = !m_abend.plan.empty() && m_abend.plan.back().finale;
    if (!m_abend.regeln.finale || angesetzt || erledigt() < static_cast<int>(m_abend.plan.size()) ||
        m_abend.spurenzahl() != KleinsteSpurenzahl)
        return;
    std::vector<Tabellenzeile> stand = tabelle();
    std::erase_if(stand, [](const Tabellenzeile& z) { return z.ausgeschieden; });
    if (stand.size() >= 2)
        m_abend.plan.push_back({stand[0].fahrer, stand[1].fahrer, true});
}

void Rennabendleiter::hauptlaufAnsetzen() {
    if (!m_abend.regeln.qualifikation || m_abend.wiederholung ||
        erledigt() < static_cast<int>(m_abend.plan.size()))
        return;
    const Abendhauptlaeufe h = abendhauptlaeufe(m_abend);
    std::vector<int> angesetzt;
    for (const Paarung& p : m_abend.plan)
        if (p.hauptlauf > 0 &&
            std::find(angesetzt.begin(), angesetzt.end(), p.hauptlauf) == angesetzt.end())
            angesetzt.push_back(p.hauptlauf);
    const std::vector<std::size_t> folge = h.einteilung.fahrfolge();
    if (angesetzt.size() >= folge.size())
        return;
    const std::size_t index = folge[angesetzt.size()];
    const Hauptlauf& lauf = h.einteilung.laeufe[index];
    // The seat's driver, once the main below has a winner.
    const QStringList besetzung = hauptlauffahrer(m_abend.regeln, h.einteilung, h.rennen)[index];
    const QString aufsteiger = besetzung.size() > lauf.fahrer.size() ? besetzung.back() : QString();
    for (Paarung p :
         hauptlaufPlan(lauf, m_abend.spurenzahl(), m_abend.regeln.hauptlaufmodus, aufsteiger)) {
        p.hauptlauf = static_cast<int>(index) + 1;
        m_abend.plan.push_back(std::move(p));
    }
}

void Rennabendleiter::geaendert() {
    hauptlaufAnsetzen();
    finaleAnsetzen();
    m_abend.beendet = !naechste();
    vormerken();
    for (const auto& meldung : m_beiAenderung)
        meldung();
}
