#include "Rennabendregeln.h"

#include "Fahrerliste.h"
#include "Punkteliste.h"

#include <QStringList>

QString rennabendformatName(Rennabendformat format) {
    switch (format) {
    case Rennabendformat::Rotation: return QStringLiteral("Rotation");
    case Rennabendformat::Spurrotation: return QStringLiteral("Spurrotation");
    case Rennabendformat::JederGegenJeden: break;
    }
    return QStringLiteral("JederGegenJeden");
}

int meisteFahrer(Rennabendformat format) {
    return format == Rennabendformat::Spurrotation ? MeisteFahrerSpurrotation : MeisteFahrer;
}

Rennabendformat rennabendformatFuer(Rennabendformat format, int spurenzahl) {
    return spurenzahl > KleinsteSpurenzahl ? Rennabendformat::Spurrotation : format;
}

std::optional<Rennabendformat> rennabendformatLesen(const QString& name) {
    for (Rennabendformat format : {Rennabendformat::JederGegenJeden, Rennabendformat::Rotation,
                                   Rennabendformat::Spurrotation})
        if (name == rennabendformatName(format))
            return format;
    return std::nullopt;
}

QString abendwertungName(Abendwertung wertung) {
    switch (wertung) {
    case Abendwertung::Gesamtrunden: return QStringLiteral("Gesamtrunden");
    case Abendwertung::Platzpunkte: return QStringLiteral("Platzpunkte");
    case Abendwertung::Siege: break;
    }
    return QStringLiteral("Siege");
}

std::optional<Abendwertung> abendwertungLesen(const QString& name) {
    for (Abendwertung wertung :
         {Abendwertung::Siege, Abendwertung::Gesamtrunden, Abendwertung::Platzpunkte})
        if (name == abendwertungName(wertung))
            return wertung;
    return std::nullopt;
}

QString qualifikationsartName(Qualifikationsart art) {
    return art == Qualifikationsart::BesteRunde ? QStringLiteral("BesteRunde")
                                                : QStringLiteral("MeisteRunden");
}

std::optional<Qualifikationsart> qualifikationsartLesen(const QString& name) {
    for (Qualifikationsart art : {Qualifikationsart::BesteRunde, Qualifikationsart::MeisteRunden})
        if (name == qualifikationsartName(art))
            return art;
    return std::nullopt;
}

QString hauptlaufmodusName(Hauptlaufmodus modus) {
    return modus == Hauptlaufmodus::Rotation ? QStringLiteral("Rotation")
                                             : QStringLiteral("Einzellauf");
}

std::optional<Hauptlaufmodus> hauptlaufmodusLesen(const QString& name) {
    for (Hauptlaufmodus modus : {Hauptlaufmodus::Einzellauf, Hauptlaufmodus::Rotation})
        if (name == hauptlaufmodusName(modus))
            return modus;
    return std::nullopt;
}

Abendwertung abendwertungFuer(int spurenzahl) {
    return spurenzahl > KleinsteSpurenzahl ? Abendwertung::Platzpunkte : Abendwertung::Siege;
}

QString punktwertungText(const Punktwertung& p) {
    return QStringLiteral("%1,%2,%3").arg(p.sieg).arg(p.unentschieden).arg(p.niederlage);
}

std::optional<Punktwertung> punktwertungLesen(const QString& text) {
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() != 3)
        return std::nullopt;
    int zahlen[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        zahlen[i] = teile[i].trimmed().toInt(&ok);
        if (!ok || zahlen[i] < 0 || zahlen[i] > 100)
            return std::nullopt;
    }
    if (zahlen[0] < zahlen[1] || zahlen[1] < zahlen[2])
        return std::nullopt;
    return Punktwertung{zahlen[0], zahlen[1], zahlen[2]};
}

namespace {
// The stored value, or the key's default when the stored text does not read.
template <typename Lesen>
auto lesenOderVorgabe(Einstellungswerte& werte, const Einstellung& e, Lesen lesen) {
    if (const auto wert = lesen(werte.text(e)))
        return *wert;
    return *lesen(e.vorgabe);
}
} // namespace

Rennabendregeln rennabendregelnLesen(Einstellungswerte& werte, int spurenzahl) {
    Rennabendregeln r;
    r.format = rennabendformatFuer(
        lesenOderVorgabe(werte, Einstellungen::RennabendFormat, rennabendformatLesen), spurenzahl);
    r.finale = werte.flag(Einstellungen::RennabendFinale);
    r.punkte = lesenOderVorgabe(werte, Einstellungen::RennabendPunkte, punktwertungLesen);
    r.wertung = abendwertungLesen(werte.text(Einstellungen::RennabendWertung))
                    .value_or(abendwertungFuer(spurenzahl));
    r.platzpunkte = lesenOderVorgabe(werte, Einstellungen::RennabendPlatzpunkte,
                                     [](const QString& text) { return punktelisteLesen(text); });
    r.qualifikation = qualifikationsartLesen(werte.text(Einstellungen::RennabendQualifikation));
    r.aufsteiger = werte.flag(Einstellungen::RennabendAufsteiger);
    r.hauptlaufmodus = hauptlaufmodusLesen(werte.text(Einstellungen::RennabendHauptlaeufe))
                           .value_or(Hauptlaufmodus::Einzellauf);
    r.qualifikationAufJederSpur = werte.flag(Einstellungen::RennabendQualifikationAufJederSpur);
    return r;
}
