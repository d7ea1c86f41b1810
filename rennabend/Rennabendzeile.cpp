#include "Rennabendzeile.h"

#include "Punkteliste.h"
#include "Rundentabelle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {
QString alsText(const QJsonArray& liste) {
    return QString::fromUtf8(QJsonDocument(liste).toJson(QJsonDocument::Compact));
}

// A column of JSON text that holds a list; none for anything else.
std::optional<QJsonArray> jsonliste(const QVariant& spalte) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(spalte.toString().toUtf8(), &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isArray())
        return std::nullopt;
    return dokument.array();
}

// A whole number as SQLite keeps one, as an integer or as its text; none for anything else.
std::optional<qint64> ganzzahl(const QVariant& spalte) {
    bool gelesen = false;
    const qint64 zahl = spalte.toString().toLongLong(&gelesen);
    return gelesen ? std::optional<qint64>(zahl) : std::nullopt;
}

// What an entry of the plan is in this format, one and many: "Begegnung", "Begegnungen".
QString eintrag(Rennabendformat format) {
    return format == Rennabendformat::JederGegenJeden ? QStringLiteral("Begegnung")
                                                      : QStringLiteral("Lauf");
}

QString eintraege(Rennabendformat format) {
    return format == Rennabendformat::JederGegenJeden ? QStringLiteral("Begegnungen")
                                                      : QStringLiteral("Läufe");
}

// Reads a row column by column, every column as far as it goes, and keeps the first thing
// that does not hold together: the night code after it relies on all of it.
class Zeilenleser {
public:
    explicit Zeilenleser(GespeicherterRennabend& gelesen) : m_g(gelesen), m_a(gelesen.abend) {}

    void lesen(const Rennabendzeile& z) {
        m_a.schluessel = z.schluessel.toString();
        if (m_a.schluessel.isEmpty())
            fehler(QStringLiteral("Er hat keinen Schlüssel."));
        m_a.beginn = QDateTime::fromString(z.beginn.toString(), Qt::ISODate);
        if (!m_a.beginn.isValid())
            fehler(QStringLiteral("Sein Beginn „%1“ ist kein Zeitpunkt.").arg(z.beginn.toString()));
        m_a.saison = z.saison.toString();
        if (const std::optional<Rennabendformat> f = rennabendformatLesen(z.format.toString()))
            m_a.regeln.format = *f;
        else
            fehler(QStringLiteral("Sein Format „%1“ ist unbekannt.").arg(z.format.toString()));
        m_a.regeln.finale = schalter(z.finale, QStringLiteral("finale"));
        if (const std::optional<Punktwertung> p = punktwertungLesen(z.punkte.toString()))
            m_a.regeln.punkte = *p;
        else
            fehler(QStringLiteral("Seine Punktwertung „%1“ ist nicht lesbar.")
                       .arg(z.punkte.toString()));
        teilnehmerLesen(z.teilnehmer);
        ausgeschiedeneLesen(z.ausgeschieden);
        planLesen(z.plan);
        uebersprungeneLesen(z.uebersprungen);
        if (!z.wiederholung.isNull()) {
            const std::optional<qint64> nummer = ganzzahl(z.wiederholung);
            if (!nummer)
                fehler(QStringLiteral("Die Wiederholung „%1“ ist keine Nummer.")
                           .arg(z.wiederholung.toString()));
            else if (imPlan(*nummer, QStringLiteral("Die Wiederholung nennt")))
                m_a.wiederholung = static_cast<int>(*nummer);
        }
        m_a.beendet = schalter(z.beendet, QStringLiteral("beendet"));
        if (!z.rennformat.isNull())
            rennformatLesen(z.rennformat);
        if (const std::optional<Fahrerklassen> k = klassenLesen(z.klassen.toString()))
            m_a.klassen = *k;
        else
            fehler(QStringLiteral("Seine Fahrerklassen „%1“ sind nicht lesbar.")
                       .arg(z.klassen.toString()));
    }

    void fehler(const QString& satz) {
        if (!m_g.beschaedigt)
            m_g.beschaedigt = satz;
    }
    // False, told as "<wer> Begegnung 9 von 6.", for a number that is no entry of the plan.
    bool imPlan(qint64 nummer, const QString& wer) {
        const auto n = static_cast<qint64>(m_a.plan.size());
        if (nummer >= 1 && nummer <= n)
            return true;
        fehler(QStringLiteral("%1 %2 %3 von %4.")
                   .arg(wer, eintrag(m_a.regeln.format))
                   .arg(nummer)
                   .arg(n));
        return false;
    }

private:
    bool schalter(const QVariant& spalte, const QString& name) {
        const std::optional<qint64> wert = ganzzahl(spalte);
        if (wert != 0 && wert != 1)
            fehler(QStringLiteral("Die Spalte „%1“ enthält „%2“ statt 0 oder 1.")
                       .arg(name, spalte.toString()));
        return wert == 1;
    }

