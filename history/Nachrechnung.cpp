#include "Nachrechnung.h"

#include "Rennen.h"
#include "Rennmitschrift.h"
#include "Stillbetrieb.h"
#include "Verlaufsablage.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

// What reaches the race in a heat, in the order it came.
struct Laufereignis {
    enum class Art { Durchfahrt, Hand, Signal }; // Signal: checked against the Prellzeit
    std::int64_t mikrosekunden;                  // from the green light
    int spur;
    Art art;
};

namespace {
class Sammelablage final : public Verlaufsablage {
public:
    void ablegen(Rennaufzeichnung aufzeichnung) override {
        if (!erstes)
            erstes = std::move(aufzeichnung);
    }
    std::optional<Rennaufzeichnung> erstes;
};

Renneinstellungen einstellungen(const Rennaufzeichnung& r) {
    Renneinstellungen e;
    e.kurslaenge = r.kurslaenge;
    e.rundenzahl = r.rundenzahl;
    e.prellzeit = r.prellzeit;
    e.rennmodus = r.art != Rennart::Training;
    e.spurwechsel = r.art == Rennart::Spurwechsel;
    e.rennart = r.rennart;
    e.renndauer = r.renndauer;
    e.zielregel = r.zielregel;
    e.spuranzahl = r.spurenzahl();
    e.freieSpuren = r.freieSpuren;
    e.nachSiegerBeenden = r.nachSiegerBeenden;
    return e;
}

using Laufereignisse = std::vector<Laufereignis>;

void ordnen(Laufereignisse& folge) {
    std::stable_sort(folge.begin(), folge.end(), [](const Laufereignis& a, const Laufereignis& b) {
        return a.mikrosekunden < b.mikrosekunden;
    });
}

Laufereignisse ereignisse(const Spuren<Spurdurchfahrten>& spuren) {
    Laufereignisse folge;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur) {
        // The car's first crossing after the green light begins lap 1.
        if (!spuren[spur].empty())
            folge.push_back({0, spur, Laufereignis::Art::Durchfahrt});
        for (const Durchfahrt& d : spuren[spur])
            folge.push_back({d.ms * 1000, spur,
                             d.vonHand ? Laufereignis::Art::Hand : Laufereignis::Art::Durchfahrt});
    }
    ordnen(folge);
    return folge;
}

// The signals as they came, and the laps given by hand, which never were signals.
Laufereignisse ereignisse(const std::vector<Rohsignal>& signale,
                          const Spuren<Spurdurchfahrten>& spuren) {
    Laufereignisse folge;
    // A lane the track does not have gives the race no signal.
    for (const Rohsignal& s : signale)
        if (s.spur >= 1 && s.spur <= spuren.anzahl())
            folge.push_back({s.mikrosekunden, s.spur, Laufereignis::Art::Signal});
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        for (const Durchfahrt& d : spuren[spur])
            if (d.vonHand)
                folge.push_back({d.ms * 1000, spur, Laufereignis::Art::Hand});
    ordnen(folge);
    return folge;
}

// Some uptime before the first heat, so that a signal right after the green light is not
// taken for a bounce of the lane's last signal at zero; between heats the clock runs on, so
// that signal times only ever grow.
constexpr std::int64_t Anlauf = 1'000'000;
constexpr std::int64_t Laufpause = 60'000;
} // namespace

struct Nachrechnung::Bahn {
    // Set to each input's moment before it is given; the race by time's alarms ring by it.
    Stillbetrieb::Stelluhr uhr;
    Stillbetrieb::Schalter countdown, boxwacht;
    Stillbetrieb::Merkwecker wecker{uhr};
    Stillbetrieb::Stummdialoge dialoge;
    Stillbetrieb::Stummklang klang;
    Stillbetrieb::Ohnebox box;
    // The settings as the race read them.
    Stillbetrieb::Vorgabespeicher speicher;
    // A race driven again offers nothing to the Hall of Fame: it keeps no link to a race.
    Stillbetrieb::Ohnerekorde rekorde;
    Rennen rennen{Anschluesse{uhr, uhr, uhr, countdown, boxwacht, wecker, dialoge, klang, box,
                              speicher, rekorde}};
    Sammelablage ablage;
    Rennmitschrift mitschrift;

