#include "Rennen.h"

#include "Einstellungswerte.h"
#include "Rundentabelle.h"
#include "Zahlenformat.h"

#include <algorithm>
#include <cmath>
#include <utility>

Rennen::Rennen(const Anschluesse& anschluesse) : m_an(anschluesse) {}

Uhr& Rennen::sensoruhr(Sensoruhr welche) const {
    return welche == Sensoruhr::Platine ? m_an.platinenuhr : m_an.systemuhr;
}

Uhr& Rennen::uhr() const {
    return m_stand.einstellungen.raceControl ? m_an.boxuhr : sensoruhr(m_stand.sensoruhr);
}

double Rennen::signalzeit(std::int64_t tick) const {
    return static_cast<double>(tick - m_stand.pausenzeit) / uhr().ticksProSekunde();
}

void Rennen::eingabeMelden(const Renneingabe& eingabe) {
    if (m_schreiber)
        m_schreiber->eingabe(eingabe);
}

void Rennen::geaendert() {
    ++m_aenderungen;
    melden([&](Rennbeobachter& b) { b.geaendert(*this); });
}

void Rennen::sensoruhrWechseln(Sensoruhr neu) {
    eingabeMelden(Eingabe::SensoruhrWechseln{neu});
    m_folge.ausfuehren([this, neu] {
        sensoruhrWechselnJetzt(neu);
        geaendert();
    });
}

void Rennen::sensoruhrWechselnJetzt(Sensoruhr neu) {
    Uhr& alt = sensoruhr(m_stand.sensoruhr);
    Uhr& neueUhr = sensoruhr(neu);
    m_stand.sensoruhr = neu;
    if (&alt == &neueUhr || m_stand.einstellungen.raceControl)
        return;
    const std::int64_t jetztAlt = alt.ticks();
    const std::int64_t jetztNeu = neueUhr.ticks();
    const double faktor = static_cast<double>(neueUhr.ticksProSekunde()) / alt.ticksProSekunde();
    const auto umrechnen = [&](std::int64_t tick) {
        return jetztNeu + std::llround(static_cast<double>(tick - jetztAlt) * faktor);
    };
    Rennstand& s = m_stand;
    // The pause time is subtracted from ticks: its now-relative value scales the same way.
    s.pausenzeit = jetztNeu - std::llround(static_cast<double>(jetztAlt - s.pausenzeit) * faktor);
    s.pausenBeginn = umrechnen(s.pausenBeginn);
    s.pausenEnde = umrechnen(s.pausenEnde);
}

void Rennen::einstellungenAnwenden(const Renneinstellungen& einstellungen) {
    eingabeMelden(Eingabe::EinstellungenAnwenden{einstellungen});
    m_stand.einstellungen = einstellungen;
    Renneinstellungen& e = m_stand.einstellungen;
    // A count no track has means the two-lane track; single mode is a two-lane mode.
    if (e.spuranzahl < KleinsteSpurenzahl || e.spuranzahl > GroessteSpurenzahl)
        e.spuranzahl = KleinsteSpurenzahl;
    if (e.spuranzahl > KleinsteSpurenzahl)
        m_stand.einzelmodus = false;
    // Bits beyond the track mean nothing; a track with every lane free has no race.
    e.freieSpuren &= (1U << e.spuranzahl) - 1;
    if (e.freieSpuren == (1U << e.spuranzahl) - 1)
        e.freieSpuren = 0;
    // A change of lanes needs two lanes with a car.
    const Spurrotation rotation(e);
    if (rotation.laeufe() < 2)
        e.spurwechsel = false;
    // A lane-change race between its heats goes on only on the lanes it began on; on
    // others the drivers go back to the lanes they had before the first heat.
    if (m_stand.wechsellauf > 0 && rotation != m_stand.ergebnis.rotation)
        wechselZuruecknehmen();
    spurenAnpassen(e.spuranzahl);
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        spur(nummer).offeneRunden = einstellungen.rundenzahl;
    tabelleBemessen();
    geaendert();
}

void Rennen::boxparameterSetzen(const Boxparameter& box) {
    eingabeMelden(Eingabe::BoxparameterSetzen{box});
    m_stand.einstellungen.box = box;
    geaendert();
}

void Rennen::titelSetzen(const QString& titel) {
    eingabeMelden(Eingabe::TitelSetzen{titel});
    m_stand.titel = titel;
    geaendert();
}

void Rennen::fahrerBenennen(int nummer, const QString& name) {
    eingabeMelden(Eingabe::FahrerBenennen{nummer, name});
    spur(nummer).fahrer = name;
    spur(nummer).ausgang = Spurausgang::Offen;
    geaendert();
}

void Rennen::fahrerfarbeSetzen(int nummer, Farbe farbe) {
    eingabeMelden(Eingabe::FahrerfarbeSetzen{nummer, farbe});
    spur(nummer).farbe = farbe;
    geaendert();
}

