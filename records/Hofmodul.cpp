#include "Hofmodul.h"

#include "Dateiausgabe.h"
#include "HofDatei.h"
#include "Rennen.h"
#include "Zahlenformat.h"

#include <QFile>

namespace {

const QString Dateiname = QStringLiteral("hof.ini");

// A real hof.ini is a few hundred bytes; anything far larger is no Hall of Fame, and
// reading it whole could stall the start.
constexpr qint64 GroessteDateigroesse = 1024 * 1024;

} // namespace

Hofmodul::Hofmodul(const Datenverzeichnis& daten, Dialoge& dialoge)
    : m_daten(daten), m_dialoge(dialoge) {}

void Hofmodul::HofLesen() {
    m_liste = Hofliste();
    m_dateiUnlesbar = false;
    QFile datei(m_daten.pfad(Dateiname));
    if (!datei.exists())
        return;
    std::optional<Hofliste> gelesen;
    if (datei.size() <= GroessteDateigroesse && datei.open(QIODevice::ReadOnly)) {
        const QByteArray inhalt = datei.readAll();
        if (datei.error() == QFileDevice::NoError)
            gelesen = HofDatei::lesen(inhalt);
    }
    if (gelesen)
        m_liste = *gelesen;
    else
        m_dateiUnlesbar = true;
}

void Hofmodul::HofSchreiben() {
    std::optional<Laufzeitfehler> fehler = unlesbareDateiBewahren();
    if (!fehler)
        fehler = dateiErsetzen(m_daten.pfad(Dateiname), HofDatei::schreiben(m_liste));
    if (fehler)
        m_dialoge.meldung(QStringLiteral("Es ist ein Fehler beim Öffnen der Hall of Fame "
                                         "aufgetreten. Bitte gegebenenfalls die Datei ") +
                              m_daten.anzeigepfad(Dateiname) + QStringLiteral(" löschen.\r\n") +
                              QStringLiteral("Fehlercode: ") + QString::number(fehler->nummer) +
                              QStringLiteral(" - ") + fehler->beschreibung,
                          Anwendungstitel);
}

std::optional<Laufzeitfehler> Hofmodul::unlesbareDateiBewahren() {
    if (!m_dateiUnlesbar)
        return std::nullopt;
    QFile datei(m_daten.pfad(Dateiname));
    if (datei.exists()) {
        // Never replace an earlier copy: each one may hold records of its own.
        QString kopie = m_daten.pfad(Dateiname + QStringLiteral(".bak"));
        for (int nummer = 2; QFile::exists(kopie); ++nummer)
            kopie = m_daten.pfad(Dateiname + QStringLiteral(".bak") + QString::number(nummer));
        if (!datei.rename(kopie))
            return dateifehler(datei);
    }
    m_dateiUnlesbar = false;
    return std::nullopt;
}

void Hofmodul::HofPruefen(const Rennen& rennen) {
    if (rennen.Rundenzahl <= 4)
        return;
    const Spuren<double>& schnitt = rennen.DurchschnittsGeschw;
    const double kandidat = schnitt[1] > schnitt[2] ? schnitt[1] : schnitt[2];
    const int siegerspur = rennen.fR.LaFahrer[1].Tag == QStringLiteral("Sieger") ? 1 : 2;
    HofEintragen(kandidat, rennen.Fahrer[siegerspur]);
}

void Hofmodul::HofEintragen(double kandidat, const QString& sieger) {
    const double wert = Zahlenformat::runden3(kandidat);
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        if (m_liste.HofGeschw[rang] < wert) {
            for (int unten = Hofliste::Raenge; unten > rang; --unten) {
                m_liste.HofGeschw[unten] = m_liste.HofGeschw[unten - 1];
                m_liste.HofName[unten] = m_liste.HofName[unten - 1];
            }
            if (m_neuerRang)
                m_neuerRang(rang, sieger);
            m_liste.HofName[rang] = nameErfragen(sieger);
            m_liste.HofGeschw[rang] = wert;
            HofSchreiben();
            m_dialoge.fensterZeigen(Fenster::fhof);
            return;
        }
    }
    // Only a candidate of 0 or less gets here: it fills the first empty rank, unshown.
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        if (m_liste.HofGeschw[rang] == 0) {
            m_liste.HofGeschw[rang] = wert;
            m_liste.HofName[rang] = nameErfragen(QStringLiteral("?"));
            HofSchreiben();
            return;
        }
    }
}

QString Hofmodul::nameErfragen(const QString& vorgabe) {
    return m_dialoge.eingabe(QStringLiteral("Der Sieger des Rennens darf sich in die Hall of "
                                            "Fame eintragen. Bitte geben Sie Ihren Namen ein:"),
                             QStringLiteral("Gut gefahren"), vorgabe);
}

void Hofmodul::HofDateiLoeschen() {
    QFile::remove(m_daten.pfad(Dateiname)); // a file that cannot go is read again as it is
    HofLesen();
}

void Hofmodul::BuNeueHofMachen_Click() {
    if (m_dialoge.frage(QStringLiteral("Wollen Sie wirklich die bestehende Hall of Fame löschen?"),
                        Anwendungstitel))
        HofDateiLoeschen();
}
