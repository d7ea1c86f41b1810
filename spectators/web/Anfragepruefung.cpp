#include "Anfragepruefung.h"

#include <algorithm>

namespace {
constexpr std::string_view Erlaubt =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-=&";

Anfragebefund fehler(int status) {
    return {std::nullopt, status};
}
} // namespace

Anfragebefund anfragePruefen(const Anfragekopf& kopf) {
    if (kopf.version != 10 && kopf.version != 11)
        return fehler(400);
    if (kopf.ziel.size() > MaxZiellaenge)
        return fehler(414);
    if (kopf.methode != "GET" && kopf.methode != "HEAD")
        return fehler(405);
    if (kopf.mitKoerper)
        return fehler(400);
    // The page's own addresses need no encoding, no dots in a row and no other host: a
    // target with "%", "..", "\" or an absolute URI is no address of ours.
    const std::string_view ziel = kopf.ziel;
    const std::string_view pfad = ziel.substr(0, ziel.find('?'));
    const std::string_view abfrage = pfad.size() < ziel.size() ? ziel.substr(pfad.size() + 1) : "";
    const auto zulaessig = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return Erlaubt.find(c) != std::string_view::npos; });
    };
    if (!pfad.starts_with('/') || pfad.find("..") != std::string_view::npos || !zulaessig(pfad) ||
        !zulaessig(abfrage))
        return fehler(400);

    if (pfad == "/live") {
        // Only as a WebSocket, which a HEAD cannot open.
        if (kopf.methode != "GET" || !kopf.websocketWechsel)
            return fehler(426);
        return {Seitenteil::Live, 101};
    }
    if (kopf.websocketWechsel)
        return fehler(404);
    if (pfad == "/" || pfad == "/index.html")
        return {Seitenteil::Seite, 200};
    if (pfad == "/zuschauer.css")
        return {Seitenteil::Stil, 200};
    if (pfad == "/zuschauer.js")
        return {Seitenteil::Skript, 200};
    return fehler(404);
}
