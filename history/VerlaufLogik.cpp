#include "VerlaufLogik.h"

#include "Verlaufsexport.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsspeicher.h"
#include "Zahlenformat.h"

#include <QDir>

using Zahlenformat::ZahlFormatieren;
using Seite = VerlaufAnsicht::Seite;

namespace {
// "2026-05-01T14:03:22+02:00" as "01.05.2026 14:03", the time where the race was driven.
QString datumText(const QString& iso) {
    if (iso.size() < 16)
        return iso;
    return iso.mid(8, 2) + QLatin1Char('.') + iso.mid(5, 2) + QLatin1Char('.') + iso.left(4) +
           QLatin1Char(' ') + iso.mid(11, 5);
}

QString tagText(const QString& iso) {
    return datumText(iso).left(10);
}

QString artName(Rennart art) {
    switch (art) {
    case Rennart::Training: return QStringLiteral("Training");
    case Rennart::Spurwechsel: return QStringLiteral("Spurwechsel");
    case Rennart::Rennen: break;
    }
    return QStringLiteral("Rennen");
}

QString quellenName(Signalquelle quelle) {
    switch (quelle) {
    case Signalquelle::Box: return QStringLiteral("Zeitnahme-Box");
    case Signalquelle::Tastatur: return QStringLiteral("Tastatur");
    case Signalquelle::Simulation: return QStringLiteral("Simulation");
    case Signalquelle::Sensoren: break;
    }
    return QStringLiteral("Sensoren");
}

QString sekunden(double wert) {
    return ZahlFormatieren(wert) + QStringLiteral(" s");
}

QString ergebnisText(bool abgebrochen, const std::optional<QString>& sieger) {
    if (abgebrochen)
        return QStringLiteral("abgebrochen");
    return sieger ? *sieger : QStringLiteral("Unentschieden");
}

Rennzeile zeile(const Rennkopf& k) {
    Rennzeile z;
    z.nummer = k.nummer;
    z.datum = datumText(k.beginn);
    z.modus = artName(k.art);
    z.fahrer = k.fahrer[1] + QStringLiteral(" – ") + k.fahrer[2];
    z.runden = QString::number(k.rundenzahl);
    z.sieger = ergebnisText(k.abgebrochen, k.sieger);
    if (k.besteZeit)
        z.besteRunde = sekunden(*k.besteZeit) + QLatin1Char(' ') + k.besterFahrer;
    z.namen = k.fahrer;
    return z;
}

// One lane of one heat: its figures and its line on the chart.
QString fahrtText(const Spurfahrt& f) {
    QStringList teile;
    if (f.gesamtzeit)
        teile << QStringLiteral("Gesamt ") + sekunden(*f.gesamtzeit);
    else
        teile << QStringLiteral("nicht im Ziel");
    if (f.schnitt)
        teile << QStringLiteral("Schnitt ") + ZahlFormatieren(*f.schnitt) + QStringLiteral(" m/s");
    if (const std::optional<int> beste = f.besteRunde())
        teile << QStringLiteral("beste Runde ") + sekunden(f.runden[std::size_t(*beste - 1)].zeit) +
                     QStringLiteral(" (Runde %1)").arg(*beste);
    const auto hand = std::count_if(f.runden.begin(), f.runden.end(),
                                    [](const Rundeneintrag& r) { return r.vonHand; });
    if (hand == 1)
        teile << QStringLiteral("1 Runde von Hand");
    else if (hand > 1)
        teile << QStringLiteral("%1 Runden von Hand").arg(hand);
    return teile.join(QStringLiteral(", "));
}

Kurve rundenkurve(const Spurfahrt& f, const QString& name) {
    Kurve k;
    k.name = name;
    k.farbe = f.farbe;
    const std::optional<int> beste = f.besteRunde();
    for (std::size_t i = 0; i < f.runden.size(); ++i) {
        const QPointF punkt(double(i + 1), f.runden[i].zeit);
        k.punkte.push_back(punkt);
        if (beste && std::size_t(*beste) == i + 1)
            k.bestzeiten.push_back(punkt);
        if (f.runden[i].vonHand)
            k.handrunden.push_back(punkt);
    }
    return k;
}

// The lanes' own colours when they tell the lanes apart; otherwise the chart's.
void farbenPruefen(std::vector<Kurve>& kurven) {
    for (std::size_t i = 0; i + 1 < kurven.size(); i += 2)
        if (kurven[i].farbe == kurven[i + 1].farbe)
            kurven[i].farbe = kurven[i + 1].farbe = std::nullopt;
}

const QString Auswahltasten = QStringLiteral("Strg+1 / Strg+2: Fahrer");
} // namespace

