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

Fahrernamen::Fahrernamen(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge,
                         Menue menue)
    : m_rennen(rennen), m_werte(speicher), m_dialoge(dialoge), m_menue(std::move(menue)) {}

void Fahrernamen::LaFahrer_Click(int spur) {
    const QString name = m_dialoge.eingabe(QStringLiteral("Wie soll der neue Name von Fahrer ") +
                                               QString::number(spur) + QStringLiteral(" sein?:"),
                                           QStringLiteral("Name?"), m_rennen.Fahrer[spur]);
    if (name.isEmpty())
        return;
    m_rennen.Fahrer[spur] = name;
    m_werte.speichern(Einstellungen::Fahrer[spur], name);
    m_rennen.fR.LaFahrer[spur].Caption = name;
}

void Fahrernamen::LaFahrer_MouseDown(int spur, Qt::MouseButton knopf) {
    if (knopf == Qt::RightButton) {
        FarbSpur = spur;
        if (const std::optional<int> eintrag = m_menue())
            farbeSetzen(*eintrag);
    }
    // Every press stores the label's colour, changed or not.
    m_werte.speichern(Einstellungen::Fahrerfarbe[spur], m_rennen.fR.LaFahrer[spur].ForeColor);
}

void Fahrernamen::farbeSetzen(int eintrag) {
    const Farbeintrag& e = Farbmenue().at(static_cast<std::size_t>(eintrag));
    m_rennen.fR.LaFahrer[FarbSpur].ForeColor = e.farbe.value_or(m_rennen.fR.LaRunde[1].ForeColor);
}