    // {"rennart": "Runden", "rundenzahl": 10} or {"rennart": "Zeit", "renndauer": 180,
    // "zielregel": "RundeBeenden"}.
    void rennformatLesen(const QVariant& spalte) {
        const QJsonDocument dokument = QJsonDocument::fromJson(spalte.toString().toUtf8());
        const QJsonObject o = dokument.object();
        const std::optional<Rennlaenge> art = rennartLesen(o[QStringLiteral("rennart")].toString());
        if (!dokument.isObject() || !art) {
            fehler(QStringLiteral("Sein Rennformat „%1“ ist nicht lesbar.").arg(spalte.toString()));
            return;
        }
        Abendrennformat f;
        f.rennart = *art;
        if (f.nachZeit()) {
            const qint64 dauer = o[QStringLiteral("renndauer")].toInteger(0);
            const std::optional<Zielregel> regel =
                zielregelLesen(o[QStringLiteral("zielregel")].toString());
            if (dauer < KuerzesteRenndauer || dauer > LaengsteRenndauer || !regel) {
                fehler(QStringLiteral("Sein Rennformat „%1“ nennt keine Renndauer oder keine "
                                      "Zielregel.")
                           .arg(spalte.toString()));
                return;
            }
            f.renndauer = static_cast<std::int32_t>(dauer);
            f.zielregel = *regel;
        } else {
            const qint64 runden = o[QStringLiteral("rundenzahl")].toInteger(0);
            if (runden < 1 || runden > Rundentabelle::GroessteRundenzahl) {
                fehler(QStringLiteral("Sein Rennformat „%1“ nennt keine Rundenzahl.")
                           .arg(spalte.toString()));
                return;
            }
            f.rundenzahl = static_cast<std::int32_t>(runden);
        }
        m_a.rennformat = f;
        wertungLesen(o, spalte);
        qualifikationLesen(o, spalte);
    }

    // A night with a qualifying names its kind, whether mains have bump-ups and whether they
    // are rotations: {"qualifikation": "BesteRunde", "aufsteiger": true, "hauptlaeufe":
    // "Rotation"}.
    void qualifikationLesen(const QJsonObject& o, const QVariant& spalte) {
        if (!o.contains(QStringLiteral("qualifikation")))
            return;
        m_a.regeln.qualifikation =
            qualifikationsartLesen(o[QStringLiteral("qualifikation")].toString());
        if (!m_a.regeln.qualifikation)
            fehler(QStringLiteral("Seine Qualifikation in „%1“ ist unbekannt.")
                       .arg(spalte.toString()));
        m_a.regeln.aufsteiger = o[QStringLiteral("aufsteiger")].toBool();
        m_a.regeln.qualifikationAufJederSpur = o[QStringLiteral("aufJederSpur")].toBool();
        const std::optional<Hauptlaufmodus> modus =
            hauptlaufmodusLesen(o[QStringLiteral("hauptlaeufe")].toString(
                hauptlaufmodusName(Hauptlaufmodus::Einzellauf)));
        if (!modus)
            fehler(
                QStringLiteral("Seine Hauptläufe in „%1“ sind unbekannt.").arg(spalte.toString()));
        m_a.regeln.hauptlaufmodus = modus.value_or(Hauptlaufmodus::Einzellauf);
    }

    // A night scored other than by wins says so beside its race format, with the points of
    // its places: {"wertung": "Platzpunkte", "platzpunkte": "25,22,20"}.
    void wertungLesen(const QJsonObject& o, const QVariant& spalte) {
        if (!o.contains(QStringLiteral("wertung")))
            return;
        const std::optional<Abendwertung> w =
            abendwertungLesen(o[QStringLiteral("wertung")].toString());
        if (!w) {
            fehler(QStringLiteral("Seine Wertung in „%1“ ist unbekannt.").arg(spalte.toString()));
            return;
        }
        m_a.regeln.wertung = *w;
        if (*w != Abendwertung::Platzpunkte)
            return;
        if (const auto punkte = punktelisteLesen(o[QStringLiteral("platzpunkte")].toString()))
            m_a.regeln.platzpunkte = *punkte;
        else
            fehler(QStringLiteral("Seine Platzpunkte in „%1“ sind nicht lesbar.")
                       .arg(spalte.toString()));
    }

