// The live page's web server: serves the page, its style sheet and script from the
// program's resources, and pushes every change of the standings to the open pages over a
// WebSocket. It runs on a thread of its own and never touches the race; the GUI thread
// hands it what the page shows (veroeffentlichen) and goes on at once.
// Limits, so no client can slow the race, fill the memory or lock others out: the places
// of Plaetze.h (at most 100 connections an address, 200 in all, the one idle longest gives
// way to a new one), a request head of at most 16 KiB read within a time limit, no request
// body, nothing kept for a page that reads slowly but the newest state, and a page that
// takes no update for a minute is closed. A connection that ends leaves nothing behind.
#pragma once

#include "Hoerort.h"
#include "Zuschaueransicht.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class Webserver {
public:
    struct Fristen {
        // A request head must be complete within this time, or it is answered with 408.
        std::chrono::milliseconds anfrage{10'000};
        // An open page that answers no ping for this long is closed.
        std::chrono::milliseconds stille{30'000};
        // An open page that has not taken an update for this long is closed: a client
        // that does not read, whose messages stay in the send queue.
        std::chrono::milliseconds haengend{60'000};
    };

    // What the server keeps for its connections right now.
    struct Belegung {
        int verbindungen = 0; // also those told to go, until they are gone
        int seiten = 0;       // the open pages that hear of every change
    };

    explicit Webserver(Fristen fristen);
    Webserver() : Webserver(Fristen{}) {}
    ~Webserver();
    Webserver(const Webserver&) = delete;
    Webserver& operator=(const Webserver&) = delete;

    // Listens there; the German reason when it cannot. Without an address on every address
    // of this PC, IPv6 and IPv4, or on those of one of them where the system has no other or
    // another program holds the port on the other. A running server is stopped first.
    std::optional<QString> starten(const Hoerort& ort);
    void beenden();
    bool laeuft() const;
    // The port it listens on, once started.
    quint16 port() const;
    // Where it listens, once started: the address and port asked for, the port found for 0,
    // and without an address "::" or "0.0.0.0" when it has IPv6 or IPv4 alone.
    Hoerort ort() const;
    Belegung belegung() const;

    // What the page shows from now on; the open pages hear of it within milliseconds.
    // Cheap: the page's texts are made on the server's thread, and a state that comes
    // before the last one was sent replaces it.
    void veroeffentlichen(const Zuschaueransicht& ansicht);

private:
    struct Betrieb;
    Fristen m_fristen;
    std::unique_ptr<Betrieb> m_betrieb;
    Zuschaueransicht m_ansicht; // the last published, for a restart
};
