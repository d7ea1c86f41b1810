#include "Zuschauerstand.h"

#include "Anzeigename.h"
#include "Distanz.h"
#include "Farbkontrast.h"
#include "Rennanzeige.h"
#include "Rennen.h"
#include "Straftext.h"
#include "Zahlenformat.h"

#include <QStringList>
#include <algorithm>
#include <ranges>

namespace {
QString zeit(const std::optional<double>& sekunden) {
    if (!sekunden)
        return QStringLiteral("–");
    return Zahlenformat::ZahlFormatieren(*sekunden) + QStringLiteral(" s");
}

// A lane's race times at the line, read off its laps where they stand.
struct Rennzeiten {
    std::span<const Rundenwert> runden;
    std::size_t size() const { return runden.size(); }
    double operator[](std::size_t i) const { return runden[i].rennzeit; }
};

Rennzeiten rennzeiten(std::span<const Rundenwert> runden) {
    return {runden};
}

double ankunftVon(std::span<const Rundenwert> runden) {
    return runden.empty() ? 0.0 : runden.back().rennzeit;
}
} // namespace

Zuschauerstand::Zuschauerstand(const Rennen& rennen, Uhr& uhr, Zeitgeber& takt)
    : m_rennen(rennen), m_takt(takt), m_rennuhr(uhr) {
    fahrerUebernehmen();
    m_ansicht = bilden();
}

void Zuschauerstand::fahrerUebernehmen() {
    const Rennstand& r = m_rennen.stand();
    m_rundenzahl = r.einstellungen.rundenzahl;
    m_renndauer = r.einstellungen.rennart == Rennlaenge::Zeit
                      ? std::optional<std::int32_t>(r.einstellungen.renndauer)
                      : std::nullopt;
    m_training = !r.einstellungen.rennmodus;
    m_lauf = r.einstellungen.spurwechsel ? std::optional<int>(r.wechsellauf + 1) : std::nullopt;
    m_rotation = Spurrotation(r.einstellungen);
    m_freieSpuren = r.einstellungen.freieSpuren;
    const int spurenzahl = m_rennen.spurenzahl();
    if (m_fahrer.anzahl() != spurenzahl) {
        m_fahrer = Spuren<Fahrerbild>::fuer(spurenzahl);
        m_neueBestzeit = Spuren<bool>::fuer(spurenzahl, false);
    }
    for (int spur = 1; spur <= spurenzahl; ++spur) {
        // In a later heat each driver has moved on from the lane of the first, and keeps the
        // colour the first heat gave them.
        const int ersteSpur = m_rotation.ersteSpur(spur, m_lauf.value_or(1) - 1);
        m_fahrer[spur] = {anzeigename(r.spuren[spur].fahrer), r.spuren[ersteSpur].farbe};
    }
}

// Between races no laps show: before the first, after Stop, and once new settings have
// put the finished race aside, although the race's tables still hold its laps then.
Zuschauerstand::Spurbild Zuschauerstand::spurbild(int spur) const {
    const Rennstand& r = m_rennen.stand();
    const Spurstand& stand = r.spuren[spur];
    Spurbild s;
    s.frei = (m_freieSpuren >> (spur - 1)) & 1U;
    const std::vector<Laufergebnis>& laeufe = m_rennen.ergebnis().laeufe;
    if (folgelauf() && !s.frei && laeufe.size() + 1 >= static_cast<std::size_t>(*m_lauf)) {
        const int ersteSpur = m_rotation.ersteSpur(spur, *m_lauf - 1);
        s.ersterLauf = 0.0;
        for (int lauf = 0; lauf < *m_lauf - 1; ++lauf) {
            const Laufwerte& vorher = laeufe[static_cast<std::size_t>(lauf)]
                                          .spur(m_rotation.spurImLauf(ersteSpur, lauf))
                                          .lauf;
            *s.ersterLauf += vorher.zeit;
            if (m_renndauer)
                s.ersteDistanz = s.ersteDistanz.value_or(0) + vorher.distanz;
        }
    }
    if (m_rennbild == Rennbild::Keins)
        return s;
    s.runden = stand.runden;
    if (!s.runden.empty())
        s.beste = stand.bestzeit;
    const auto imZiel = std::ranges::find(r.zieleinlauf, spur);
    if (imZiel != r.zieleinlauf.end())
        s.platz = static_cast<int>(imZiel - r.zieleinlauf.begin()) + 1;
    s.fehlstart = stand.fehlstartGemeldet;
    if (stand.zielzeit) {
        if (m_renndauer)
            s.distanz = stand.distanz;
        // The same sum the two-heat evaluation forms, so the totals shown decide as it does.
        if (s.ersterLauf)
            s.gesamt = *s.ersterLauf + *stand.zielzeit;
    }
    return s;
}

