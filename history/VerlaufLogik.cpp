#include "VerlaufLogik.h"

#include "Rennseite.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsseiten.h"
#include "Verlaufstasten.h"

VerlaufLogik::VerlaufLogik(Verlaufsleser& leser, Dialoge& dialoge, QString exportordner,
                           Wartende wartende, Ergebnisdatei ergebnisdatei, Saisonquelle saisons)
    : m_anfragen(leser), m_dialoge(dialoge), m_ergebnisdatei(std::move(ergebnisdatei)),
      m_liste(m_anfragen, std::move(wartende)),
      m_export(m_anfragen, dialoge, std::move(exportordner), m_liste.wartendeQuelle()),
      m_loeschung(m_anfragen, dialoge, m_liste),
      m_korrektur(m_anfragen, dialoge,
                  [this](qint64 nummer, bool korrigieren) { rennenZeigen(nummer, korrigieren); }),
      m_saison(m_anfragen, dialoge, std::move(saisons)) {
    m_anfragen.nachAntwort([this] {
        darstellen();
        if (m_beiAenderung)
            m_beiAenderung();
    });
    darstellen();
    m_liste.laden();
}

VerlaufLogik::~VerlaufLogik() = default;

void VerlaufLogik::darstellen() {
    QStringList hinweise = m_liste.hinweise();
    if (!m_export.hinweis().isEmpty())
        hinweise << m_export.hinweis();
    VerlaufAnsicht& a = m_ansicht;
    a.hinweis = hinweise.join(QLatin1Char('\n'));
    a.seite = m_seite;
    a.korrektur = m_korrektur.korrektur() != nullptr;
    m_liste.darstellen(a);
    a.tabellenkopf.clear();
    a.tabelle.clear();
    a.tabellentitel.clear();
    switch (m_seite) {
    case Seite::Liste: {
        a.ueberschrift.clear();
        a.angaben.clear();
        a.diagramm = {};
        const Rennzeile* gewaehlt = m_liste.gewaehlt();
        a.tasten = listentasten(m_saison.vorhanden(),
                                gewaehlt ? gewaehlt->namen.anzahl() : KleinsteSpurenzahl);
        break;
    }
    case Seite::Rennen: {
        const Neubewertung* neu = m_neuBewertung ? &*m_neuBewertung : nullptr;
        rennseiteFuellen(a, {m_rennen, *gezeigt(), m_korrektur.korrektur(), neu});
        a.tasten = renntasten({*gezeigt(), m_korrektur.korrektur() != nullptr, neu != nullptr,
                               bool(m_ergebnisdatei)});
        break;
    }
    case Seite::Fahrer:
        fahrerseiteFuellen(a, m_bilanz);
        a.tasten = fahrertasten(m_fahrer);
        break;
    case Seite::Saison:
        m_saison.darstellen(a);
        a.tasten = saisontasten();
        break;
    }
}

void VerlaufLogik::filterSetzen(const QString& text) {
    m_liste.filterSetzen(text);
    darstellen();
}

void VerlaufLogik::auswahlSetzen(int zeile) {
    m_liste.auswahlSetzen(zeile);
    darstellen();
}

const Rennaufzeichnung* VerlaufLogik::gezeigt() const {
    if (const Korrektur* k = m_korrektur.korrektur())
        return &k->rennen();
    return m_gezeigt ? &*m_gezeigt : nullptr;
}

void VerlaufLogik::oeffnen() {
    if (m_seite == Seite::Rennen && m_neuBewertung)
        neuBewertungUebernehmen();
    else if (m_seite == Seite::Liste)
        if (const Rennzeile* z = m_liste.gewaehlt())
            rennenZeigen(z->nummer);
    darstellen();
}

void VerlaufLogik::fahrerOeffnen(int spur) {
    // A lane the race did not have opens no page.
    if (spur < 1)
        return;
    if (m_seite == Seite::Rennen) {
        const Rennaufzeichnung& r = *gezeigt();
        if (spur <= r.spurenzahl())
            fahrerZeigen(r.laeufe.empty() ? QString() : r.laeufe[0][spur].fahrer);
    } else if (m_seite == Seite::Liste) {
        if (const Rennzeile* z = m_liste.gewaehlt(); z && spur <= z->namen.anzahl())
            fahrerZeigen(z->namen[spur]);
    }
}

