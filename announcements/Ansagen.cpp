#include "Ansagen.h"

#include "Ansagetext.h"
#include "Rennen.h"
#include "Rennstellung.h"
#include "Zahlwoerter.h"

#include <algorithm>
#include <cmath>

namespace {
// The lap the "Probe" button says.
constexpr double Probezeit = 4.213;
} // namespace

Ansagen::Ansagen(Sprecher& sprecher, const Ansageeinstellungen& einstellungen)
    : m_sprecher(sprecher), m_e(einstellungen) {}

namespace {
// How much the winner's best lap beat the best of everyone else's.
double bestzeitvorsprung(const Spuren<Spurstand>& spuren, int sieger) {
    double naechste = KeineBestzeit;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        if (spur != sieger)
            naechste = std::min(naechste, spuren[spur].bestzeit);
    return std::fabs(naechste - spuren[sieger].bestzeit);
}
} // namespace

QString Ansagen::fahrer(const Rennen& rennen, int spur) const {
    return Ansagetext::fahrer(rennen.stand().spuren[spur].fahrer, spur);
}

void Ansagen::rennenGestartet(const Rennen&) {
    allesVerwerfen();
    m_rennbestzeit.reset();
}

void Ansagen::rundeGezaehlt(const Rennen& rennen, const Rundenmeldung& runde) {
    // The first lap of the race is its best by default: "Bestzeit" is said only for a lap
    // that beats another, and only when it sounds faster too; a best lap by a thousandth
    // would repeat the time just heard.
    const bool schneller = m_rennbestzeit && runde.rundenzeit < *m_rennbestzeit;
    const bool rennbestzeit = schneller && Zahlwoerter::sekunden(runde.rundenzeit) !=
                                               Zahlwoerter::sekunden(*m_rennbestzeit);
    if (!m_rennbestzeit || schneller)
        m_rennbestzeit = runde.rundenzeit;
    if (!m_e.an)
        return;
    Ansagetext::Runde text;
    text.bestzeit = m_e.bestzeit && rennbestzeit;
    if (m_e.rundenzeit || text.bestzeit)
        text.zeit = runde.rundenzeit;
    if (m_e.fahrername || text.bestzeit)
        text.fahrer = fahrer(rennen, runde.spur);
    else if (rennen.stand().spuren.anzahl() > 2)
        text.fahrer = Ansagetext::spur(runde.spur); // on many lanes a time alone tells no one

    if (m_e.restrunden && rennen.einstellungen().rennart == Rennlaenge::Runden)
        text.nochRunden = rennen.einstellungen().rundenzahl - runde.runde;
    sagen({Ansagetext::runde(text), runde.spur, false});
}

void Ansagen::rundeGestrichen(const Rennen& rennen, const Streichmeldung& meldung) {
    if (meldung.runde == 0)
        return;
    // The race's fastest lap so far, without the lap taken back.
    m_rennbestzeit.reset();
    for (const Spurstand& spur : rennen.stand().spuren)
        for (const Rundenwert& runde : spur.runden)
            if (!m_rennbestzeit || runde.zeit < *m_rennbestzeit)
                m_rennbestzeit = runde.zeit;
    // The lane's waiting lap announcement is of the lap taken back: this one replaces it.
    if (m_e.an)
        sagen({Ansagetext::rundeGestrichen(meldung.spur), meldung.spur, false});
}

void Ansagen::fehlstart(const Rennen& rennen, int spur) {
    if (ereignisseAn())
        sagen({Ansagetext::fehlstart(fahrer(rennen, spur)), Ansagefach::Bleibt, true});
}

void Ansagen::strafe(const Rennen& rennen, const Strafe& strafe) {
    if (ereignisseAn())
        sagen({Ansagetext::strafe(fahrer(rennen, strafe.spur), strafe), Ansagefach::Bleibt, true});
}

void Ansagen::strafeZurueckgenommen(const Rennen& rennen, const Strafe& strafe) {
    if (ereignisseAn())
        sagen({Ansagetext::strafeZurueckgenommen(fahrer(rennen, strafe.spur)), Ansagefach::Bleibt,
               true});
}

void Ansagen::crashPause(const Rennen& rennen, bool an) {
    // An automatic call says why it stopped the race, in streckenrufBegonnen.
    const auto& rufe = rennen.stand().streckenrufe;
    if (an && !rufe.empty() && rufe.back().ursache == Streckenrufursache::Automatisch)
        return;
    if (ereignisseAn())
        sagen({Ansagetext::crashPause(an), Ansagefach::Crash, true});
}

void Ansagen::streckenrufBegonnen(const Rennen&, const Streckenruf& ruf, int spur) {
    if (ruf.ursache == Streckenrufursache::Automatisch && ereignisseAn())
        sagen({Ansagetext::streckenruf(spur), Ansagefach::Crash, true});
}

void Ansagen::hinweisSagen(const QString& text) {
    if (ereignisseAn())
        sagen({text, Ansagefach::Bleibt, false});
}

void Ansagen::spurFertig(const Rennen& rennen, int spur, double, int platz) {
    // In a race by laps the first lane home has won, and on more than two lanes each one
    // after it has its place; in a heat of a lane-change race, or by time, they have not.
    const Renneinstellungen& e = rennen.einstellungen();
    if (!ereignisseAn() || !e.rennmodus || e.spurwechsel || e.rennart != Rennlaenge::Runden)
        return;
    if (platz == 1)
        sagen({Ansagetext::gewinnt(fahrer(rennen, spur)), Ansagefach::Bleibt, false});
    else if (rennen.stand().spuren.anzahl() > 2)
        sagen({Ansagetext::platz(fahrer(rennen, spur), platz), Ansagefach::Bleibt, false});
}

