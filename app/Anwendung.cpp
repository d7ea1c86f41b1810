#include "Anwendung.h"

#include "DialogFenster.h"
#include "F2SpurRennen.h"
#include "FHinweis.h"
#include "Fhof.h"
#include "InfoAnzeigen.h"

Anwendung::Anwendung(const Programmoptionen& optionen) : m_optionen(optionen) {
    m_dialoge.elternSetzen(&m_fenster);
    // Whatever led to a message (a false start, a finish) is on screen while it is open.
    m_dialoge.vorJedemModalenFenster([this] { m_fenster.darstellen(); });
    m_timer.beiJedemTick([this] {
        m_rennen.Timer1_Timer();
        m_fenster.darstellen();
    });
    fensterAnmelden();
}

void Anwendung::fensterAnmelden() {
    m_dialoge.fensterAnmelden(Fenster::Dialog, [this](QWidget* eltern) {
        DialogLogik logik(m_rennen, m_speicher, m_start, m_port, m_dialoge, m_rekorde,
                          [] { return QStringLiteral("FEHLER"); });
        logik.Form_Load();
        DialogFenster fenster(logik, eltern);
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::fhof, [this](QWidget* eltern) {
        Fhof fenster(m_hof, eltern);
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::Info, [this](QWidget*) { InfoAnzeigen(m_dialoge); });
    m_dialoge.fensterAnmelden(Fenster::fHinweis, [this](QWidget* eltern) {
        fHinweisZeigen(m_optionen.datenverzeichnis, eltern);
    });
    m_dialoge.ergebnisfensterAnmelden(f2SpurRennenZeigen);
}

void Anwendung::starten() {
    m_start.Form_Load();
    m_fenster.darstellen();
    m_fenster.show();
    m_fenster.setFocus();
}