void Rennen::abendeintragSetzen(const std::optional<Abendeintrag>& eintrag) {
    eingabeMelden(Eingabe::AbendeintragSetzen{eintrag});
    m_stand.abendeintrag = eintrag;
    geaendert();
}

// Lanes added are named like the first two at start-up; lanes kept keep everything.
void Rennen::spurenAnpassen(int anzahl) {
    if (anzahl == spurenzahl())
        return;
    Rennstand& s = m_stand;
    auto spuren = Spuren<Spurstand>::fuer(anzahl);
    auto abRunde = Spuren<std::size_t>::fuer(anzahl);
    for (int nummer = 1; nummer <= anzahl; ++nummer) {
        const bool bisher = nummer <= spurenzahl();
        spuren[nummer] =
            bisher ? s.spuren[nummer] : neueSpur(QStringLiteral("Fahrer %1").arg(nummer));
        spuren[nummer].offeneRunden = s.einstellungen.rundenzahl;
        abRunde[nummer] = bisher ? s.hoechstbasis.abRunde[nummer] : 0;
    }
    s.spuren = std::move(spuren);
    s.hoechstbasis.abRunde = abRunde;
}

bool Rennen::alleImZiel() const {
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        if (spurBelegt(nummer) && !m_stand.spuren[nummer].fertig)
            return false;
    return true;
}

void Rennen::andereVerlieren(int sieger) {
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        if (nummer != sieger && spurBelegt(nummer))
            spur(nummer).ausgang = Spurausgang::Niederlage;
}

void Rennen::siegerFestlegen(int sieger) {
    m_stand.rennsieger = sieger;
    spur(sieger).ausgang = Spurausgang::Sieg;
    andereVerlieren(sieger);
}

void Rennen::einzelmodusUmschalten() {
    eingabeMelden(Eingabe::EinzelmodusUmschalten{});
    if (spurenzahl() == KleinsteSpurenzahl)
        m_stand.einzelmodus = !m_stand.einzelmodus;
    geaendert();
}

void Rennen::hoechstgeschwindigkeitZuruecksetzen() {
    eingabeMelden(Eingabe::HoechstgeschwindigkeitZuruecksetzen{});
    maxGeschwZuruecksetzen();
    geaendert();
}

void Rennen::maxGeschwZuruecksetzen() {
    m_stand.maxGeschw = 0;
    m_stand.maxGeschwFahrer.clear();
    hoechstbasisMerken();
}

void Rennen::ampelSetzen(Ampel ampel) {
    eingabeMelden(Eingabe::AmpelSetzen{ampel});
    ampelSchalten(ampel);
    geaendert();
}

void Rennen::spurwechselVonVorn() {
    eingabeMelden(Eingabe::SpurwechselVonVorn{});
    m_stand.wechsellauf = 0;
    geaendert();
}

void Rennen::wechselZuruecknehmen() {
    const Spurrotation& rotation = m_stand.ergebnis.rotation;
    auto fahrer = Spuren<QString>::fuer(spurenzahl());
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        fahrer[rotation.ersteSpur(nummer, m_stand.wechsellauf)] = spur(nummer).fahrer;
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        spur(nummer).fahrer = fahrer[nummer];
    m_stand.wechsellauf = 0;
}

void Rennen::ergebnisSpeichern() {
    eingabeMelden(Eingabe::ErgebnisSpeichern{});
    m_an.rekorde.ergebnisSpeichern(*this);
    geaendert();
}

void Rennen::portGeoeffnet(const QString& port) {
    eingabeMelden(Eingabe::PortGeoeffnet{port});
    // The box's port opens for a race to come: the light goes dark until it is armed.
    if (m_stand.einstellungen.raceControl)
        ampelSchalten(Ampel::Dunkel);
    m_stand.anschluss = {Anschlussart::Schnittstelle,  port, false, false, 0,
                         m_stand.anschluss.zweiterPort};
    geaendert();
}

void Rennen::portFehlt() {
    eingabeMelden(Eingabe::PortFehlt{});
    m_stand.anschluss = {Anschlussart::Schnittstelle,  QString(), true, false, 0,
                         m_stand.anschluss.zweiterPort};
    geaendert();
}

void Rennen::zweiterPortGesetzt(const QString& port) {
    eingabeMelden(Eingabe::ZweiterPortGesetzt{port});
    m_stand.anschluss.zweiterPort = port;
    geaendert();
}

void Rennen::platineErkannt(bool spurstrom) {
    eingabeMelden(Eingabe::PlatineErkannt{spurstrom});
    // The board sits on the port as opened; a port whose box fell silent stays as it is.
    Anschlussstand& a = m_stand.anschluss;
    if (a.art == Anschlussart::Schnittstelle && !a.boxVerstummt) {
        a.art = Anschlussart::Platine;
        a.spurstrom = spurstrom;
    }
    geaendert();
}

