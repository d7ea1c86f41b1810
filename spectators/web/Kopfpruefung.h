// The step between Boost.Beast's request parser and the server's rules: a parsed request
// head becomes the rules' input, a failed read becomes its 4xx status. The server and its
// fuzz target share it, so what is fuzzed is what answers.
#pragma once

#include "Anfragepruefung.h"

#include <boost/beast/core/error.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>

using Kopfparser = boost::beast::http::request_parser<boost::beast::http::empty_body>;

// The longest request head read, request line and fields together.
constexpr std::size_t MaxKopf = 16 * 1024;

// A parser that reads no further than this server allows.
void kopfparserEinrichten(Kopfparser& parser);

// What to answer to a head the parser has read completely.
Anfragebefund kopfPruefen(const Kopfparser& parser);

// The status for a head that could not be read, given the bytes the parser took; 0 when
// the client is gone or sent nothing at all, so no answer is due.
int lesefehlerStatus(const Kopfparser& parser, boost::beast::error_code fehler,
                     std::size_t verbraucht);
