#include "Kopfpruefung.h"

#include <boost/asio/error.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

namespace http = boost::beast::http;

void kopfparserEinrichten(Kopfparser& parser) {
    parser.header_limit(MaxKopf);
}

Anfragebefund kopfPruefen(const Kopfparser& parser) {
    const http::request<http::empty_body>& anfrage = parser.get();
    const boost::optional<std::uint64_t> laenge = parser.content_length();
    return anfragePruefen({{anfrage.method_string().data(), anfrage.method_string().size()},
                           {anfrage.target().data(), anfrage.target().size()},
                           static_cast<int>(anfrage.version()),
                           parser.chunked() || (laenge && *laenge > 0) ||
                               anfrage.count(http::field::transfer_encoding) > 0,
                           boost::beast::websocket::is_upgrade(anfrage)});
}

int lesefehlerStatus(const Kopfparser& parser, boost::beast::error_code fehler,
                     std::size_t verbraucht) {
    if (fehler == http::error::end_of_stream || fehler == boost::asio::error::connection_reset)
        return 0;
    // A request begun gets its answer; a connection that sent nothing (a browser's spare
    // one, or one between requests) just ends.
    if (fehler == boost::beast::error::timeout)
        return parser.got_some() ? 408 : 0;
    // Before the request line is through, it is the address that is too long.
    if (fehler == http::error::header_limit)
        return verbraucht == 0 ? 414 : 431;
    return 400;
}
