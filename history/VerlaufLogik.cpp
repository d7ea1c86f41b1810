#include "VerlaufLogik.h"

#include "Verlaufsexport.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsseiten.h"
#include "Verlaufsspeicher.h"

#include <QDir>
#include <QFileInfo>

using Seite = VerlaufAnsicht::Seite;

namespace {
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
        if (QFileInfo::exists(m_db.pfad()))
            m_ansicht.hinweis =
                QStringLiteral("Die Renndatenbank lässt sich nicht lesen: ") + m_db.fehler();
        else
            m_ansicht.leertext = QStringLiteral("Noch keine Rennen gespeichert.");
        return;
    }
    const std::vector<Rennkopf> liste = m_abfragen.rennliste();
    m_alle.reserve(liste.size());
    for (const Rennkopf& k : liste)
        m_alle.push_back(rennzeile(k));
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
    rennseiteFuellen(m_ansicht, nummer, *r);
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
    fahrerseiteFuellen(m_ansicht, b);
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
