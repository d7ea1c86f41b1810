// Figures of the serial sensor path: how long a line change takes from the moment the
// watcher sees it to Rundenereignis running on the GUI thread, through the real thread
// hand-over; on CD alone, and on all four lines changing at once. Printed as
// "figure <name> <value> <unit>".
// With --webseiten the same, while the live page's server sends every lap to 50 open pages
// and 50 more come and go.
#include "Leitungen.h"
#include "Leitungsmessung.h"
#include "Webpublikum.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace {
void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool webseiten = app.arguments().contains(QStringLiteral("--webseiten"));
    std::optional<Webpublikum> publikum;
    bool bereit = true;
    const std::vector<double> millisekunden = leitungslatenzen([&](Rennen& rennen) {
        if (webseiten)
            bereit = publikum.emplace(rennen).starten(Webpublikum::Seiten, 120);
    });
    if (millisekunden.empty() || !bereit)
        return 1;
    if (webseiten) {
        figur("line_latency_p99_with_50_web_clients",
              millisekunden[millisekunden.size() * 99 / 100], "ms");
        return 0;
    }
    figur("line_latency_median", millisekunden[millisekunden.size() / 2], "ms");
    figur("line_latency_p99", millisekunden[millisekunden.size() * 99 / 100], "ms");
    figur("line_latency_max", millisekunden.back(), "ms");
    const std::vector<double> vierLeitungen = leitungslatenzen({}, LeitungenJePort);
    if (vierLeitungen.empty())
        return 1;
    figur("line_latency_p99_4_lines", vierLeitungen[vierLeitungen.size() * 99 / 100], "ms");
    return 0;
}