    explicit Bahn(const Rennaufzeichnung& vorlage)
        : mitschrift(
              ablage, [q = vorlage.quelle] { return q; }, [b = vorlage.beginn] { return b; }) {
        uhr.jetzt = Anlauf;
        rennen.beobachterAnmelden(mitschrift);
    }

    // The alarms of a race by time due up to that moment ring first.
    void bis(std::int64_t tick) {
        while (wecker.faellig && *wecker.faellig <= tick) {
            uhr.jetzt = *std::exchange(wecker.faellig, std::nullopt);
            rennen.rennzeitTick();
        }
        uhr.jetzt = std::max(uhr.jetzt, tick);
    }

    // The heat's penalties as the race director gave them. A time or lap penalty counts at
    // the heat's end whenever it was given, so it is given at the green light: one given
    // after the race (in a correction) thus counts even when the corrected heat ends sooner.
    // A stop and go is served at the lane's next crossing after it and is given in its turn.
    void strafenGeben(std::vector<Strafe>& offen, std::int64_t bis) {
        while (!offen.empty() && (offen.front().art != Strafart::StopAndGo ||
                                  std::llround(offen.front().rennzeit * 1e6) <= bis)) {
            const Strafe& s = offen.front();
            rennen.strafeGeben(s.spur, s.art, s.wert, s.grund);
            offen.erase(offen.begin());
        }
    }

    // False when the heat counted no lap: the race forgets such a heat, as it did when it was
    // driven, and would take the next heat for it. `letzter`: no heat follows; `gestoppt`: the
    // racer stopped the race.
    bool lauf(const Laufereignisse& folge, std::vector<Strafe> strafen, bool letzter,
              bool gestoppt) {
        const std::int64_t gruen = uhr.jetzt;
        rennen.startGedrueckt();
        while (countdown.enabled())
            rennen.countdownTick();
        std::stable_partition(strafen.begin(), strafen.end(),
                              [](const Strafe& s) { return s.art != Strafart::StopAndGo; });
        strafenGeben(strafen, 0);
        for (const Laufereignis& e : folge) {
            // A signal between two clock ticks keeps its own time.
            const std::int64_t ms =
                e.mikrosekunden >= 0 ? e.mikrosekunden / 1000 : -((-e.mikrosekunden + 999) / 1000);
            bis(gruen + ms);
            if (!rennen.stand().gestartet)
                break;
            strafenGeben(strafen, e.mikrosekunden);
            const double zeit = double(gruen) / 1000 + double(e.mikrosekunden) / 1e6;
            switch (e.art) {
            case Laufereignis::Art::Hand: rennen.handrunde(e.spur); break;
            case Laufereignis::Art::Durchfahrt:
                rennen.rundensignal(e.spur, zeit, Signalweg::Leitungen);
                break;
            case Laufereignis::Art::Signal:
                if (rennen.signalPruefen(e.spur, zeit) == Signalausgang::Angenommen)
                    rennen.rundensignal(e.spur, zeit, Signalweg::Leitungen);
                break;
            }
        }
        // A race by time ends by its clock. By laps, a heat whose crossings leave a lane short
        // of its laps was driven all the same: it ends where they stop, a lane home keeps its
        // finish. The race's last heat ends with Stop when the racer stopped it, or when
        // nobody is home.
        if (rennen.stand().gestartet)
            strafenGeben(strafen, std::numeric_limits<std::int64_t>::max());
        if (rennen.nachZeit() && rennen.stand().gestartet)
            bis(gruen + std::int64_t(rennen.einstellungen().renndauer) * 1000);
        const Spuren<Spurstand>& spuren = rennen.stand().spuren;
        const bool gezaehlt = std::any_of(spuren.begin(), spuren.end(),
                                          [](const Spurstand& s) { return !s.runden.empty(); });
        const bool schliessen =
            gezaehlt && (!letzter || (!gestoppt && !rennen.stand().zieleinlauf.empty()));
        if (rennen.stand().gestartet && schliessen)
            rennen.zieleinlaufSchliessen();
        if (rennen.stand().gestartet)
            rennen.startGedrueckt();
        uhr.jetzt += Laufpause;
        return gezaehlt;
    }
};

