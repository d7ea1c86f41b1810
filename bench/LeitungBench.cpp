// Figures of the serial sensor path: how long a line change takes from the moment the
// watcher sees it to Rundenereignis running on the GUI thread, through the real thread
// hand-over. Printed as "figure <name> <value> <unit>".
#include "Leitungsmessung.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::vector<double> millisekunden = leitungslatenzen();
    if (millisekunden.empty())
        return 1;
    figur("line_latency_median", millisekunden[millisekunden.size() / 2], "ms");
    figur("line_latency_p99", millisekunden[millisekunden.size() * 99 / 100], "ms");
    figur("line_latency_max", millisekunden.back(), "ms");
    return 0;
}
