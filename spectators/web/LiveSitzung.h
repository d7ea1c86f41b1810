// An open live page: the WebSocket a page asked for, which gets the standings at once and
// after every change. A page that reads slowly has one message on its way and at most the
// newest waiting, never a queue, so it costs the server no more than a fast one; one that
// takes nothing for too long is found by its place and closed. The page sends nothing; a
// ping it does not answer ends it too.
#pragma once

#include "Platzmarke.h"
#include "Plaetze.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/websocket/stream.hpp>
#include <memory>
#include <string>

class LiveSitzung final : public std::enable_shared_from_this<LiveSitzung>,
                          public Plaetze::Inhaber {
public:
    LiveSitzung(boost::asio::ip::tcp::socket&& socket, Platzmarke platz);
    ~LiveSitzung();
    LiveSitzung(const LiveSitzung&) = delete;
    LiveSitzung& operator=(const LiveSitzung&) = delete;

    // Answers the upgrade request; once it is accepted, the page is open.
    void annehmen(const boost::beast::http::request<boost::beast::http::empty_body>& anfrage);
    void senden(std::shared_ptr<const std::string> json);
    void raeumen() override;

private:
    void angenommen();
    void lesen();
    void schreiben(std::shared_ptr<const std::string> json);

    boost::beast::websocket::stream<boost::beast::tcp_stream> m_ws;
    Platzmarke m_platz;
    boost::beast::flat_buffer m_eingang;
    bool m_schreibt = false;
    std::shared_ptr<const std::string> m_unterwegs;
    std::shared_ptr<const std::string> m_wartend;
};