// Another mode or lap count: the finished race's standings give way to the next one's.
bool Zuschauerstand::andereEinstellungen() const {
    const Renneinstellungen& e = m_rennen.einstellungen();
    const std::int32_t renndauer = e.rennart == Rennlaenge::Zeit ? e.renndauer : 0;
    return m_rundenzahl != e.rundenzahl || m_training == e.rennmodus ||
           m_lauf.has_value() != e.spurwechsel || m_renndauer.value_or(0) != renndauer ||
           m_fahrer.anzahl() != m_rennen.spurenzahl() || m_freieSpuren != e.freieSpuren;
}

void Zuschauerstand::aktualisieren() {
    if (m_rennbild == Rennbild::Vorbei && andereEinstellungen()) {
        std::ranges::fill(m_neueBestzeit, false);
        m_rennuhr.loeschen();
        m_rennbild = Rennbild::Keins;
    }
    if (m_rennbild == Rennbild::Keins)
        fahrerUebernehmen();
    m_takt.setEnabled(uhrLaeuft());
    Zuschaueransicht neu = bilden();
    if (neu == m_ansicht)
        return;
    m_ansicht = std::move(neu);
    if (m_empfaenger)
        m_empfaenger(m_ansicht);
}

void Zuschauerstand::rennenGestartet(const Rennen& rennen) {
    m_neueBestzeit = Spuren<bool>::fuer(rennen.stand().spuren.anzahl(), false);
    m_rennuhr.loeschen();
    fahrerUebernehmen();
    m_rennbild = Rennbild::Laufend;
    aktualisieren();
}

void Zuschauerstand::ampelGesetzt(const Rennen&, Ampel ampel) {
    // Green once at the end of the countdown, or at a flying start's first crossing; again
    // after a crash pause, which the pause itself accounts for.
    if (ampel == Ampel::Gruen && phase() == Phase::Rennen)
        m_rennuhr.gruen();
    aktualisieren();
}

void Zuschauerstand::rundeGezaehlt(const Rennen&, const Rundenmeldung& runde) {
    m_neueBestzeit[runde.spur] = runde.neueBestzeit;
    aktualisieren();
}

void Zuschauerstand::rundeGestrichen(const Rennen&, const Streichmeldung& meldung) {
    if (meldung.runde == 0)
        return;
    m_neueBestzeit[meldung.spur] = false;
    aktualisieren();
}

void Zuschauerstand::fehlstart(const Rennen&, int) {
    m_rennuhr.anhalten();
    m_rennbild = Rennbild::Vorbei;
    aktualisieren();
}

void Zuschauerstand::crashPause(const Rennen&, bool an) {
    m_rennuhr.pause(an);
    aktualisieren();
}

void Zuschauerstand::geaendert(const Rennen&) {
    aktualisieren();
}

void Zuschauerstand::spurFertig(const Rennen&, int, double, int) {
    aktualisieren();
}

void Zuschauerstand::rennende(const Rennen& rennen, int) {
    // The clock shows the race time of the last car home, as the lap table has it.
    bool alleGefahren = true;
    double letzte = 0;
    for (int spur = 1; spur <= rennen.spurenzahl(); ++spur) {
        const Spurstand& s = rennen.stand().spuren[spur];
        if (!rennen.spurBelegt(spur))
            continue;
        alleGefahren = alleGefahren && !s.runden.empty();
        letzte = std::max(letzte, ankunft(s));
    }
    m_rennuhr.anhalten(alleGefahren ? std::optional(letzte) : std::nullopt);
    m_rennbild = Rennbild::Vorbei;
    aktualisieren();
}

void Zuschauerstand::rennenGestoppt(const Rennen&) {
    // As on the main window, whose lap tables Stop clears.
    std::ranges::fill(m_neueBestzeit, false);
    m_rennuhr.loeschen();
    m_rennbild = Rennbild::Keins;
    aktualisieren();
}

Zuschauerstand::Phase Zuschauerstand::phase() const {
    switch (m_rennbild) {
    case Rennbild::Keins: return Phase::Bereit;
    case Rennbild::Vorbei: return Phase::Ende;
    case Rennbild::Laufend: break;
    }
    // Released at green, or at once for a flying start.
    return m_rennen.stand().rennenLaeuft ? Phase::Rennen : Phase::Countdown;
}

bool Zuschauerstand::uhrLaeuft() const {
    return phase() == Phase::Rennen && m_rennuhr.laeuft();
}

