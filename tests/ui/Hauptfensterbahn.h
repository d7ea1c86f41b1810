// The main window as the program builds it, on a race with its start-up and keyboard wired
// to fakes: the window exists before the start-up sizes the lap tables.
#pragma once

#include "../settings/Einstellungsbahn.h"
#include "Hauptfenster.h"
#include "Labelknopf.h"
#include "OhneZuschauer.h"

#include <memory>

struct Hauptfensterbahn : Einstellungsbahn {
    Fahrernamen fahrer{rennen, speicher, dialoge};
    OhneZuschauer zuschauer;
    OhneZoom zoom;
    Tastatur tastatur{rennen, start, dialoge, fahrer, zuschauer, zoom};
    QtDialoge fensterdialoge;
    std::unique_ptr<Hauptfenster> fenster;

    Hauptfensterbahn() {
        fenster = std::make_unique<Hauptfenster>(rennen, start, tastatur, fahrer, fensterdialoge);
        starteProgramm();
        fenster->darstellen();
        fenster->show();
    }
    // The label-button showing this text, if the window shows one.
    Labelknopf* label(const QString& text) const {
        for (Labelknopf* l : fenster->findChildren<Labelknopf*>())
            if (l->text() == text)
                return l;
        return nullptr;
    }
};