void Rennen::simulationGestartet(double kuerzesteRunde) {
    eingabeMelden(Eingabe::SimulationGestartet{kuerzesteRunde});
    const bool keinPort = m_stand.anschluss.keinPort;
    m_stand.anschluss = {Anschlussart::Simulation,     QString(), keinPort, false, kuerzesteRunde,
                         m_stand.anschluss.zweiterPort};
    geaendert();
}

void Rennen::crashUmschalten() {
    eingabeMelden(Eingabe::CrashUmschalten{});
    m_folge.ausfuehren([this] {
        crashUmschaltenJetzt(Streckenrufursache::Hand);
        geaendert();
    });
}

void Rennen::streckenrufAusloesen(int nummer) {
    eingabeMelden(Eingabe::StreckenrufAusloesen{nummer});
    m_folge.ausfuehren([this, nummer] {
        const Rennstand& s = m_stand;
        // The watch's alarm may have waited behind another event that paused or ended it.
        if (s.crashPause || !s.gestartet || !s.rennenLaeuft)
            return;
        crashUmschaltenJetzt(Streckenrufursache::Automatisch, nummer);
        geaendert();
    });
}

void Rennen::crashUmschaltenJetzt(Streckenrufursache ursache, int ueberfaellig) {
    Rennstand& s = m_stand;
    if (s.crashPause) {
        s.pausenEnde = uhr().ticks();
        streckenrufBeenden();
        s.pausenzeit += s.pausenEnde - s.pausenBeginn;
        s.signaleGesperrt = false;
        ampelSchalten(Ampel::Gruen);
        s.crashPause = false;
        weckerStellen(rennzeitJetzt());
        klangSpielen(Klang::Start);
    } else {
        s.pausenBeginn = uhr().ticks();
        s.streckenrufe.push_back({s.wechsellauf, rennzeitBisher(), std::nullopt, ursache});
        s.signaleGesperrt = true;
        ampelSchalten(Ampel::Gelb);
        s.crashPause = true;
        m_an.rennzeit.abstellen();
        klangSpielen(Klang::Crash);
    }
    melden([&](Rennbeobachter& b) { b.crashPause(*this, s.crashPause); });
    if (s.crashPause)
        melden([&](Rennbeobachter& b) {
            b.streckenrufBegonnen(*this, s.streckenrufe.back(), ueberfaellig);
        });
}

// The call lasts until now: its end is on a clock that runs through the pause.
void Rennen::streckenrufBeenden() {
    Rennstand& s = m_stand;
    if (s.streckenrufe.empty() || s.streckenrufe.back().ende)
        return;
    Streckenruf& ruf = s.streckenrufe.back();
    ruf.ende =
        Zahlenformat::runden3(ruf.beginn + signalzeit(uhr().ticks()) - signalzeit(s.pausenBeginn));
}

void Rennen::tabellenLeeren() {
    Rennstand& s = m_stand;
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        Spurstand& l = spur(nummer);
        l.letztesSignal = -s.einstellungen.prellzeit;
        l.fehlstartGemeldet = false;
        l.runden.clear();
        l.zielzeit.reset();
    }
    s.pausenzeit = 0;
    s.crashPause = false;
    s.boxzeitsprungGemeldet = false;
    s.tabellenplatz = {};
    hoechstbasisMerken();
}

void Rennen::tabelleBemessen() {
    Renneinstellungen& e = m_stand.einstellungen;
    // A lap count below 1 would finish a lane without a timed lap; the tables refuse it
    // like one they cannot hold.
    while (e.rundenzahl < 1 || e.rundenzahl > Rundentabelle::GroessteRundenzahl) {
        m_an.dialoge.meldung(
            QStringLiteral("Die Anzahl an Runden kann nicht akzeptiert werden, da nicht soviel "
                           "Arbeitsspeicher vorrätig. Setze die Rundenzahl auf 10."),
            QStringLiteral("Speicherproblem"));
        e.rundenzahl = 10;
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            spur(nummer).offeneRunden = e.rundenzahl;
        Einstellungswerte(m_an.speicher).speichern(Einstellungen::Runden, e.rundenzahl);
    }
    // Short races still fill the visible part of the table with empty rows. By time the
    // table grows with the laps.
    tabellenzeilenSetzen(nachZeit() ? 12 : std::max(e.rundenzahl + 2, 12));
}

void Rennen::tabelleWachsen(std::int32_t zeilen) {
    Tabellenplatz& t = m_stand.tabellenplatz;
    if (zeilen <= t.zeilen)
        return;
    // Rows cut off before stay empty; a table cut by nothing grows whole.
    if (t.erhaltenBis == t.zeilen)
        t.erhaltenBis = zeilen;
    t.zeilen = zeilen;
}

void Rennen::tabellenzeilenSetzen(std::int32_t zeilen) {
    Tabellenplatz& t = m_stand.tabellenplatz;
    t.zeilen = zeilen;
    t.erhaltenBis = std::min(t.erhaltenBis, zeilen);
}