// The one ranking the lanes' places, the leader's "führt" and the result line follow: while
// the race runs as the cars stand, once it is decided as the race decided it.
Abstaende Zuschauerstand::abstaende(const Spuren<Spurbild>& spuren) const {
    const std::optional<int> sieger = entschieden(spuren);
    if (sieger == 0)
        return Abstaende::keine(spuren.anzahl()); // a draw: no one leads
    // One value of every lane, from its picture and number.
    const auto jeSpur = [&](auto wert) {
        auto werte = Spuren<decltype(wert(spuren[1], 1))>::fuer(spuren.anzahl());
        for (int spur = 1; spur <= spuren.anzahl(); ++spur)
            werte[spur] = wert(spuren[spur], spur);
        return werte;
    };
    if (m_training)
        return bestzeitabstaende(jeSpur([](const Spurbild& s, int) { return s.beste; }));
    if (folgelauf() && m_renndauer)
        return distanzabstaende(
            jeSpur([&](const Spurbild& s, int spur) { return gesamtdistanz(spur, s); }),
            jeSpur([](const Spurbild& s, int) { return s.gesamt; }));
    const Spuren<Rennzeiten> d =
        jeSpur([](const Spurbild& s, int) { return rennzeiten(s.runden); });
    if (folgelauf())
        return gesamtabstaende(d, jeSpur([](const Spurbild& s, int) { return s.ersterLauf; }));
    // By time the distance decides, the lap in progress counted at the end as the race
    // counted it, then who was at the line first.
    if (m_renndauer && sieger)
        return distanzabstaende(
            jeSpur([](const Spurbild& s, int) { return s.distanz.value_or(0); }),
            jeSpur([](const Spurbild& s, int) { return std::optional(ankunftVon(s.runden)); }));
    return rennabstaende(d);
}

Zuschaueransicht Zuschauerstand::bilden() const {
    Zuschaueransicht a;
    a.titel = titel(m_lauf);
    auto spuren = Spuren<Spurbild>::fuer(m_fahrer.anzahl());
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        spuren[spur] = spurbild(spur);
    Abstaende abst = abstaende(spuren);
    // A free lane, without laps, ranks behind every car: it takes no position.
    std::erase_if(abst.folge, [&](int spur) { return spuren[spur].frei; });
    if (abst.vorn != 0 && spuren[abst.vorn].frei)
        abst = Abstaende::keine(spuren.anzahl());
    a.spuren = Spuren<Zuschauerspur>::fuer(spuren.anzahl());
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        a.spuren[spur] = spurBilden(spur, spuren, abst);
    const Rennstand& r = m_rennen.stand();
    a.ampel = ampelLampen(r.ampel);
    // Every car is home: the light the engine turns to once the Hall of Fame's questions
    // are answered, which the spectators need not wait for.
    if (phase() == Phase::Ende && !fehlstartIn(spuren))
        a.ampel = ampelLampen(Ampel::Gelb);
    if (phase() == Phase::Countdown)
        a.countdown = QString::number(r.countdownZiffer);
    if (m_rennuhr.gestartet())
        a.rennuhr = m_rennuhr.text();
    // By time the clock counts down: the time left, as the main window shows it.
    if (m_renndauer && m_rennuhr.gestartet() && r.restzeit)
        a.rennuhr = restzeittext(*r.restzeit);
    a.crash = r.crashPause;
    a.ergebnis = ergebnistext(spuren);
    if (m_abend)
        abendBilden(a, spuren);
    return a;
}

void Zuschauerstand::abendSetzen(std::optional<Abendanzeige> abend) {
    m_abend = std::move(abend);
    aktualisieren();
}

// A Begegnung's heats are one race: it is under way from its start until its last heat is
// over, between the heats and after a false start included. While a heat's end is told, the
// race still stands at that heat.
bool Zuschauerstand::begegnungLaeuft(const Spuren<Spurbild>& spuren) const {
    if (phase() == Phase::Ende && !fehlstartIn(spuren))
        return vorDemLetztenLauf();
    return m_rennbild == Rennbild::Laufend || m_rennen.stand().wechsellauf > 0;
}

