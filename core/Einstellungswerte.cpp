#include "Einstellungswerte.h"

#include "Renneinstellungen.h"
#include "Spurenliste.h"
#include "Zahlenformat.h"

#include <limits>
#include <optional>

namespace {
std::optional<bool> flagLesen(const QString& text) {
    if (text == QStringLiteral("True"))
        return true;
    if (text == QStringLiteral("False"))
        return false;
    if (const std::optional<double> zahl = Zahlenformat::zahlLesen(text))
        return *zahl != 0;
    return std::nullopt;
}

std::optional<Farbe> farbeLesen(const QString& text) {
    const std::optional<double> zahl = Zahlenformat::zahlLesen(text);
    if (!zahl || *zahl < 0 || *zahl > 0xFFFFFF || *zahl != Zahlenformat::rundenGanz(*zahl))
        return std::nullopt;
    return static_cast<Farbe>(*zahl);
}
} // namespace

template <typename T, typename Lesen>
T Einstellungswerte::lesen(const Einstellung& e, Lesen lesen) {
    if (const std::optional<T> wert = lesen(m_speicher.lesen(e.schluessel, e.vorgabe)))
        return *wert;
    return *lesen(e.vorgabe);
}

QString Einstellungswerte::text(const Einstellung& e) {
    return m_speicher.lesen(e.schluessel, e.vorgabe);
}

double Einstellungswerte::dezimal(const Einstellung& e) {
    return lesen<double>(e, Zahlenformat::zahlLesen);
}

double Einstellungswerte::kurslaenge(const Einstellung& e) {
    return lesen<double>(e, [](const QString& t) {
        const std::optional<double> wert = Zahlenformat::zahlLesen(t);
        return wert && *wert > 0 && *wert <= GroessteKurslaenge ? wert : std::nullopt;
    });
}

std::int32_t Einstellungswerte::ganzzahl(const Einstellung& e) {
    return lesen<std::int32_t>(e, Zahlenformat::ganzzahlLesen);
}

std::int32_t Einstellungswerte::ganzzahl(const Einstellung& e, std::int32_t von, std::int32_t bis) {
    return lesen<std::int32_t>(e, [von, bis](const QString& t) {
        const std::optional<std::int32_t> wert = Zahlenformat::ganzzahlLesen(t);
        return wert && *wert >= von && *wert <= bis ? wert : std::nullopt;
    });
}

std::int32_t Einstellungswerte::rundenzahl(const Einstellung& e) {
    return ganzzahl(e, 1, std::numeric_limits<std::int32_t>::max());
}

bool Einstellungswerte::flag(const Einstellung& e) {
    return lesen<bool>(e, flagLesen);
}

Farbe Einstellungswerte::farbe(const Einstellung& e) {
    return lesen<Farbe>(e, farbeLesen);
}

Rennlaenge Einstellungswerte::rennart(const Einstellung& e) {
    return lesen<Rennlaenge>(e, rennartLesen);
}

Zielregel Einstellungswerte::zielregel(const Einstellung& e) {
    return lesen<Zielregel>(e, zielregelLesen);
}

Fehlstartregel Einstellungswerte::fehlstartregel(const Einstellung& e) {
    return lesen<Fehlstartregel>(e, fehlstartregelLesen);
}

void Einstellungswerte::speichern(const Einstellung& e, const QString& wert) {
    m_speicher.speichern(e.schluessel, wert);
}

void Einstellungswerte::speichern(const Einstellung& e, bool wert) {
    speichern(e, flagText(wert));
}

void Einstellungswerte::speichern(const Einstellung& e, std::int32_t wert) {
    speichern(e, QString::number(wert));
}

void Einstellungswerte::speichern(const Einstellung& e, Farbe wert) {
    speichern(e, QString::number(wert));
}

QString Einstellungswerte::flagText(bool wert) {
    return wert ? QStringLiteral("True") : QStringLiteral("False");
}

std::uint32_t Einstellungswerte::spurenliste(const Einstellung& e) {
    return lesen<std::uint32_t>(e, spurenlisteLesen);
}

bool Einstellungswerte::nachSpurenzahl(const Einstellung& e, int spuranzahl) {
    const QString wert = text(e);
    if (wert == QStringLiteral("True") || wert == QStringLiteral("False"))
        return wert == QStringLiteral("True");
    return spuranzahl > KleinsteSpurenzahl;
}
