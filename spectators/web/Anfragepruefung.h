// Which requests the live page's server answers and how: the page, its style sheet and
// script, and the WebSocket of its updates, by GET or HEAD, without a body. Everything
// else gets a 4xx status and changes nothing. Plain rules, so they are tested (and
// fuzzed) without a socket.
#pragma once

#include <optional>
#include <string_view>

enum class Seitenteil { Seite, Stil, Skript, Live };

struct Anfragekopf {
    std::string_view methode;
    std::string_view ziel; // the request target exactly as sent
    int version = 11;      // 10 for HTTP/1.0, 11 for HTTP/1.1
    bool mitKoerper = false;
    bool websocketWechsel = false; // asks to upgrade to a WebSocket
};

struct Anfragebefund {
    std::optional<Seitenteil> teil; // what to send; nothing: answer with the status
    int status = 200;
};

// Longest request target answered; longer ones get 414.
constexpr std::size_t MaxZiellaenge = 8192;

Anfragebefund anfragePruefen(const Anfragekopf& kopf);
