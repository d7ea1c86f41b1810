#include "RennabendLogik.h"

#include "Hauptlaufwertung.h"
#include "Punkteliste.h"
#include "Zahlenformat.h"

namespace {
const QString Titel = QStringLiteral("Rennabend");

QString sekunden(double wert) {
    return Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
}

// Two drivers face each other as they always did; over more lanes, or with a lane free, every
// lane is named in turn.
QString alsNaechstesText(int nummer, const Spuren<QString>& spuren) {
    if (spuren.anzahl() == KleinsteSpurenzahl && !spuren[1].isEmpty() && !spuren[2].isEmpty())
        return QStringLiteral("Als Nächstes: %1 (Spur 1) – %2 (Spur 2)").arg(spuren[1], spuren[2]);
    QStringList teile;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        teile << (spuren[spur].isEmpty()
                      ? QStringLiteral("Spur %1 frei").arg(spur)
                      : QStringLiteral("%1 (Spur %2)").arg(spuren[spur]).arg(spur));
    return QStringLiteral("Als Nächstes: Lauf %1 – %2")
        .arg(nummer)
        .arg(teile.join(QStringLiteral(", ")));
}
QString qualifikationText(const Rennabendregeln& regeln) {
    QString text = *regeln.qualifikation == Qualifikationsart::BesteRunde
                       ? QStringLiteral("Qualifikation nach bester Runde, dann Hauptläufe")
                       : QStringLiteral("Qualifikation nach Distanz, dann Hauptläufe");
    if (regeln.qualifikationAufJederSpur)
        text.replace(QStringLiteral(", dann"), QStringLiteral(" auf jeder Spur, dann"));
    if (regeln.aufsteiger)
        text += QStringLiteral(" mit Aufsteigern");
    if (regeln.hauptlaufmodus == Hauptlaufmodus::Rotation)
        text += QStringLiteral(", jeder Hauptlauf als Rotation");
    return text;
}

// Once the mains are set without a result of the qualifying, the racers learn why the roster
// seeded them.
QString aufstellungshinweis(const Rennabend& abend) {
    const bool eingeteilt = std::any_of(abend.plan.begin(), abend.plan.end(),
                                        [](const Paarung& p) { return p.hauptlauf > 0; });
    if (!abend.regeln.qualifikation || !eingeteilt)
        return {};
    return abendhauptlaeufe(abend).aufstellung.hinweis();
}

// "3", "7 Finale"; in a night with a qualifying "2 Qualifikation", "5 A-Hauptlauf".
QString eintragsnummer(const Rennabend& abend, const Paarung& p, int nummer) {
    if (p.finale)
        return QStringLiteral("%1 Finale").arg(nummer);
    if (p.hauptlauf > 0)
        return QStringLiteral("%1 %2-Hauptlauf")
            .arg(nummer)
            .arg(hauptlaufName(static_cast<std::size_t>(p.hauptlauf - 1)));
    if (abend.regeln.qualifikation)
        return QStringLiteral("%1 Qualifikation").arg(nummer);
    return QString::number(nummer);
}
} // namespace

QString alsNaechstes(const Rennabendleiter& leiter) {
    if (const std::optional<QString> grund = leiter.ohneBahn())
        return *grund;
    const std::optional<Spuren<QString>> spuren = leiter.naechsteSpuren();
    return spuren ? alsNaechstesText(*leiter.naechste(), *spuren) : QString();
}

QString rennabendformatText(Rennabendformat format) {
    switch (format) {
    case Rennabendformat::Rotation: return QStringLiteral("Rotation (einzelne Läufe)");
    case Rennabendformat::Spurrotation:
        return QStringLiteral("Spurrotation (jeder einmal auf jeder Spur)");
    case Rennabendformat::JederGegenJeden: break;
    }
    return QStringLiteral("Jeder gegen jeden (Begegnungen mit Spurwechsel)");
}

QString abendwertungText(Abendwertung wertung) {
    switch (wertung) {
    case Abendwertung::Gesamtrunden:
        return QStringLiteral("Gesamtrunden (Distanz über alle Läufe)");
    case Abendwertung::Platzpunkte: return QStringLiteral("Platzpunkte (je Platz eines Laufs)");
    case Abendwertung::Siege: break;
    }
    return QStringLiteral("Siege");
}

RennabendLogik::RennabendLogik(Rennabendleiter& leiter, Dialoge& dialoge)
    : m_leiter(leiter), m_dialoge(dialoge) {}

std::vector<QStringList> RennabendLogik::zeilen() const {
    std::vector<QStringList> zeilen;
    const bool punkte = mitPunkten(m_leiter.abend().regeln);
    int platz = 0;
    for (const Tabellenzeile& z : m_leiter.tabelle()) {
        QStringList zeile{QString::number(++platz),
                          z.ausgeschieden ? z.fahrer + QStringLiteral(" (ausgeschieden)")
                                          : z.fahrer};
        if (punkte)
            zeile << QString::number(z.punkte);
        zeile << QString::number(z.siege) << QString::number(z.gewertet)
              << (m_leiter.abend().nachZeit() ? Zahlenformat::ZahlFormatieren(z.distanz)
                                              : sekunden(z.gesamtzeit))
              << (z.besteRunde ? sekunden(*z.besteRunde) : QStringLiteral("–"));
        zeilen.push_back(zeile);
    }
    return zeilen;
}

