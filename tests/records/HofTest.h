// A Hall of Fame over a data directory of its own, with scripted dialogs.
#pragma once

#include "Datenordner.h"
#include "Fakes.h"
#include "Hofmodul.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>
#include <vector>

struct HofTest : ::testing::Test {
    Datenordner ordner;
    FakeDialoge dialoge;
    Hofmodul hof{ordner.daten, dialoge};

    // A Hall of Fame on disk, read as at start-up.
    void hofAnlegen(const QByteArray& inhalt) {
        ordner.schreiben(QStringLiteral("hof.ini"), inhalt);
        hof.HofLesen();
    }
    QStringList namen() const {
        QStringList n;
        for (int rang = 1; rang <= Hofliste::Raenge; ++rang)
            n << hof.liste().HofName[rang];
        return n;
    }
    std::vector<double> werte() const {
        std::vector<double> w;
        for (int rang = 1; rang <= Hofliste::Raenge; ++rang)
            w.push_back(hof.liste().HofGeschw[rang]);
        return w;
    }
    QByteArray datei() const { return ordner.lesen(QStringLiteral("hof.ini")); }
};

inline const QByteArray VolleListe("10;Ada\r\n8;Bea\r\n8;Cem\r\n5;Dan\r\n4,5;Eli\r\n");
