// What the web server's connections share: the page's texts, the state the open pages were
// last sent, the places of Plaetze.h and the open pages themselves. It lives on the
// server's thread and is touched only there; the connections hold it, so it outlives the
// server with the last of them.
#pragma once

#include "Plaetze.h"
#include "Seitenwerte.h"
#include "Webserver.h"
#include "Zuschaueransicht.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

class LiveSitzung;

struct Gemeinsam {
    explicit Gemeinsam(Webserver::Fristen fristen);

    // The page filled with ansicht, made once it is asked for.
    const std::string& gefuellteSeite();
    // What the page shows from now on; every open page is sent it.
    void zeigen(Zuschaueransicht neu);

    Webserver::Fristen fristen;
    Seitenvorlage vorlage;
    std::string stil;
    std::string skript;
    Zuschaueransicht ansicht;
    std::shared_ptr<const std::string> json;
    std::optional<std::string> seite;
    Plaetze plaetze;
    std::unordered_set<LiveSitzung*> seiten; // each removes itself when it ends
};
