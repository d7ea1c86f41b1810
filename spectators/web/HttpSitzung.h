// One HTTP connection of the live page's server: reads request heads within a time limit,
// answers each with the page, its style sheet or script, or an error, and hands a request
// for the live WebSocket over to a LiveSitzung, place and all. The body of a request is
// never read, and after an error answer the rest is dropped for a moment only, so a client
// can neither make the server hold its data nor keep the connection for long.
#pragma once

#include "Gemeinsam.h"
#include "Kopfpruefung.h"
#include "Platzmarke.h"
#include "Plaetze.h"

#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <memory>
#include <optional>
#include <string>

class HttpSitzung final : public std::enable_shared_from_this<HttpSitzung>,
                          public Plaetze::Inhaber {
public:
    HttpSitzung(boost::asio::ip::tcp::socket&& socket, std::shared_ptr<Gemeinsam> g,
                std::string absender);
    HttpSitzung(const HttpSitzung&) = delete;
    HttpSitzung& operator=(const HttpSitzung&) = delete;

    void raeumen() override;
    // Waits for the next request head.
    void lesen();

private:
    using Anfrage = boost::beast::http::request<boost::beast::http::empty_body>;

    // `verbraucht`: the bytes of the request head the parser has taken so far.
    void gelesen(boost::beast::error_code fehler, std::size_t verbraucht);
    void antworten(Seitenteil teil, const Anfrage& anfrage);
    void fehlerAntworten(int status, bool nurGetUndHead = false);
    // Says no more and drops what the client still sends for a moment, then closes.
    void auslaufen();
    void weiterAuslaufen();
    void schliessen();

    boost::beast::tcp_stream m_strom;
    boost::asio::steady_timer m_frist;
    bool m_zuSpaet = false;
    Platzmarke m_g;
    boost::beast::flat_buffer m_puffer;
    std::optional<Kopfparser> m_parser;
    int m_anfragen = 0;
    std::array<char, 4096> m_abfall{};
    std::size_t m_ausgelaufen = 0;
};
