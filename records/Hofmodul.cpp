#include "Hofmodul.h"

#include "Dateiausgabe.h"
#include "HofDatei.h"
#include "Rennen.h"
#include "Strafwertung.h"
#include "Zahlenformat.h"

#include <QFile>
#include <QLockFile>
#include <cmath>

namespace {

const QString Dateiname = QStringLiteral("hof.ini");

// A real hof.ini is a few hundred bytes; anything far larger is no Hall of Fame, and
// reading it whole could stall the start.
constexpr qint64 GroessteDateigroesse = 1024 * 1024;

// Another program may be entering a record of its own; that takes milliseconds.
constexpr int Sperrwartezeit = 5000; // ms

enum class Dateizustand { Fehlt, Gelesen, Unlesbar };

Dateizustand lesen(const QString& pfad, Hofliste& liste) {
    QFile datei(pfad);
    if (!datei.exists())
        return Dateizustand::Fehlt;
    if (datei.size() > GroessteDateigroesse || !datei.open(QIODevice::ReadOnly))
        return Dateizustand::Unlesbar;
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return Dateizustand::Unlesbar;
    const std::optional<Hofliste> gelesen = HofDatei::lesen(inhalt);
    if (!gelesen)
        return Dateizustand::Unlesbar;
    liste = *gelesen;
    return Dateizustand::Gelesen;
}

// Renames the file to the first free backup name. Never onto an earlier copy: each one may
// hold records of its own.
std::optional<Laufzeitfehler> beiseitelegen(const Datenverzeichnis& daten, QString& kopie) {
    QFile datei(daten.pfad(Dateiname));
    kopie = Dateiname + QStringLiteral(".bak");
    for (int nummer = 2; QFile::exists(daten.pfad(kopie)); ++nummer)
        kopie = Dateiname + QStringLiteral(".bak") + QString::number(nummer);
    if (!datei.rename(daten.pfad(kopie)))
        return dateifehler(datei);
    return std::nullopt;
}

} // namespace

Hofmodul::Hofmodul(const Datenverzeichnis& daten, Dialoge& dialoge)
    : m_daten(daten), m_dialoge(dialoge) {}

void Hofmodul::HofLesen() {
    m_liste = Hofliste();
    m_dateiUnlesbar = false;
    if (lesen(m_daten.pfad(Dateiname), m_liste) == Dateizustand::Unlesbar) {
        m_liste = Hofliste();
        unlesbareBeiseitelegen();
    }
}

std::optional<Hofliste> Hofmodul::aktuelleListe() const {
    Hofliste liste;
    if (lesen(m_daten.pfad(Dateiname), liste) == Dateizustand::Unlesbar)
        return std::nullopt;
    return liste;
}

// The racer learns of it before a record can go missing from view.
void Hofmodul::unlesbareBeiseitelegen() {
    const QString anfang = QStringLiteral("Die Hall of Fame in ") + m_daten.anzeigepfad(Dateiname) +
                           QStringLiteral(" lässt sich nicht lesen. ");
    QString kopie;
    if (const std::optional<Laufzeitfehler> fehler = beiseitelegen(m_daten, kopie)) {
        m_dateiUnlesbar = true;
        m_dialoge.hinweis(anfang + QStringLiteral("Sie lässt sich auch nicht als ") +
                              m_daten.anzeigepfad(kopie) + QStringLiteral(" aufbewahren (") +
                              fehler->beschreibung +
                              QStringLiteral(") und wird darum nicht überschrieben."),
                          Anwendungstitel);
        return;
    }
    m_dialoge.hinweis(anfang + QStringLiteral("Sie ist jetzt als ") + m_daten.anzeigepfad(kopie) +
                          QStringLiteral(" aufbewahrt; Rundomat beginnt eine neue Hall of Fame."),
                      Anwendungstitel);
}

void Hofmodul::HofSchreiben() {
    if (!m_daten.bereitstellen(m_dialoge))
        return;
    std::optional<Laufzeitfehler> fehler = unlesbareDateiBewahren();
    if (!fehler)
        fehler = dateiErsetzen(m_daten.pfad(Dateiname), HofDatei::schreiben(m_liste));
    if (fehler)
        schreibfehlerMelden(*fehler);
}