// Two drivers face each other; over more lanes, or with a lane free, every lane is named in
// turn: "Als Nächstes: Lauf 3 – Anna (Spur 1), Spur 2 frei, Bert (Spur 3)". Each name in its
// driver's colour, which that lane's card will have.
Namenszeile Zuschauerstand::alsNaechstesZeile(const Abendpaarung& p) {
    const QStringList namen = QStringList{p.spur1, p.spur2} + p.weitere;
    const auto farbe = [&p](qsizetype i) {
        return i < static_cast<qsizetype>(p.farben.size()) ? p.farben[static_cast<std::size_t>(i)]
                                                           : std::nullopt;
    };
    if (p.weitere.empty() && !p.spur1.isEmpty() && !p.spur2.isEmpty())
        return {{QStringLiteral("Als Nächstes: ")},
                {anzeigename(p.spur1), true, farbe(0)},
                {QStringLiteral(" (Spur 1) – ")},
                {anzeigename(p.spur2), true, farbe(1)},
                {QStringLiteral(" (Spur 2)")}};
    Namenszeile zeile{{QStringLiteral("Als Nächstes: Lauf %1 – ").arg(p.nummer)}};
    for (qsizetype i = 0; i < namen.size(); ++i) {
        const QString trenner = i == 0 ? QString() : QStringLiteral(", ");
        if (namen[i].isEmpty()) {
            zeile.push_back({trenner + QStringLiteral("Spur %1 frei").arg(i + 1)});
            continue;
        }
        if (!trenner.isEmpty())
            zeile.push_back({trenner});
        zeile.push_back({anzeigename(namen[i]), true, farbe(i)});
        zeile.push_back({QStringLiteral(" (Spur %1)").arg(i + 1)});
    }
    return zeile;
}

void Zuschauerstand::abendBilden(Zuschaueransicht& a, const Spuren<Spurbild>& spuren) const {
    a.fahrerlaeufe = m_abend->fahrerlaeufe;
    if (!begegnungLaeuft(spuren)) {
        // Under the title of the race to come, which begins with its first heat.
        a.titel = titel(m_lauf ? std::optional<int>(1) : std::nullopt);
        a.abendkopf = m_abend->kopf;
        a.abendtabelle = m_abend->tabelle;
        if (const std::optional<Abendpaarung>& p = m_abend->naechste)
            a.alsNaechstes = alsNaechstesZeile(*p);
        return;
    }
    a.abendstand = {{QStringLiteral("Rennabend: ") + m_abend->stelle}};
    for (const Fahrerbild& fahrer : m_fahrer) {
        const QString& name = fahrer.name;
        const std::vector<Abendzeile>& tabelle = m_abend->tabelle;
        const auto zeile = std::find_if(tabelle.begin(), tabelle.end(), [&](const Abendzeile& z) {
            return anzeigename(z.name).compare(name, Qt::CaseInsensitive) == 0;
        });
        if (zeile == tabelle.end())
            continue;
        a.abendstand.push_back(
            {a.abendstand.size() == 1 ? QStringLiteral(" – ") : QStringLiteral(", ")});
        a.abendstand.push_back({name, true});
        a.abendstand.push_back({QStringLiteral(" Platz %1").arg(zeile - tabelle.begin() + 1)});
    }
}

Zuschauerspur Zuschauerstand::spurBilden(int spur, const Spuren<Spurbild>& spuren,
                                         const Abstaende& abst) const {
    const Spurbild& s = spuren[spur];
    const Fahrerbild& f = m_fahrer[spur];
    const int gefahren = static_cast<int>(s.runden.size());
    Zuschauerspur z;
    z.name = f.name;
    z.farbe = f.farbe;
    if (!lesbarAufKarte(f.farbe)) {
        z.namensgrund = f.farbe;
        z.farbe = schriftAuf(f.farbe);
    }
    if (phase() == Phase::Rennen && abst.position(spur) != 0)
        z.position = QStringLiteral("P%1").arg(abst.position(spur));
    // By time there are no laps to go, only laps driven.
    z.gefahren = m_renndauer ? QString::number(gefahren)
                             : QStringLiteral("%1 / %2").arg(gefahren).arg(m_rundenzahl);
    if (!m_renndauer)
        z.zuFahren = QString::number(std::max(m_rundenzahl - gefahren, 0));
    z.letzte = zeit(s.runden.empty() ? std::nullopt : std::optional(s.runden.back().zeit));
    z.beste = zeit(s.beste);
    z.besteNeu = !s.runden.empty() && m_neueBestzeit[spur];
    z.abstand = abst.vorn == spur ? QStringLiteral("führt") : abst.texte[spur];
    // The race director's penalties stand beside the place, or alone while the lane drives.
    const QString strafe = strafvermerk(m_rennen.stand().strafen, spur);
    z.vermerk = QStringList({vermerk(spur, spuren), strafe}).join(u' ').trimmed();
    if (s.frei) {
        z.gefahren.clear();
        z.zuFahren.clear();
        z.abstand.clear();
        z.vermerk = QStringLiteral("Spur frei");
    }
    if (s.ersteDistanz)
        z.lauf = QStringLiteral("Gesamt ") + Zahlenformat::ZahlFormatieren(gesamtdistanz(spur, s)) +
                 QStringLiteral(" Runden");
    else if (s.gesamt)
        z.lauf = QStringLiteral("Gesamt ") + zeit(s.gesamt);
    else if (s.ersterLauf)
        z.lauf = QStringLiteral("1. Lauf ") + zeit(s.ersterLauf);
    return z;
}