VerlaufLogik::VerlaufLogik(Verlaufsdatenbank& datenbank, Dialoge& dialoge, QString exportordner)
    : m_db(datenbank), m_abfragen(datenbank), m_dialoge(dialoge),
      m_exportordner(std::move(exportordner)) {
    if (m_db.db().isOpen() && !m_db.beschreibbar())
        m_ansicht.hinweis = QStringLiteral("Die Renndatenbank stammt aus einer neueren Version "
                                           "von Rundomat: nur ansehen und exportieren.");
    listeLaden();
    listeZeigen();
}

void VerlaufLogik::listeLaden() {
    m_alle.clear();
    if (!m_db.db().isOpen()) {
        m_ansicht.leertext = QStringLiteral("Noch keine Rennen gespeichert.");
        return;
    }
    const std::vector<Rennkopf> liste = m_abfragen.rennliste();
    m_alle.reserve(liste.size());
    for (const Rennkopf& k : liste)
        m_alle.push_back(zeile(k));
    if (!m_abfragen.fehler().isEmpty())
        m_ansicht.hinweis =
            QStringLiteral("Die Renndatenbank lässt sich nicht lesen: ") + m_abfragen.fehler();
    filterSetzen(m_ansicht.filter);
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
    if (m_alle.empty())
        m_ansicht.leertext = QStringLiteral("Noch keine Rennen gespeichert.");
    else if (anzahl == 0)
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
    switch (m_ansicht.seite) {
    case Seite::Liste:
        // A filter goes first, then the window.
        if (m_ansicht.filter.isEmpty())
            return false;
        filterSetzen(QString());
        break;
    case Seite::Rennen: listeZeigen(); break;
    case Seite::Fahrer:
        if (m_vorFahrer == Seite::Rennen && m_rennen)
            rennenZeigen(*m_rennen);
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
    m_ansicht.diagramm = {};
    m_rennen.reset();
    tastenSetzen();
}

void VerlaufLogik::rennenZeigen(qint64 nummer) {
    const std::optional<Rennaufzeichnung> r = m_abfragen.rennen(nummer);
    if (!r) {
        m_dialoge.meldung(QStringLiteral("Das Rennen lässt sich nicht lesen: ") +
                              m_abfragen.fehler(),
                          Verlaufstitel);
        return;
    }
    m_rennen = nummer;
    m_ansicht.seite = Seite::Rennen;
    m_ansicht.ueberschrift =
        QStringLiteral("Rennen %1 vom ").arg(nummer) + datumText(r->beginn.toString(Qt::ISODate));
    m_ansicht.angaben = {artName(r->art) + QStringLiteral(" über %1 Runden à ").arg(r->rundenzahl) +
                             Zahlenformat::allgemein(r->kurslaenge) +
                             QStringLiteral(" m, Prellzeit ") +
                             Zahlenformat::allgemein(r->prellzeit) +
                             QStringLiteral(" s, Signale: ") + quellenName(r->quelle),
                         r->abgebrochen ? QStringLiteral("Abgebrochen")
                                        : (r->sieger ? QStringLiteral("Sieger: ") + *r->sieger
                                                     : QStringLiteral("Unentschieden"))};
    m_ansicht.diagramm = {QStringLiteral("Rundenzeiten"),
                          QStringLiteral("Runde"),
                          QStringLiteral("Zeit (s)"),
                          false,
                          {}};
    const bool zweiLaeufe = r->laeufe.size() > 1;
    for (std::size_t lauf = 0; lauf < r->laeufe.size(); ++lauf)
        for (int spur = 1; spur <= 2; ++spur) {
            const Spurfahrt& f = r->laeufe[lauf][spur];
            const QString wo = zweiLaeufe
                                   ? QStringLiteral("Lauf %1, Spur %2").arg(lauf + 1).arg(spur)
                                   : QStringLiteral("Spur %1").arg(spur);
            m_ansicht.angaben << wo + QStringLiteral(" – ") + f.fahrer + QStringLiteral(": ") +
                                     fahrtText(f);
            m_ansicht.diagramm.kurven.push_back(
                rundenkurve(f, f.fahrer + QStringLiteral(" (") + wo + QLatin1Char(')')));
        }
    farbenPruefen(m_ansicht.diagramm.kurven);
    for (int spur = 1; spur <= 2; ++spur)
        m_rennfahrer[spur] = r->laeufe.empty() ? QString() : r->laeufe[0][spur].fahrer;
    tastenSetzen();
}

void VerlaufLogik::fahrerZeigen(const QString& name) {
    const Fahrerbilanz b = m_abfragen.fahrer(name);
    if (!m_abfragen.fehler().isEmpty()) {
        m_dialoge.meldung(QStringLiteral("Die Rennen von ") + name +
                              QStringLiteral(" lassen sich nicht lesen: ") + m_abfragen.fehler(),
                          Verlaufstitel);
        return;
    }
    if (m_ansicht.seite != Seite::Fahrer)
        m_vorFahrer = m_ansicht.seite;
    m_fahrer = name;
    m_ansicht.seite = Seite::Fahrer;
    m_ansicht.ueberschrift = name;
    m_ansicht.angaben = {QStringLiteral("Rennen: %1").arg(b.rennen) +
                             (b.abgebrochen
                                  ? QStringLiteral(" (davon %1 abgebrochen)").arg(b.abgebrochen)
                                  : QString()),
                         QStringLiteral("Siege: %1").arg(b.siege)};
    const auto wann = [](const Bestleistung& l) {
        return QStringLiteral(" am ") + tagText(l.beginn) +
               QStringLiteral(" im Rennen %1").arg(l.rennen);
    };
    if (b.besteRunde)
        m_ansicht.angaben << QStringLiteral("Beste Runde: ") + sekunden(b.besteRunde->wert) +
                                 wann(*b.besteRunde);
    if (b.besterSchnitt)
        m_ansicht.angaben << QStringLiteral("Bester Schnitt: ") +
                                 ZahlFormatieren(b.besterSchnitt->wert) + QStringLiteral(" m/s") +
                                 wann(*b.besterSchnitt);
    Kurve tage;
    tage.name = QStringLiteral("Beste Runde");
    for (const auto& [tag, zeit] : b.tagesbestzeiten)
        tage.punkte.emplace_back(double(tag.startOfDay().toMSecsSinceEpoch()), zeit);
    m_ansicht.diagramm = {QStringLiteral("Beste Runde je Tag"),
                          QStringLiteral("Tag"),
                          QStringLiteral("Zeit (s)"),
                          true,
                          {std::move(tage)}};
    tastenSetzen();
}

void VerlaufLogik::tastenSetzen() {
    switch (m_ansicht.seite) {
    case Seite::Liste:
        m_ansicht.tasten = QStringLiteral("Tippen: nach Fahrer filtern   ↑↓: wählen   Enter: "
                                          "Rennen öffnen   ") +
                           Auswahltasten +
                           QStringLiteral("   Entf: löschen   Strg+E: alle exportieren   Esc: "
                                          "schließen");
        break;
    case Seite::Rennen:
        m_ansicht.tasten = Auswahltasten + QStringLiteral("   Entf: Rennen löschen   Strg+E: "
                                                          "Rennen exportieren   Esc: zurück");
        break;
    case Seite::Fahrer:
        m_ansicht.tasten = QStringLiteral("Entf: alle Rennen von ") + m_fahrer +
                           QStringLiteral(" löschen   Strg+E: alle exportieren   Esc: zurück");
        break;
    }
}

void VerlaufLogik::loeschen() {
    if (!m_db.beschreibbar()) {
        if (m_db.db().isOpen())
            m_dialoge.meldung(QStringLiteral("Die Renndatenbank stammt aus einer neueren Version "
                                             "von Rundomat und wird nicht verändert."),
                              Verlaufstitel);
        return;
    }
    Verlaufsspeicher speicher(m_db);
    std::optional<QString> fehler;
    if (m_ansicht.seite == Seite::Fahrer) {
        if (!m_dialoge.frage(QStringLiteral("Alle Rennen von ") + m_fahrer +
                                 QStringLiteral(" löschen? Das lässt sich nicht rückgängig "
                                                "machen."),
                             Verlaufstitel))
            return;
        fehler = speicher.fahrerLoeschen(m_fahrer);
    } else {
        const std::optional<qint64> nummer =
            m_ansicht.seite == Seite::Rennen
                ? m_rennen
                : (gewaehlt() ? std::optional<qint64>(gewaehlt()->nummer) : std::nullopt);
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
        fehler = speicher.loeschen(*nummer);
    }
    if (fehler) {
        m_dialoge.meldung(QStringLiteral("Das Löschen ist fehlgeschlagen: ") + *fehler,
                          Verlaufstitel);
        return;
    }
    listeLaden();
    listeZeigen();
}

QString VerlaufLogik::exportvorschlag() const {
    const QString name = m_ansicht.seite == Seite::Rennen && m_rennen
                             ? QStringLiteral("rennen-%1.csv").arg(*m_rennen)
                             : QStringLiteral("rennverlauf.csv");
    return QDir(m_exportordner).filePath(name);
}

void VerlaufLogik::exportieren(const QString& pfad) {
    if (pfad.isEmpty())
        return;
    const std::optional<qint64> nur = m_ansicht.seite == Seite::Rennen ? m_rennen : std::nullopt;
    if (const std::optional<QString> fehler = verlaufExportieren(m_abfragen, pfad, nur))
        m_dialoge.meldung(QStringLiteral("Der Rennverlauf konnte nicht nach ") +
                              QDir::toNativeSeparators(pfad) +
                              QStringLiteral(" exportiert werden: ") + *fehler,
                          Verlaufstitel);
    else
        m_ansicht.hinweis = (nur ? QStringLiteral("Rennen %1 exportiert nach ").arg(*nur)
                                 : QStringLiteral("Rennverlauf exportiert nach ")) +
                            QDir::toNativeSeparators(pfad);
}
