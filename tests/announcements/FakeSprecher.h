// A speaker that says nothing: it records what it was asked to say and finishes a text
// when the test says so.
#pragma once

#include "Sprecher.h"

#include <QStringList>

class FakeSprecher final : public Sprecher {
public:
    void sprechen(const QString& text, const Sprechweise& w, std::function<void()> f) override {
        gesagt << text;
        weise = w;
        fertig = std::move(f);
    }
    void verstummen() override {
        ++verstummt;
        fertig = nullptr;
    }
    QString warumStumm() const override { return stumm; }

    // The text being said comes to its end.
    void ausgesprochen() {
        if (auto f = std::exchange(fertig, nullptr))
            f();
    }
    // Says everything that waits.
    void allesAussprechen() {
        while (fertig)
            ausgesprochen();
    }

    QStringList gesagt;
    Sprechweise weise;
    std::function<void()> fertig;
    int verstummt = 0;
    QString stumm; // why nothing would be heard; empty: all is heard
};
