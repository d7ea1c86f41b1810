#include "Mitschnitt.h"

using namespace Aufgezeichnet;

Aufnahme::Aufnahme(const Anschluesse& echt, Tagesuhr& tagesuhr)
    : m_systemuhr(echt.systemuhr, Uhrart::System, m_mitschnitt),
      m_boxuhr(echt.boxuhr, Uhrart::Box, m_mitschnitt),
      m_platinenuhr(echt.platinenuhr, Uhrart::Platine, m_mitschnitt),
      m_dialoge(echt.dialoge, m_mitschnitt), m_box(echt.box, m_mitschnitt),
      m_tagesuhr(tagesuhr, m_mitschnitt), m_anschluesse{
                                              m_systemuhr,    m_boxuhr,      m_platinenuhr,
                                              echt.countdown, echt.boxwacht, echt.rennzeit,
                                              m_dialoge,      echt.klang,    m_box,
                                              echt.speicher,  echt.rekorde} {
    m_mitschnitt.ticksProSekunde = {echt.systemuhr.ticksProSekunde(), echt.boxuhr.ticksProSekunde(),
                                    echt.platinenuhr.ticksProSekunde()};
}

void Aufnahme::eingabe(const Renneingabe& eingabe) {
    m_mitschnitt.eintraege.emplace_back(eingabe);
}

Aufnahme::Uhrband::Uhrband(Uhr& echt, Uhrart art, Mitschnitt& mitschnitt)
    : m_echt(echt), m_art(art), m_mitschnitt(mitschnitt) {}

std::int64_t Aufnahme::Uhrband::ticks() {
    const std::int64_t ticks = m_echt.ticks();
    m_mitschnitt.eintraege.emplace_back(Ablesung{m_art, ticks});
    return ticks;
}

void Aufnahme::Dialogband::meldung(const QString& text, const QString& titel) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    m_echt.meldung(text, titel);
    m_mitschnitt.eintraege.emplace_back(DialogZu{});
}

// A note waits for nobody: nothing the race reads comes from it.
void Aufnahme::Dialogband::hinweis(const QString& text, const QString& titel) {
    m_echt.hinweis(text, titel);
}

bool Aufnahme::Dialogband::frage(const QString& text, const QString& titel) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    const bool ja = m_echt.frage(text, titel);
    m_mitschnitt.eintraege.emplace_back(DialogZu{QString(), ja});
    return ja;
}

QString Aufnahme::Dialogband::eingabe(const QString& aufforderung, const QString& titel,
                                      const QString& vorgabe) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    const QString text = m_echt.eingabe(aufforderung, titel, vorgabe);
    m_mitschnitt.eintraege.emplace_back(DialogZu{text});
    return text;
}

void Aufnahme::Dialogband::fensterZeigen(Fenster fenster) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    m_echt.fensterZeigen(fenster);
    m_mitschnitt.eintraege.emplace_back(DialogZu{});
}

void Aufnahme::Dialogband::f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    m_echt.f2SpurRennenZeigen(inhalt);
    m_mitschnitt.eintraege.emplace_back(DialogZu{});
}

void Aufnahme::Dialogband::rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) {
    m_mitschnitt.eintraege.emplace_back(DialogAuf{});
    m_echt.rotationsergebnisZeigen(inhalt);
    m_mitschnitt.eintraege.emplace_back(DialogZu{});
}

std::optional<QString> Aufnahme::Boxband::ladefehler() {
    const std::optional<QString> fehler = m_echt.ladefehler();
    m_mitschnitt.eintraege.emplace_back(Ladefehler{fehler});
    return fehler;
}

std::int16_t Aufnahme::Boxband::InitBoxes() {
    const std::int16_t version = m_echt.InitBoxes();
    m_mitschnitt.eintraege.emplace_back(Boxversion{version});
    return version;
}

void Aufnahme::Boxband::OpenBox(std::int32_t box, const BoxKonfiguration& konfiguration) {
    m_echt.OpenBox(box, konfiguration);
}

std::int16_t Aufnahme::Boxband::RX_data(std::int32_t box, std::uint8_t byte) {
    return m_echt.RX_data(box, byte);
}

BoxEreignisDaten Aufnahme::Boxband::Get_Event() {
    return m_echt.Get_Event();
}

std::int32_t Aufnahme::Boxband::Get_TStamp(std::int32_t box) {
    const std::int32_t zeitstempel = m_echt.Get_TStamp(box);
    m_mitschnitt.eintraege.emplace_back(Boxzeit{zeitstempel});
    return zeitstempel;
}