RennabendAnsicht RennabendLogik::ansicht() const {
    RennabendAnsicht a;
    const Rennabend& abend = m_leiter.abend();
    a.laeuft = m_leiter.aktiv();
    a.fahrer = abend.teilnehmer;
    a.ausgeschieden = abend.ausgeschieden;
    a.format = rennabendformatText(abend.regeln.format);
    if (abend.regeln.qualifikation)
        a.format = qualifikationText(abend.regeln);
    a.saison = abend.saison;
    const std::optional<int> naechste = m_leiter.naechste();
    a.alsNaechstes = alsNaechstes(m_leiter);
    if (const QString hinweis = aufstellungshinweis(abend); !hinweis.isEmpty())
        a.alsNaechstes = hinweis + QLatin1Char('\n') + a.alsNaechstes;
    a.plankopf << QStringLiteral("Nr.");
    for (int spur = 1; spur <= abend.spurenzahl(); ++spur)
        a.plankopf << QStringLiteral("Spur %1").arg(spur);
    a.plankopf << QStringLiteral("Stand");
    for (std::size_t i = 0; i < abend.plan.size(); ++i) {
        const int nummer = static_cast<int>(i) + 1;
        Planzeile zeile;
        const Paarung& p = abend.plan[i];
        zeile.nummer = eintragsnummer(abend, p, nummer);
        for (const QString& fahrer : p.belegung())
            zeile.spuren << (fahrer.isEmpty() ? QStringLiteral("frei") : fahrer);
        for (const Abendrennen& r : abend.rennen)
            if (r.nummer == nummer)
                zeile.stand = r.rennen.sieger ? QStringLiteral("Sieger: ") + *r.rennen.sieger
                                              : QStringLiteral("unentschieden");
        if (std::find(abend.uebersprungen.begin(), abend.uebersprungen.end(), nummer) !=
            abend.uebersprungen.end())
            zeile.stand = QStringLiteral("übersprungen");
        zeile.naechste = naechste == nummer;
        if (zeile.naechste)
            zeile.stand = QStringLiteral("als Nächstes");
        a.plan.push_back(zeile);
    }
    a.tabellenkopf = QStringList{QStringLiteral("Platz"), QStringLiteral("Fahrer")};
    if (mitPunkten(abend.regeln))
        a.tabellenkopf << QStringLiteral("Punkte");
    a.tabellenkopf << QStringLiteral("Siege") << QStringLiteral("Gefahren")
                   << (abend.nachZeit() ? QStringLiteral("Distanz (Rd.)")
                                        : QStringLiteral("Gesamtzeit"))
                   << QStringLiteral("Beste Runde");
    a.tabelle = zeilen();
    return a;
}

bool RennabendLogik::beginnen(const QString& namen, Rennabendregeln regeln, const QString& saison,
                              const QString& platzpunkte) {
    const QStringList fahrer = fahrernamenTrennen(namen);
    if (const std::optional<QString> fehler =
            fahrerlisteFehler(fahrer, meisteFahrer(regeln.format))) {
        m_dialoge.meldung(*fehler, Titel);
        return false;
    }
    if (regeln.wertung == Abendwertung::Platzpunkte) {
        if (const std::optional<QString> fehler = punktelisteFehler(platzpunkte)) {
            m_dialoge.meldung(QStringLiteral("Die Platzpunkte gehen nicht: ") + *fehler, Titel);
            return false;
        }
        regeln.platzpunkte = *punktelisteLesen(platzpunkte);
    }
    if (m_leiter.aktiv() && m_leiter.naechste() &&
        !m_dialoge.frage(QStringLiteral("Der laufende Rennabend ist noch nicht zu Ende. Einen "
                                        "neuen beginnen? Seine Rennen bleiben im Verlauf."),
                         Titel))
        return false;
    m_leiter.beginnen(fahrer, regeln, saison, fahrerklassenTrennen(namen));
    return true;
}

void RennabendLogik::hinzufuegen(const QString& name) {
    QString fehler;
    const Fahrerangabe dazu = fahrerangabe(name);
    if (!m_leiter.fahrerHinzufuegen(dazu.name, fehler, dazu.klasse))
        m_dialoge.meldung(fehler, Titel);
}

void RennabendLogik::entfernen(const QString& name) {
    QString fehler;
    if (!m_leiter.fahrerEntfernen(name, fehler))
        m_dialoge.meldung(fehler, Titel);
}

namespace {
QString abendtitel(const RennabendAnsicht& a) {
    return a.saison.isEmpty() ? Titel : Titel + QStringLiteral(" – Saison ") + a.saison;
}
} // namespace

Tabelle RennabendLogik::tabelle() const {
    const RennabendAnsicht a = ansicht();
    return {Titel, abendtitel(a), a.format, a.tabellenkopf, a.tabelle};
}

Tabelle RennabendLogik::laufplan() const {
    const RennabendAnsicht a = ansicht();
    std::vector<QStringList> zeilen;
    for (const Planzeile& z : a.plan)
        zeilen.push_back(QStringList{z.nummer} + z.spuren + QStringList{z.stand});
    return {QStringLiteral("Laufplan"), QStringLiteral("Laufplan – ") + abendtitel(a), a.format,
            a.plankopf, zeilen};
}