    void teilnehmerLesen(const QVariant& spalte) {
        const std::optional<QJsonArray> liste = jsonliste(spalte);
        if (!liste) {
            fehler(QStringLiteral("Seine Fahrerliste ist nicht lesbar."));
            return;
        }
        for (const QJsonValue& t : *liste) {
            const qint64 farbe = t[QStringLiteral("farbe")].toInteger(-1);
            if (!t[QStringLiteral("name")].isString() || farbe < 0 || farbe > 0xFFFFFF) {
                fehler(QStringLiteral("Fahrer %1 seiner Fahrerliste hat keinen Namen oder keine "
                                      "Farbe.")
                           .arg(m_a.teilnehmer.size() + 1));
                continue;
            }
            m_a.teilnehmer.push_back(
                {t[QStringLiteral("name")].toString(), static_cast<Farbe>(farbe)});
        }
        if (const std::optional<QString> f = fahrerlisteFehler(fahrernamen(m_a)))
            fehler(*f);
    }

    void ausgeschiedeneLesen(const QVariant& spalte) {
        const std::optional<QJsonArray> liste = jsonliste(spalte);
        if (!liste) {
            fehler(QStringLiteral("Die Liste der ausgeschiedenen Fahrer ist nicht lesbar."));
            return;
        }
        for (const QJsonValue& wert : *liste) {
            const QString name = wert.toString();
            if (name.trimmed().isEmpty())
                fehler(QStringLiteral("Ein ausgeschiedener Fahrer hat keinen Namen."));
            else if (faehrtMit(name))
                fehler(QStringLiteral("„%1“ fährt mit und ist zugleich ausgeschieden.").arg(name));
            else if (istAusgeschieden(name))
                fehler(QStringLiteral("„%1“ ist zweimal ausgeschieden.").arg(name));
            m_a.ausgeschieden << name;
        }
    }

    void planLesen(const QVariant& spalte) {
        const std::optional<QJsonArray> liste = jsonliste(spalte);
        if (!liste) {
            fehler(QStringLiteral("Sein Plan ist nicht lesbar."));
            return;
        }
        if (liste->isEmpty())
            fehler(QStringLiteral("Sein Plan ist leer."));
        for (const QJsonValue& wert : *liste) {
            QJsonArray p = wert.toArray();
            const QString wo = QStringLiteral("%1 %2 seines Plans")
                                   .arg(eintrag(m_a.regeln.format))
                                   .arg(m_a.plan.size() + 1);
            // A driver per lane, the final's entry of two with a third element, true; a main's
            // Läufe with its number after the drivers.
            const bool finale = p.size() == 3 && p[2] == QJsonValue(true);
            if (finale)
                p.removeLast();
            int hauptlauf = 0;
            if (!p.isEmpty() && p.last().isDouble()) {
                hauptlauf = p.last().toInt();
                p.removeLast();
                if (hauptlauf < 1 || hauptlauf > MeisteFahrerSpurrotation)
                    fehler(wo + QStringLiteral(" nennt keinen Hauptlauf."));
            }
            const bool namen =
                std::all_of(p.begin(), p.end(), [](const QJsonValue& n) { return n.isString(); });
            if (p.size() < KleinsteSpurenzahl || p.size() > GroessteSpurenzahl || !namen) {
                fehler(wo + QStringLiteral(" nennt nicht je Spur einen Fahrer."));
                m_a.plan.push_back({{}, {}, finale});
                continue;
            }
            Laufbelegung lauf = Laufbelegung::fuer(static_cast<int>(p.size()));
            for (int spur = 1; spur <= lauf.anzahl(); ++spur)
                lauf[spur] = p[spur - 1].toString();
            Paarung neu = Paarung::aus(lauf);
            neu.finale = finale;
            neu.hauptlauf = hauptlauf;
            if (!m_a.plan.empty() && neu.spurenzahl() != m_a.plan.front().spurenzahl())
                fehler(wo + QStringLiteral(" hat %1 Spuren, der Plan davor %2.")
                                .arg(neu.spurenzahl())
                                .arg(m_a.plan.front().spurenzahl()));
            belegungPruefen(lauf, wo);
            m_a.plan.push_back(std::move(neu));
        }
    }

    // Every driver named belongs to the night and drives one lane at most; a free lane is
    // empty.
    void belegungPruefen(const Laufbelegung& lauf, const QString& wo) {
        for (int spur = 1; spur <= lauf.anzahl(); ++spur) {
            const QString& name = lauf[spur];
            if (name.isEmpty())
                continue;
            if (!faehrtMit(name) && !istAusgeschieden(name))
                fehler(wo + QStringLiteral(" nennt „%1“, der nicht zum Abend gehört.").arg(name));
            for (int andere = spur + 1; andere <= lauf.anzahl(); ++andere)
                if (gleicherFahrer(name, lauf[andere]))
                    fehler(wo + QStringLiteral(" lässt „%1“ gegen sich selbst fahren.").arg(name));
        }
    }