bool VerlaufLogik::zurueck() {
    m_anfragen.seiteVerlassen();
    switch (m_seite) {
    case Seite::Liste:
        // A filter goes first, then the window.
        if (m_liste.filter().isEmpty())
            return false;
        m_liste.filterSetzen(QString());
        break;
    case Seite::Rennen:
        if (m_neuBewertung)
            m_neuBewertung.reset();
        else if (m_korrektur.korrektur())
            korrekturBeenden();
        else
            listeZeigen();
        break;
    case Seite::Saison: listeZeigen(); break;
    case Seite::Fahrer:
        if (m_vorFahrer == Seite::Rennen && m_gezeigt)
            m_seite = Seite::Rennen;
        else
            listeZeigen();
        break;
    }
    darstellen();
    return true;
}

void VerlaufLogik::listeZeigen() {
    m_seite = Seite::Liste;
    m_rennen.reset();
    m_gezeigt.reset();
    m_korrektur.beenden();
    m_neuBewertung.reset();
}

void VerlaufLogik::rennenZeigen(qint64 nummer, bool korrigieren) {
    if (nummer < 0) {
        if (const Rennaufzeichnung* r = m_liste.wartendes(nummer))
            rennseiteZeigen(std::nullopt, *r);
        return;
    }
    using Antwort = std::pair<std::optional<Rennaufzeichnung>, QString>;
    m_anfragen.fragen<Antwort>(
        [nummer](Verlaufsdatenbank& db) {
            Verlaufsabfragen abfragen(db);
            std::optional<Rennaufzeichnung> r = abfragen.rennen(nummer);
            return Antwort{std::move(r), abfragen.fehler()};
        },
        [this, nummer, korrigieren](Antwort& a) {
            if (!a.first) {
                m_dialoge.meldung(QStringLiteral("Das Rennen lässt sich nicht lesen: ") +
                                      (a.second.isEmpty()
                                           ? QStringLiteral("Es ist nicht mehr gespeichert.")
                                           : a.second),
                                  Verlaufstitel);
                return;
            }
            rennseiteZeigen(nummer, std::move(*a.first));
            if (korrigieren)
                m_korrektur.beginnen(*m_gezeigt);
        },
        true);
}

void VerlaufLogik::rennseiteZeigen(std::optional<qint64> nummer, Rennaufzeichnung rennen) {
    m_korrektur.beenden();
    m_neuBewertung.reset();
    m_seite = Seite::Rennen;
    m_rennen = nummer;
    m_gezeigt = std::move(rennen);
}

void VerlaufLogik::fahrerZeigen(const QString& name) {
    using Antwort = std::pair<Fahrerbilanz, QString>;
    m_anfragen.fragen<Antwort>(
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
            if (m_seite != Seite::Fahrer)
                m_vorFahrer = m_seite;
            korrekturBeenden();
            m_neuBewertung.reset();
            m_seite = Seite::Fahrer;
            m_fahrer = name;
            m_bilanz = std::move(a.first);
        },
        true);
}

void VerlaufLogik::korrekturBeenden() {
    if (const Korrektur* k = m_korrektur.korrektur()) {
        m_gezeigt = k->rennen();
        m_korrektur.beenden();
    }
}

void VerlaufLogik::loeschen() {
    if (m_korrektur.korrektur()) {
        m_korrektur.durchfahrtLoeschen(*m_rennen);
        darstellen();
        return;
    }
    using Art = Loeschziel::Art;
    Loeschziel ziel;
    switch (m_seite) {
    case Seite::Liste:
        if (const Rennzeile* z = m_liste.gewaehlt())
            ziel = z->wartet ? Loeschziel{Art::Wartend, 0, {}}
                             : Loeschziel{Art::Rennen, z->nummer, {}};
        break;
    case Seite::Rennen:
        if (gezeigt())
            ziel =
                m_rennen ? Loeschziel{Art::Rennen, *m_rennen, {}} : Loeschziel{Art::Wartend, 0, {}};
        break;
    case Seite::Fahrer: ziel = {Art::Fahrer, 0, m_fahrer}; break;
    case Seite::Saison: break;
    }
    m_loeschung.loeschen(ziel, [this] {
        listeZeigen();
        m_liste.laden();
    });
}

Exportauftrag::Auswahl VerlaufLogik::exportauswahl() const {
    return {m_seite == Seite::Rennen ? gezeigt() : nullptr, m_rennen};
}

