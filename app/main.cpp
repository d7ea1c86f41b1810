// Rundomat: lap timing and races for a two-lane slot-car track.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Rundomat 3.0 – Zeitnahme und Rennen für zweispurige Autorennbahnen.\n"
                           "Das Hauptfenster folgt; bis dahin läuft die Rennlogik in den Tests "
                           "(make test).\n";
    return 0;
}