Nachrechnung::Nachrechnung(const Rennaufzeichnung& vorlage, const Rennverlauf& verlauf) {
    std::vector<Laufereignisse> laeufe;
    for (const Spuren<Spurdurchfahrten>& lauf : verlauf)
        laeufe.push_back(ereignisse(lauf));
    fahren(vorlage, vorlage.prellzeit, laeufe);
}

Nachrechnung::Nachrechnung(const Rennaufzeichnung& vorlage, double prellzeit) {
    // Every heat of signals, also one a judging before lost for want of laps: judged again
    // with the Prellzeit before, the race is the race before.
    const Rennverlauf verlauf = durchfahrten(vorlage);
    std::vector<Laufereignisse> laeufe;
    for (std::size_t lauf = 0; lauf < vorlage.rohsignale.size(); ++lauf)
        laeufe.push_back(ereignisse(vorlage.rohsignale[lauf],
                                    lauf < verlauf.size()
                                        ? verlauf[lauf]
                                        : Spuren<Spurdurchfahrten>::fuer(vorlage.spurenzahl())));
    fahren(vorlage, prellzeit, laeufe);
}

void Nachrechnung::fahren(const Rennaufzeichnung& vorlage, double prellzeit,
                          const std::vector<Laufereignisse>& laeufe) {
    m_bahn = std::make_unique<Bahn>(vorlage);
    Rennen& rennen = m_bahn->rennen;
    Renneinstellungen e = einstellungen(vorlage);
    e.prellzeit = prellzeit;
    rennen.einstellungenAnwenden(e);
    if (!vorlage.laeufe.empty())
        for (int spur = 1; spur <= vorlage.spurenzahl(); ++spur) {
            rennen.fahrerBenennen(spur, vorlage.laeufe[0][spur].fahrer);
            rennen.fahrerfarbeSetzen(spur, vorlage.laeufe[0][spur].farbe);
        }
    for (std::size_t lauf = 0; lauf < laeufe.size(); ++lauf) {
        std::vector<Strafe> strafen;
        std::copy_if(vorlage.strafen.begin(), vorlage.strafen.end(), std::back_inserter(strafen),
                     [&](const Strafe& s) { return s.lauf == static_cast<int>(lauf); });
        if (!m_bahn->lauf(laeufe[lauf], std::move(strafen), lauf + 1 == laeufe.size(),
                          vorlage.vomFahrerGestoppt()))
            break;
    }
    m_bahn->mitschrift.abschliessen(rennen);
    m_ergebnis = m_bahn->ablage.erstes.value_or(Rennaufzeichnung{});
    // The signals are facts of the race: no correction changes them. Nor does it change the
    // penalties and track calls, each as and when it was given, of the heats still driven.
    m_ergebnis.rohsignale = vorlage.rohsignale;
    const auto weggefallen = [n = int(m_ergebnis.laeufe.size())](const auto& e) {
        return e.lauf >= n;
    };
    m_ergebnis.strafen = vorlage.strafen;
    std::erase_if(m_ergebnis.strafen, weggefallen);
    m_ergebnis.streckenrufe = vorlage.streckenrufe;
    std::erase_if(m_ergebnis.streckenrufe, weggefallen);
    // What the race drove again is compared with the race as first stored.
    m_ergebnis.original = vorlage.original.empty() ? vorlage.laeufe : vorlage.original;
    m_ergebnis.originalAbgebrochen = vorlage.vomFahrerGestoppt();
}

Nachrechnung::~Nachrechnung() = default;

const Rennen& Nachrechnung::rennen() const {
    return m_bahn->rennen;
}