QString VerlaufLogik::exportvorschlag() const {
    return m_export.vorschlag(exportauswahl());
}

void VerlaufLogik::exportieren(const QString& pfad) {
    m_export.exportieren(pfad, exportauswahl());
    darstellen();
}

bool VerlaufLogik::aenderbar(const QString& was) {
    if (m_seite != Seite::Rennen || !gezeigt())
        return false;
    return m_liste.aenderbar(m_dialoge, !m_rennen, was);
}

void VerlaufLogik::korrigieren() {
    if (m_korrektur.korrektur() || !aenderbar(QStringLiteral("korrigieren")))
        return;
    m_neuBewertung.reset();
    m_korrektur.beginnen(*m_gezeigt);
    darstellen();
}

void VerlaufLogik::korrekturSpur(int schritt) {
    if (Korrektur* k = m_korrektur.korrektur()) {
        k->spurWechseln(schritt);
        darstellen();
    }
}

void VerlaufLogik::korrekturRunde(int schritt) {
    if (Korrektur* k = m_korrektur.korrektur()) {
        k->rundeWechseln(schritt);
        darstellen();
    }
}

void VerlaufLogik::durchfahrtEinfuegen(bool zeitFragen) {
    if (m_korrektur.korrektur()) {
        m_korrektur.durchfahrtEinfuegen(*m_rennen, zeitFragen);
        darstellen();
    }
}

void VerlaufLogik::strafeGeben() {
    if (m_korrektur.korrektur()) {
        m_korrektur.strafeGeben(*m_rennen);
        darstellen();
    }
}

void VerlaufLogik::strafeZuruecknehmen() {
    if (m_korrektur.korrektur()) {
        m_korrektur.strafeZuruecknehmen(*m_rennen);
        darstellen();
    }
}

void VerlaufLogik::korrekturRueckgaengig() {
    if (m_korrektur.korrektur()) {
        m_korrektur.rueckgaengig(*m_rennen);
        darstellen();
    }
}

void VerlaufLogik::originalWiederherstellen() {
    if (!gezeigt() || !gezeigt()->korrigiert() || !aenderbar(QStringLiteral("wiederherstellen")))
        return;
    m_korrektur.originalWiederherstellen(*m_rennen);
}

void VerlaufLogik::ergebnisdateiSchreiben() {
    if (!m_ergebnisdatei || m_seite != Seite::Rennen || !gezeigt())
        return;
    if (Korrektur* k = m_korrektur.korrektur()) {
        m_ergebnisdatei(k->rennmodell());
        return;
    }
    Korrektur unveraendert(*m_gezeigt);
    m_ergebnisdatei(unveraendert.rennmodell());
}

void VerlaufLogik::neuBewerten() {
    if (m_seite != Seite::Rennen || !m_gezeigt || m_korrektur.korrektur())
        return;
    if (std::optional<Neubewertung> neu = ::neuBewerten(m_dialoge, *m_gezeigt)) {
        m_neuBewertung = std::move(neu);
        darstellen();
    }
}

void VerlaufLogik::neuBewertungUebernehmen() {
    Neubewertung neu = *std::exchange(m_neuBewertung, std::nullopt);
    if (!aenderbar(QStringLiteral("korrigieren")))
        return;
    const Rennaufzeichnung bisher = *m_gezeigt;
    m_gezeigt = neu.rennen;
    m_korrektur.uebernehmen(*m_rennen, bisher, std::move(neu.rennen));
}

void VerlaufLogik::saisonZeigen() {
    if (!m_saison.vorhanden() || m_seite != Seite::Liste)
        return;
    m_saison.laden([this] { m_seite = Seite::Saison; });
}

void VerlaufLogik::saisonWechseln(int schritt) {
    if (m_seite != Seite::Saison)
        return;
    m_saison.wechseln(schritt);
    darstellen();
}

void VerlaufLogik::streichresultateFragen() {
    if (m_seite != Seite::Saison)
        return;
    m_saison.streichresultateFragen([this] {
        // The table again from the nights, with the season shown still shown.
        if (m_seite == Seite::Saison)
            m_saison.laden([] {}, true);
    });
}

Tabelle VerlaufLogik::saisontabelle() const {
    return m_seite == Seite::Saison ? m_saison.tabelle() : Tabelle{};
}
