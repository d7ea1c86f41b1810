// The live page's server under libFuzzer: any bytes, read as the server reads a request
// head (Boost.Beast's parser with the server's limits, in pieces as they may arrive), then
// judged by its rules. Whatever comes, the answer is a 4xx, or one of the page's own four
// addresses for a plain GET or HEAD without a body; and nothing crashes or leaks.
#include "Kopfpruefung.h"

#include <boost/asio/buffer.hpp>
#include <boost/beast/http/error.hpp>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void pruefen(bool bedingung) {
    if (!bedingung)
        std::abort();
}

void befundPruefen(const Kopfparser& parser, const Anfragebefund& befund) {
    if (!befund.teil) {
        pruefen(befund.status >= 400 && befund.status < 500);
        return;
    }
    const auto& anfrage = parser.get();
    const std::string_view methode(anfrage.method_string().data(), anfrage.method_string().size());
    std::string_view ziel(anfrage.target().data(), anfrage.target().size());
    ziel = ziel.substr(0, ziel.find('?'));
    pruefen(methode == "GET" || methode == "HEAD");
    pruefen(!parser.chunked() && parser.content_length().value_or(0) == 0);
    pruefen(ziel == "/" || ziel == "/index.html" || ziel == "/zuschauer.css" ||
            ziel == "/zuschauer.js" || ziel == "/live");
    pruefen((*befund.teil == Seitenteil::Live) == (ziel == "/live"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Kopfparser parser;
    kopfparserEinrichten(parser);
    // The first byte chooses the piece size, as a network splits a request.
    const std::size_t stueck = groesse > 0 ? daten[0] % 64 + 1 : 1;
    std::size_t verbraucht = 0, angekommen = groesse > 0 ? 1 : 0;
    boost::beast::error_code fehler;
    while (!parser.is_header_done()) {
        if (angekommen == groesse) {
            // The client stops sending: the server's time limit ends the wait.
            fehler = boost::beast::error::timeout;
            break;
        }
        angekommen = std::min(groesse, angekommen + stueck);
        while (verbraucht < angekommen && !parser.is_header_done()) {
            const std::size_t n = parser.put(
                boost::asio::buffer(daten + verbraucht, angekommen - verbraucht), fehler);
            verbraucht += n;
            if (fehler == boost::beast::http::error::need_more) {
                fehler = {};
                break;
            }
            if (fehler)
                break;
        }
        if (fehler)
            break;
    }
    if (fehler) {
        const int status = lesefehlerStatus(parser, fehler, verbraucht);
        pruefen(status == 0 || (status >= 400 && status < 500));
        return 0;
    }
    befundPruefen(parser, kopfPruefen(parser));
    return 0;
}
