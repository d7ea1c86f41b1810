// The live page server's places: who holds a connection, and who gives way to a new one.
// No address holds more than MaxJeAdresse connections and all together no more than
// MaxVerbindungen; a new connection always gets in, the one idle longest gives way. Plain
// bookkeeping without sockets, so the rules are tested directly.
#pragma once

#include <boost/asio/ip/address.hpp>
#include <chrono>
#include <list>
#include <optional>
#include <string>

class Plaetze {
public:
    using Zeit = std::chrono::steady_clock::time_point;

    static constexpr int MaxVerbindungen = 200;
    // Half the places: fifty phones and as many spare connections of their browsers fit
    // behind one address, and one client never holds all.
    static constexpr int MaxJeAdresse = 100;

    // A connection as its place sees it.
    class Inhaber {
    public:
        // Ends the connection; it gives its place back later, once it is gone, never from
        // within this call.
        virtual void raeumen() = 0;

    protected:
        ~Inhaber() = default;
    };

    struct Platz {
        std::string absender;
        Inhaber* inhaber;
        Zeit begonnen;
        // Since when the connection waits for its client: for a request, or for a message
        // to be taken. Nothing: a page that has taken everything it was sent.
        std::optional<Zeit> wartetSeit;
        bool geraeumt = false; // told to go, not gone yet
    };
    using Marke = std::list<Platz>::iterator;

    // A place for a new connection from `absender` (see absenderVon), waiting from `jetzt`
    // on. When the address or the server is full, the connection idle longest gives way:
    // of the same address, or else of all. A page that has taken everything is not idle;
    // when every connection is such a page, the youngest of the address that holds most
    // gives way.
    Marke belegen(std::string absender, Inhaber& inhaber, Zeit jetzt);
    void freigeben(Marke marke);

    // Every connection waiting since before `grenze` is told to go.
    void raeumenWartendSeit(Zeit grenze);

    // Connections not told to go.
    int belegt() const;
    // Everything kept, places told to go included.
    std::size_t eintraege() const { return m_plaetze.size(); }

private:
    int belegtVon(const std::string& absender) const;
    // Whom to clear for a newcomer at `neu`, among the places `zaehlt` picks.
    template <typename Auswahl> void weichenLassen(Marke neu, Auswahl zaehlt);

    std::list<Platz> m_plaetze;
};

// The key an address is counted by: an IPv4 address as it is (also when it comes
// IPv4-mapped over an IPv6 socket), an IPv6 address by its /64 network, since one device
// may pick any address of it.
std::string absenderVon(const boost::asio::ip::address& adresse);