    void uebersprungeneLesen(const QVariant& spalte) {
        const std::optional<QJsonArray> liste = jsonliste(spalte);
        if (!liste) {
            fehler(QStringLiteral("Die Liste der übersprungenen %1 ist nicht lesbar.")
                       .arg(eintraege(m_a.regeln.format)));
            return;
        }
        for (const QJsonValue& wert : *liste) {
            const qint64 nummer = wert.toInteger(0);
            if (imPlan(nummer, QStringLiteral("Übersprungen ist")))
                m_a.uebersprungen.push_back(static_cast<int>(nummer));
        }
    }

    bool faehrtMit(const QString& name) const {
        return std::any_of(m_a.teilnehmer.begin(), m_a.teilnehmer.end(),
                           [&](const Teilnehmer& t) { return gleicherFahrer(t.name, name); });
    }
    bool istAusgeschieden(const QString& name) const {
        return std::any_of(m_a.ausgeschieden.begin(), m_a.ausgeschieden.end(),
                           [&](const QString& n) { return gleicherFahrer(n, name); });
    }

    GespeicherterRennabend& m_g;
    Rennabend& m_a;
};

QVariant rennformatspalte(const std::optional<Abendrennformat>& f, const Rennabendregeln& regeln) {
    if (!f)
        return {};
    QJsonObject o{{QStringLiteral("rennart"), rennartName(f->rennart)}};
    if (f->nachZeit()) {
        o.insert(QStringLiteral("renndauer"), f->renndauer);
        o.insert(QStringLiteral("zielregel"), zielregelName(f->zielregel));
    } else {
        o.insert(QStringLiteral("rundenzahl"), f->rundenzahl);
    }
    // A night scored by wins, as every night before other scorings, writes what it always did.
    if (regeln.wertung != Abendwertung::Siege)
        o.insert(QStringLiteral("wertung"), abendwertungName(regeln.wertung));
    if (regeln.wertung == Abendwertung::Platzpunkte)
        o.insert(QStringLiteral("platzpunkte"), punktelisteText(regeln.platzpunkte));
    if (regeln.qualifikation) {
        o.insert(QStringLiteral("qualifikation"), qualifikationsartName(*regeln.qualifikation));
        if (regeln.aufsteiger)
            o.insert(QStringLiteral("aufsteiger"), true);
        if (regeln.qualifikationAufJederSpur)
            o.insert(QStringLiteral("aufJederSpur"), true);
        if (regeln.hauptlaufmodus == Hauptlaufmodus::Rotation)
            o.insert(QStringLiteral("hauptlaeufe"), hauptlaufmodusName(regeln.hauptlaufmodus));
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
} // namespace

Rennabendzeile rennabendzeile(const Rennabend& a) {
    QJsonArray teilnehmer, ausgeschieden, plan, uebersprungen;
    for (const Teilnehmer& t : a.teilnehmer)
        teilnehmer.append(QJsonObject{{QStringLiteral("name"), t.name},
                                      {QStringLiteral("farbe"), qint64{t.farbe}}});
    for (const QString& name : a.ausgeschieden)
        ausgeschieden.append(name);
    // A driver per lane, "" for a free one; the final's entry carries a third element, true,
    // and a main's Lauf its main's number.
    for (const Paarung& p : a.plan) {
        QJsonArray eintrag;
        for (const QString& fahrer : p.belegung())
            eintrag.append(fahrer);
        if (p.finale)
            eintrag.append(true);
        if (p.hauptlauf > 0)
            eintrag.append(p.hauptlauf);
        plan.append(eintrag);
    }
    for (int nummer : a.uebersprungen)
        uebersprungen.append(nummer);
    // NULL for a night without classes, as every night of before.
    const QVariant klassen = a.klassen.isEmpty() ? QVariant() : QVariant(klassenText(a.klassen));
    return {a.schluessel,
            beginnText(a.beginn),
            a.saison,
            rennabendformatName(a.regeln.format),
            a.regeln.finale ? 1 : 0,
            punktwertungText(a.regeln.punkte),
            alsText(teilnehmer),
            alsText(ausgeschieden),
            alsText(plan),
            alsText(uebersprungen),
            a.wiederholung ? QVariant(*a.wiederholung) : QVariant(),
            a.beendet ? 1 : 0,
            rennformatspalte(a.rennformat, a.regeln),
            klassen};
}

GespeicherterRennabend abendAusZeile(const Rennabendzeile& zeile) {
    GespeicherterRennabend g;
    Zeilenleser(g).lesen(zeile);
    return g;
}

void rennenEinordnen(GespeicherterRennabend& g) {
    if (!g.abend.rennformat && !g.abend.rennen.empty())
        g.abend.rennformat = abendrennformatVon(g.abend.rennen.front().rennen);
    Zeilenleser leser(g);
    for (Abendrennen& r : g.abend.rennen) {
        const bool imPlan = leser.imPlan(r.nummer, QStringLiteral("Ein Rennen fuhr"));
        r.finale = imPlan && g.abend.plan[static_cast<std::size_t>(r.nummer - 1)].finale;
    }
}
