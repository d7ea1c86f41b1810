// Figures of the race history: storing a long race, of two lanes and of eight; opening the
// window and exporting on a database of 10,000 races; and how long the GUI thread (which
// reads the clock for hand laps) is held up while the writer thread stores. Printed as
// "figure <name> <value> <unit>".
#include "FVerlauf.h"
#include "Fakes.h"
#include "Verlaufsexport.h"
#include "Verlaufsschreiber.h"
#include "Verlaufsspeicher.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
    std::fflush(stdout);
}

double median(std::vector<double> werte) {
    std::nth_element(werte.begin(), werte.begin() + werte.size() / 2, werte.end());
    return werte[werte.size() / 2];
}

double millisekunden(const QElapsedTimer& uhr) {
    return double(uhr.nsecsElapsed()) / 1e6;
}

Rennaufzeichnung rennen(int runden, int nummer, int spuren = 2) {
    Rennaufzeichnung r;
    r.beginn = QDateTime(QDate(2026, 1, 1).addDays(nummer / 20), QTime(18, 0));
    r.rundenzahl = runden;
    r.kurslaenge = 5;
    r.prellzeit = 2;
    auto lauf = Spuren<Spurfahrt>::fuer(spuren);
    for (int spur = 1; spur <= spuren; ++spur) {
        lauf[spur].fahrer = QStringLiteral("Fahrer %1").arg((nummer + spur) % 12);
        double gesamt = 0;
        for (int i = 0; i < runden; ++i) {
            const double zeit = 2.0 + ((nummer * 31 + i * 17 + spur) % 900) / 1000.0;
            lauf[spur].runden.push_back({zeit, 5 / zeit, i % 50 == 7});
            gesamt += zeit;
        }
        lauf[spur].gesamtzeit = gesamt;
        lauf[spur].schnitt = 5.0 * runden / gesamt;
    }
    r.laeufe.push_back(lauf);
    r.sieger = lauf[1].fahrer;
    return r;
}

// Storing as the writer thread does it: the database open, one race in one transaction; a
// race of two lanes and one of eight.
void speichern1000(const QString& ordner) {
    Verlaufsdatenbank db(QDir(ordner).filePath(QStringLiteral("speichern.sqlite")));
    db.vorbereiten();
    Verlaufsspeicher speicher(db);
    for (const auto& [spuren, name] :
         {std::pair{2, "history_store_1000_laps"}, {8, "history_store_1000_laps_8_lanes"}}) {
        const Rennaufzeichnung r = rennen(1000, 1, spuren);
        std::vector<double> ms;
        for (int i = 0; i < 7; ++i) {
            QElapsedTimer uhr;
            uhr.start();
            speicher.speichern(r);
            ms.push_back(millisekunden(uhr));
        }
        figur(name, median(ms), "ms");
    }
}

// The longest the GUI thread's event loop waits for its 1 ms timer, first with nothing else
// to do, then while the writer thread stores five races of 1000 laps a lane: a hand lap
// read in that time is read that late. The two should not differ.
double laengsteWartezeit(const std::function<void()>& nebenher) {
    QElapsedTimer uhr;
    double laengste = 0, letzte = 0;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const double jetzt = millisekunden(uhr);
        laengste = std::max(laengste, jetzt - letzte);
        letzte = jetzt;
    });
    uhr.start();
    takt.start(1);
    nebenher();
    QEventLoop schleife;
    QTimer::singleShot(1500, &schleife, &QEventLoop::quit);
    schleife.exec();
    return laengste;
}

void wartezeitWaehrendDesSpeicherns(const QString& ordner) {
    Verlaufsschreiber schreiber(QDir(ordner).filePath(QStringLiteral("faden.sqlite")));
    schreiber.starten();
    schreiber.abwarten();
    figur("history_gui_wait_idle", laengsteWartezeit([] {}), "ms");
    figur("history_gui_wait_during_store", laengsteWartezeit([&] {
              for (int i = 0; i < 5; ++i)
                  schreiber.ablegen(rennen(1000, i));
          }),
          "ms");
}

void zehntausend(const QString& ordner) {
    const QString pfad = QDir(ordner).filePath(QStringLiteral("rennen.sqlite"));
    {
        Verlaufsdatenbank db(pfad);
        db.vorbereiten();
        // Only the fixture is written without waiting for the disk.
        QSqlQuery(db.db()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        Verlaufsspeicher speicher(db);
        for (int i = 0; i < 10000; ++i)
            speicher.speichern(rennen(20, i));
    }
    std::vector<double> ms;
    FakeDialoge dialoge;
    // One reader for the program's life, as the program has it.
    Verlaufsleser leser(pfad);
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        VerlaufLogik logik(leser, dialoge, ordner);
        FVerlauf fenster(logik);
        fenster.show();
        leser.abwarten();
        QApplication::processEvents();
        fenster.grab(); // painted with the list
        ms.push_back(millisekunden(uhr));
    }
    figur("history_open_10000_races", median(ms), "ms");

    Verlaufsdatenbank db(pfad);
    db.verbinden(true);
    Verlaufsabfragen abfragen(db);
    std::vector<double> s;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        verlaufExportieren(QDir(ordner).filePath(QStringLiteral("alle.csv")),
                           alleRennen(abfragen, {}));
        s.push_back(millisekunden(uhr) / 1000);
    }
    figur("history_export_10000_races", median(s), "s");
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    speichern1000(ordner.path());
    wartezeitWaehrendDesSpeicherns(ordner.path());
    zehntausend(ordner.path());
    return 0;
}