void Ansagen::rennende(const Rennen& rennen, int siegerSpur) {
    if (ereignisseAn())
        rennergebnis(rennen, siegerSpur);
}

void Ansagen::rennergebnis(const Rennen& rennen, int siegerSpur) {
    const Rennstand& r = rennen.stand();
    if (!r.einstellungen.rennmodus) {
        // Training: the lower best lap has won.
        if (siegerSpur == 0)
            sagen({Ansagetext::unentschieden(), Ansagefach::Bleibt, false});
        else
            sagen({Ansagetext::sieg(fahrer(rennen, siegerSpur),
                                    bestzeitvorsprung(r.spuren, siegerSpur), false),
                   Ansagefach::Bleibt, false});
        return;
    }
    if (r.einstellungen.rennart == Rennlaenge::Zeit) {
        // The distances decide, after the second heat those of both: the result knows the
        // winner.
        if (!rennen.ergebnis().komplett())
            return;
        const int sieger = rennen.ergebnis().sieger();
        sagen({sieger == 0 ? Ansagetext::unentschieden()
                           : Ansagetext::gewinnt(fahrer(rennen, sieger)),
               Ansagefach::Bleibt, false});
        if (sieger != 0)
            plaetzeNachZeit(rennen);
        return;
    }
    const double zielabstand = rennen.ergebnis().letzterLauf().zielabstand();
    if (!r.einstellungen.spurwechsel) {
        // The winner was named at the finish.
        sagen({Ansagetext::vorsprung(zielabstand), Ansagefach::Bleibt, false});
        return;
    }
    const Rennergebnis& ergebnis = rennen.ergebnis();
    if (!ergebnis.komplett()) {
        sagen({Ansagetext::sieg(fahrer(rennen, siegerSpur), zielabstand, r.wechsellauf + 1),
               Ansagefach::Bleibt, false});
        return;
    }
    // After the last heat the totals decide, as the result window will show. The names
    // move on only after this call.
    if (const int sieger = ergebnis.sieger(); sieger == 0)
        sagen({Ansagetext::unentschieden(), Ansagefach::Bleibt, false});
    else
        sagen({Ansagetext::sieg(fahrer(rennen, sieger), ergebnis.gesamtabstand(), 0),
               Ansagefach::Bleibt, false});
}

// By laps each lane home behind the winner hears its place at its finish; by time the
// places are known only at the end, and come after the winner in the order the screens rank
// the lanes. Heats on changed lanes are decided by their totals, which no heat's standing
// tells.
void Ansagen::plaetzeNachZeit(const Rennen& rennen) {
    const Rennstand& r = rennen.stand();
    if (r.spuren.anzahl() <= 2 || r.einstellungen.spurwechsel)
        return;
    const Spuren<Spurstellung> stellung = rennstellung(r);
    std::vector<int> folge;
    for (int spur = 1; spur <= stellung.anzahl(); ++spur)
        if (stellung[spur].platz > 1)
            folge.push_back(spur);
    std::sort(folge.begin(), folge.end(),
              [&](int a, int b) { return stellung[a].platz < stellung[b].platz; });
    for (int spur : folge)
        sagen({Ansagetext::platz(fahrer(rennen, spur), stellung[spur].platz), Ansagefach::Bleibt,
               false});
}

void Ansagen::restzeit(const Rennen&, std::int32_t sekunden) {
    const QString text = Ansagetext::restzeit(sekunden);
    // Time's up is an event of the race; the minutes and seconds before it, like the laps
    // to go, tell what is left.
    if (!text.isEmpty() && m_e.an && (sekunden == 0 ? m_e.rennereignisse : m_e.restrunden))
        sagen({text, Ansagefach::Bleibt, false});
}

void Ansagen::rennenGestoppt(const Rennen&) {
    // What the stopped race still had to say about its laps is stale now.
    for (const Ansage& ansage : m_schlange.verwerfen(Ansageschlange::Auswahl::MitFach))
        verworfen(ansage);
}

void Ansagen::hallOfFame(int rang, const QString& name) {
    if (ereignisseAn())
        sagen({Ansagetext::hallOfFame(Ansagetext::sprechbarerName(name), rang), Ansagefach::Bleibt,
               false});
}

void Ansagen::probe(const QString& fahrer) {
    allesVerwerfen();
    Ansagetext::Runde text;
    text.zeit = Probezeit;
    if (m_e.fahrername)
        text.fahrer = Ansagetext::fahrer(fahrer, 1);
    sagen({Ansagetext::runde(text), Ansagefach::Bleibt, false});
}

void Ansagen::sagen(Ansage ansage) {
    if (ansage.text.isEmpty())
        return;
    if (m_protokoll)
        m_protokoll(ansage.text, false);
    if (const std::optional<Ansage> alt = m_schlange.einreihen(std::move(ansage)))
        verworfen(*alt);
    weiter();
}

void Ansagen::weiter() {
    if (m_laufend)
        return;
    m_laufend = m_schlange.naechste();
    if (m_laufend)
        m_sprecher.sprechen(m_laufend->text, {m_e.tempo, m_e.lautstaerke}, [this] { gesagt(); });
}

void Ansagen::gesagt() {
    m_laufend.reset();
    weiter();
}

void Ansagen::verworfen(const Ansage& ansage) {
    if (m_protokoll)
        m_protokoll(ansage.text, true);
}

void Ansagen::allesVerwerfen() {
    if (m_laufend) {
        m_sprecher.verstummen();
        verworfen(*std::exchange(m_laufend, std::nullopt));
    }
    for (const Ansage& ansage : m_schlange.verwerfen())
        verworfen(ansage);
}
