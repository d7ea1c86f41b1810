#include "Zuschauerstand.h"

#include "Rennen.h"
#include "Zahlenformat.h"

#include <QStringList>

namespace {
QString zeit(const std::optional<double>& sekunden) {
    if (!sekunden)
        return QStringLiteral("–");
    return Zahlenformat::ZahlFormatieren(*sekunden) + QStringLiteral(" s");
}
} // namespace

Zuschauerstand::Zuschauerstand(const Rennen& rennen) : m_rennen(rennen) {
    fahrerUebernehmen();
    m_ansicht = bilden();
}

void Zuschauerstand::fahrerUebernehmen() {
    const Rennstand& r = m_rennen.stand();
    m_rundenzahl = r.einstellungen.rundenzahl;
    m_training = !r.einstellungen.rennmodus;
    m_lauf = r.einstellungen.spurwechsel ? std::optional<int>(r.zweiterLauf ? 2 : 1) : std::nullopt;
    for (int spur = 1; spur <= 2; ++spur) {
        Spurbild& s = m_spuren[spur];
        s.name = r.spuren[spur].fahrer;
        s.farbe = r.spuren[spur].farbe;
        // In the second heat each driver drives the lane the other drove in the first.
        s.ersterLauf =
            m_lauf == 2 ? std::optional<double>(r.lauf1[andereSpur(spur)].zeit) : std::nullopt;
    }
}

void Zuschauerstand::aktualisieren() {
    if (m_phase == Phase::Bereit)
        fahrerUebernehmen();
    Zuschaueransicht neu = bilden();
    if (neu == m_ansicht)
        return;
    m_ansicht = std::move(neu);
    if (m_empfaenger)
        m_empfaenger(m_ansicht);
}

void Zuschauerstand::rennenGestartet(const Rennen& rennen) {
    m_spuren = {};
    fahrerUebernehmen();
    m_sieger = 0;
    m_phase = rennen.einstellungen().ohneCountdown ? Phase::Rennen : Phase::Countdown;
    aktualisieren();
}

void Zuschauerstand::ampelGesetzt(const Rennen&, Ampel ampel) {
    if (ampel == Ampel::Gruen && m_phase == Phase::Countdown)
        m_phase = Phase::Rennen;
    aktualisieren();
}

void Zuschauerstand::rundeGezaehlt(const Rennen& rennen, const Rundenmeldung& runde) {
    Spurbild& s = m_spuren[runde.spur];
    s.durchfahrten.push_back(runde.rennzeit);
    s.letzte = runde.rundenzeit;
    s.beste = rennen.stand().spuren[runde.spur].bestzeit;
    s.besteNeu = runde.neueBestzeit;
    aktualisieren();
}

void Zuschauerstand::fehlstart(const Rennen&, int spur) {
    m_spuren[spur].fehlstart = true;
    m_phase = Phase::Ende;
    aktualisieren();
}

void Zuschauerstand::crashPause(const Rennen&, bool) {
    aktualisieren();
}

void Zuschauerstand::geaendert(const Rennen&) {
    aktualisieren();
}

void Zuschauerstand::spurFertig(const Rennen&, int spur, double rennzeit, int platz) {
    Spurbild& s = m_spuren[spur];
    s.platz = platz;
    // The same sum the two-heat evaluation forms, so the totals shown decide as it does.
    if (s.ersterLauf)
        s.gesamt = *s.ersterLauf + rennzeit;
    aktualisieren();
}

void Zuschauerstand::rennende(const Rennen&, int siegerSpur) {
    m_sieger = siegerSpur;
    m_phase = Phase::Ende;
    aktualisieren();
}

void Zuschauerstand::rennenGestoppt(const Rennen&) {
    // As on the main window, whose lap tables Stop clears.
    m_spuren = {};
    m_phase = Phase::Bereit;
    aktualisieren();
}

Zuschaueransicht Zuschauerstand::bilden() const {
    Zuschaueransicht a;
    a.titel = titel();
    Spuren<QString> abstaende;
    if (m_training)
        abstaende = bestzeitabstaende({m_spuren[1].beste, m_spuren[2].beste});
    else
        abstaende = rennabstaende({m_spuren[1].durchfahrten, m_spuren[2].durchfahrten});
    for (int spur = 1; spur <= 2; ++spur)
        a.spuren[spur] = spurBilden(spur, abstaende[spur]);
    const Rennstand& r = m_rennen.stand();
    a.ampel = ampelLampen(r.ampel);
    if (m_phase == Phase::Countdown)
        a.countdown = QString::number(r.countdownZiffer);
    a.crash = r.crashPause;
    a.ergebnis = ergebnistext();
    return a;
}

Zuschauerspur Zuschauerstand::spurBilden(int spur, const QString& abstand) const {
    const Spurbild& s = m_spuren[spur];
    const int gefahren = static_cast<int>(s.durchfahrten.size());
    Zuschauerspur z;
    z.name = s.name;
    z.farbe = s.farbe;
    z.gefahren = QStringLiteral("%1 / %2").arg(gefahren).arg(m_rundenzahl);
    z.zuFahren = QString::number(std::max(m_rundenzahl - gefahren, 0));
    z.letzte = zeit(s.letzte);
    z.beste = zeit(s.beste);
    z.besteNeu = s.besteNeu;
    z.abstand = abstand;
    if (s.fehlstart)
        z.vermerk = QStringLiteral("Fehlstart");
    else if (s.platz > 0)
        z.vermerk =
            m_training ? QStringLiteral("Im Ziel") : QStringLiteral("%1. Platz").arg(s.platz);
    if (s.gesamt)
        z.lauf = QStringLiteral("Gesamt ") + zeit(s.gesamt);
    else if (s.ersterLauf)
        z.lauf = QStringLiteral("1. Lauf ") + zeit(s.ersterLauf);
    return z;
}

QString Zuschauerstand::titel() const {
    QString art = m_training ? QStringLiteral("Training") : QStringLiteral("Rennen");
    if (m_lauf)
        art = QStringLiteral("Spurwechsel, %1. Lauf").arg(*m_lauf);
    return art + QStringLiteral(" – %1 ").arg(m_rundenzahl) +
           (m_rundenzahl == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"));
}

QString Zuschauerstand::ergebnistext() const {
    QStringList fehlstarter;
    for (int spur = 1; spur <= 2; ++spur)
        if (m_spuren[spur].fehlstart)
            fehlstarter << m_spuren[spur].name;
    if (!fehlstarter.isEmpty())
        return QStringLiteral("Fehlstart von ") + fehlstarter.join(QStringLiteral(" und "));
    if (m_phase != Phase::Ende)
        return {};
    if (m_spuren[1].gesamt && m_spuren[2].gesamt) {
        if (*m_spuren[1].gesamt == *m_spuren[2].gesamt)
            return QStringLiteral("Unentschieden");
        const int sieger = *m_spuren[1].gesamt < *m_spuren[2].gesamt ? 1 : 2;
        return QStringLiteral("Gesamtsieger: ") + m_spuren[sieger].name;
    }
    if (m_sieger == 0)
        return m_lauf == 1 ? QStringLiteral("1. Lauf: Unentschieden")
                           : QStringLiteral("Unentschieden");
    const QString& name = m_spuren[m_sieger].name;
    return m_lauf == 1 ? QStringLiteral("Nach dem 1. Lauf vorn: ") + name
                       : QStringLiteral("Sieger: ") + name;
}
