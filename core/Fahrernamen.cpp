#include "Fahrernamen.h"

const std::array<Farbeintrag, 8>& Farbmenue() {
    static const std::array<Farbeintrag, 8> eintraege{{
        {QStringLiteral("Standard"), std::nullopt},
        {QStringLiteral("Gelb"), 0x00FFFF},
        {QStringLiteral("Rot"), 0x0000FF},
        {QStringLiteral("Grün"), 0x00FF00},
        {QStringLiteral("Weiß"), 0xFFFFFF},
        {QStringLiteral("Schwarz"), 0x000000},
        {QStringLiteral("Blau"), 0xFFFF00},
        {QStringLiteral("Pink"), 0xFF00FF},
    }};
    return eintraege;
}

Fahrernamen::Fahrernamen(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge)
    : m_rennen(rennen), m_werte(speicher), m_dialoge(dialoge) {}

void Fahrernamen::umbenennen(int spur) {
    const QString name =
        m_dialoge.eingabe(QStringLiteral("Wie soll der neue Name von Fahrer ") +
                              QString::number(spur) + QStringLiteral(" sein?:"),
                          QStringLiteral("Name?"), m_rennen.stand().spuren[spur].fahrer);
    if (name.isEmpty())
        return;
    m_werte.speichern(Einstellungen::Fahrer[spur], name);
    m_rennen.fahrerBenennen(spur, name);
}

void Fahrernamen::gedrueckt(int spur, std::optional<int> farbeintrag) {
    if (farbeintrag) {
        const Farbeintrag& e = Farbmenue().at(static_cast<std::size_t>(*farbeintrag));
        // "Standard" is the colour of the lap counters.
        m_rennen.fahrerfarbeSetzen(spur, e.farbe.value_or(Farben::Hellgrau));
    }
    m_werte.speichern(Einstellungen::Fahrerfarbe[spur], m_rennen.stand().spuren[spur].farbe);
}