QTime Aufnahme::Tagesband::jetzt() {
    const QTime zeit = m_echt.jetzt();
    m_mitschnitt.eintraege.emplace_back(Tageszeit{zeit});
    return zeit;
}

Wiedergabe::Wiedergabe(const Mitschnitt& mitschnitt, Klangausgabe& klang,
                       Einstellungsspeicher& speicher, Rekorde& rekorde)
    : m_mitschnitt(mitschnitt), m_systemuhr(*this, Uhrart::System), m_boxuhr(*this, Uhrart::Box),
      m_platinenuhr(*this, Uhrart::Platine), m_dialoge(*this), m_box(*this),
      m_tagesuhr(*this), m_anschluesse{m_systemuhr, m_boxuhr, m_platinenuhr, m_countdown,
                                       m_boxwacht,  m_wecker, m_dialoge,     klang,
                                       m_box,       speicher, rekorde} {}

template <typename T> const T* Wiedergabe::naechster() {
    if (m_abweichung || m_position >= m_mitschnitt.eintraege.size()) {
        m_abweichung = true;
        return nullptr;
    }
    const T* eintrag = std::get_if<T>(&m_mitschnitt.eintraege[m_position]);
    if (!eintrag) {
        m_abweichung = true;
        return nullptr;
    }
    ++m_position;
    return eintrag;
}

bool Wiedergabe::abspielen(Rennen& rennen) {
    m_rennen = &rennen;
    while (!m_abweichung && m_position < m_mitschnitt.eintraege.size()) {
        if (const Renneingabe* eingabe = naechster<Renneingabe>())
            eingeben(rennen, *eingabe);
    }
    m_rennen = nullptr;
    return !m_abweichung;
}

DialogZu Wiedergabe::dialog() {
    if (!naechster<DialogAuf>())
        return {};
    while (!m_abweichung && m_position < m_mitschnitt.eintraege.size() &&
           std::holds_alternative<Renneingabe>(m_mitschnitt.eintraege[m_position])) {
        const Renneingabe& eingabe = *naechster<Renneingabe>();
        if (m_rennen)
            eingeben(*m_rennen, eingabe);
    }
    const DialogZu* zu = naechster<DialogZu>();
    return zu ? *zu : DialogZu{};
}

std::int64_t Wiedergabe::Uhrquelle::ticks() {
    const Ablesung* ablesung = m_w.naechster<Ablesung>();
    if (!ablesung || ablesung->uhr != m_art) {
        m_w.m_abweichung = true;
        return 0;
    }
    return ablesung->ticks;
}

int Wiedergabe::Uhrquelle::ticksProSekunde() const {
    return m_w.m_mitschnitt.ticksProSekunde[static_cast<int>(m_art) + 1];
}

void Wiedergabe::Dialogquelle::meldung(const QString& text, const QString&) {
    m_w.m_meldungen << text;
    m_w.dialog();
}

void Wiedergabe::Dialogquelle::hinweis(const QString& text, const QString&) {
    m_w.m_meldungen << text;
}

bool Wiedergabe::Dialogquelle::frage(const QString& text, const QString&) {
    m_w.m_meldungen << text;
    return m_w.dialog().ja;
}

QString Wiedergabe::Dialogquelle::eingabe(const QString&, const QString&, const QString&) {
    return m_w.dialog().text;
}

void Wiedergabe::Dialogquelle::fensterZeigen(Fenster) {
    m_w.dialog();
}

void Wiedergabe::Dialogquelle::f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) {
    m_w.m_ergebnisfenster.push_back(inhalt);
    m_w.dialog();
}

void Wiedergabe::Dialogquelle::rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) {
    m_w.m_rotationsfenster.push_back(inhalt);
    m_w.dialog();
}

std::optional<QString> Wiedergabe::Boxquelle::ladefehler() {
    const Ladefehler* eintrag = m_w.naechster<Ladefehler>();
    return eintrag ? eintrag->fehler : std::nullopt;
}

std::int16_t Wiedergabe::Boxquelle::InitBoxes() {
    const Boxversion* eintrag = m_w.naechster<Boxversion>();
    return eintrag ? eintrag->version : std::int16_t{0};
}

std::int32_t Wiedergabe::Boxquelle::Get_TStamp(std::int32_t) {
    const Boxzeit* eintrag = m_w.naechster<Boxzeit>();
    return eintrag ? eintrag->zeitstempel : 0;
}

QTime Wiedergabe::Tagesquelle::jetzt() {
    const Tageszeit* eintrag = m_w.naechster<Tageszeit>();
    return eintrag ? eintrag->zeit : QTime();
}