void Hofmodul::schreibfehlerMelden(const Laufzeitfehler& fehler) {
    m_dialoge.hinweis(
        QStringLiteral("Es ist ein Fehler beim Öffnen der Hall of Fame "
                       "aufgetreten. Bitte gegebenenfalls die Datei ") +
            m_daten.anzeigepfad(Dateiname) + QStringLiteral(" löschen.\r\n") +
            QStringLiteral("Fehlercode: ") + QString::number(fehler.nummer) +
            QStringLiteral(" - ") + fehler.beschreibung +
            (fehler.ursache.isEmpty() ? QString() : QStringLiteral("\r\n") + fehler.ursache),
        Anwendungstitel);
}

std::optional<Laufzeitfehler> Hofmodul::unlesbareDateiBewahren() {
    QString kopie;
    if (m_dateiUnlesbar && QFile::exists(m_daten.pfad(Dateiname))) {
        if (std::optional<Laufzeitfehler> fehler = beiseitelegen(m_daten, kopie))
            return fehler;
    }
    m_dateiUnlesbar = false;
    return std::nullopt;
}

void Hofmodul::HofPruefen(const Rennen& rennen) {
    const Rennstand& r = rennen.stand();
    // The highest average of any lane; of equal ones (and past one that is no number) the
    // higher lane's.
    // A penalty counts: the average is over the penalised time and distance.
    const auto schnitt = [&r](int spur) { return gewerteterSchnitt(r, spur); };
    int schnellste = 1;
    for (int spur = 2; spur <= r.spuren.anzahl(); ++spur)
        if (!(schnitt(schnellste) > schnitt(spur)))
            schnellste = spur;
    // Short races set no records: by laps when fewer than five were to be driven, by time
    // when the fastest lane drove fewer than five.
    const double runden = r.einstellungen.rennart == Rennlaenge::Zeit ? r.spuren[schnellste].distanz
                                                                      : r.einstellungen.rundenzahl;
    if (runden <= 4)
        return;
    // The heat's winner types the name; without one, the last lane's driver is offered.
    const int sieger = rennen.ergebnis().letzterLauf().sieger;
    HofEintragen(schnitt(schnellste),
                 r.spuren[sieger ? sieger : r.spuren.anzahl()].fahrer);
}

void Hofmodul::HofEintragen(double kandidat, const QString& sieger) {
    const double wert = Zahlenformat::runden3(kandidat);
    // A race without a speed (or with no finite one) has no record to offer.
    if (!(wert > 0) || !std::isfinite(wert))
        return;
    // Another program on this data folder may have entered records since the start.
    m_liste = aktuelleListe().value_or(m_liste);
    const std::optional<int> rang = m_liste.rangFuer(wert);
    if (!rang)
        return;
    if (m_neuerRang)
        m_neuerRang(*rang, sieger);
    const QString name = HofDatei::nameFuerDatei(nameErfragen(sieger));

    // Read, changed and written under the lock. Without it after the wait (a program stuck
    // holding it, or a folder that takes no lock file and so no hof.ini either, which the
    // write then reports) the record is written all the same rather than lost.
    QLockFile sperre(m_daten.pfad(Dateiname + QStringLiteral(".lock")));
    sperre.tryLock(Sperrwartezeit);
    if (const std::optional<Hofliste> jetzt = aktuelleListe())
        m_liste = *jetzt;
    else
        m_dateiUnlesbar = true; // kept aside by the write; the list shown goes on
    m_liste.eintragen(wert, name);
    HofSchreiben();
    m_dialoge.fensterZeigen(Fenster::fhof);
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

void Hofmodul::hallOfFameNeuAnlegen() {
    if (m_dialoge.frage(QStringLiteral("Wollen Sie wirklich die bestehende Hall of Fame löschen?"),
                        Anwendungstitel))
        HofDateiLoeschen();
}