QString Zuschauerstand::vermerk(int spur, const Spuren<Spurbild>& spuren) const {
    const Spurbild& s = spuren[spur];
    if (s.fehlstart)
        return QStringLiteral("Fehlstart");
    if (s.platz == 0)
        return {};
    if (m_training)
        return QStringLiteral("Im Ziel");
    // By laps the first home wins. By time, and in a later heat on the sum of the heats,
    // the first home may still lose.
    if (!m_renndauer && !folgelauf())
        return QStringLiteral("%1. Platz").arg(s.platz);
    const std::optional<int> sieger = entschieden(spuren);
    if (!sieger)
        return QStringLiteral("Im Ziel");
    if (folgelauf()) {
        const int platz = m_rennen.ergebnis().gesamt(spur).platz;
        return platz == 0 ? QStringLiteral("Im Ziel") : QStringLiteral("%1. Platz").arg(platz);
    }
    // By time: behind every lane further, or as far and at the line first; lanes level
    // share a place, as two lanes level draw.
    const auto vor = [&](const Spurbild& a, const Spurbild& b) {
        const double da = a.distanz.value_or(0), db = b.distanz.value_or(0);
        return da != db ? da > db : ankunftVon(a.runden) < ankunftVon(b.runden);
    };
    const auto davor = std::ranges::count_if(spuren, [&](const Spurbild& a) { return vor(a, s); });
    return QStringLiteral("%1. Platz").arg(davor + 1);
}

// Both heats' distances by time, as far as the car has come: the first heat's and this
// one's, counted live from the lap in progress until the lane is home.
double Zuschauerstand::gesamtdistanz(int spur, const Spurbild& s) const {
    double jetzt = s.distanz.value_or(0);
    if (!s.distanz && m_rennuhr.gestartet())
        jetzt = distanz(m_rennen.stand().spuren[spur], m_rennuhr.sekunden());
    return s.ersteDistanz.value_or(0) + jetzt;
}

bool Zuschauerstand::fehlstartIn(const Spuren<Spurbild>& spuren) {
    return std::ranges::any_of(spuren, &Spurbild::fehlstart);
}

// The winning lane once the race, or the second heat with both heats, is over; 0 for a draw.
std::optional<int> Zuschauerstand::entschieden(const Spuren<Spurbild>& spuren) const {
    if (phase() != Phase::Ende || fehlstartIn(spuren))
        return std::nullopt;
    return m_rennen.ergebnis().sieger();
}

QString Zuschauerstand::titel(std::optional<int> lauf) const {
    QString art = m_training ? QStringLiteral("Training") : QStringLiteral("Rennen");
    if (lauf)
        art = QStringLiteral("Spurwechsel, %1. Lauf").arg(*lauf);
    if (m_renndauer)
        return art + QStringLiteral(" – ") + restzeittext(*m_renndauer);
    return art + QStringLiteral(" – %1 ").arg(m_rundenzahl) +
           (m_rundenzahl == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"));
}

QString Zuschauerstand::ergebnistext(const Spuren<Spurbild>& spuren) const {
    QStringList fehlstarter;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        if (spuren[spur].fehlstart)
            fehlstarter << m_fahrer[spur].name;
    if (!fehlstarter.isEmpty()) {
        const QString letzter = fehlstarter.takeLast();
        return QStringLiteral("Fehlstart von ") +
               (fehlstarter.isEmpty()
                    ? letzter
                    : fehlstarter.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter);
    }
    const std::optional<int> sieger = entschieden(spuren);
    if (!sieger)
        return {};
    if (*sieger == 0)
        return vorDemLetztenLauf() ? QStringLiteral("%1. Lauf: Unentschieden").arg(*m_lauf)
                                   : QStringLiteral("Unentschieden");
    const QString& name = m_fahrer[*sieger].name;
    if (vorDemLetztenLauf())
        return QStringLiteral("Nach dem %1. Lauf vorn: ").arg(*m_lauf) + name;
    return m_lauf ? QStringLiteral("Gesamtsieger: ") + name : QStringLiteral("Sieger: ") + name;
}
