"use strict";
// Keeps the page live: every message of the WebSocket holds the texts, state classes and
// colours of the page's elements by id, as the first answer filled them in. A lost
// connection is tried again, less often the longer it stays away.
(function () {
    function zeile(eltern, art, zellen) {
        const tr = document.createElement("tr");
        for (const text of zellen) {
            const zelle = document.createElement(art);
            zelle.textContent = text;
            tr.appendChild(zelle);
        }
        return eltern.appendChild(tr);
    }

    // A race night's standings, built again only when they changed.
    function abendAnwenden(abend) {
        const tabelle = document.getElementById("abendtabelle");
        const neu = JSON.stringify(abend);
        if (!tabelle || tabelle.dataset.stand === neu)
            return;
        tabelle.dataset.stand = neu;
        tabelle.replaceChildren();
        tabelle.dataset.z = abend.zeilen.length ? "an" : "";
        if (!abend.zeilen.length)
            return;
        zeile(tabelle.createTHead(), "th", abend.kopf);
        const koerper = tabelle.createTBody();
        for (const z of abend.zeilen) {
            const tr = zeile(koerper, "td", z.zellen);
            tr.className = z.ausgeschieden ? "aus" : "";
            // The name on the driver's colour, in the type that reads on it.
            if (z.farbe && tr.cells.length > 1) {
                tr.cells[1].style.backgroundColor = z.farbe;
                tr.cells[1].style.color = z.schrift;
            }
        }
    }

    // A line naming drivers, built again only when it changed: the names in elements of
    // their own, which may be cut with "…", whole in the title.
    function zeileAnwenden(element, teile) {
        const neu = JSON.stringify(teile);
        if (element.dataset.teile === neu)
            return;
        element.dataset.teile = neu;
        element.replaceChildren();
        for (const teil of teile) {
            if (!teil.name) {
                element.append(teil.text);
                continue;
            }
            const name = document.createElement("span");
            name.className = "name";
            name.textContent = name.title = teil.text;
            // A driver's colour: the one their lane's card will have.
            if (teil.farbe)
                name.style.color = teil.farbe;
            element.appendChild(name);
        }
    }

    // A wide screen, a television say, shows every row of the night's table at once: its
    // type shrinks from the style sheet's until the page fits the window's height. A phone
    // scrolls.
    function tabelleEinpassen() {
        const tabelle = document.getElementById("abendtabelle");
        if (!tabelle)
            return;
        tabelle.style.fontSize = "";
        if (tabelle.dataset.z !== "an" || innerWidth < 800)
            return;
        let groesse = parseFloat(getComputedStyle(tabelle).fontSize);
        for (let versuch = 0; versuch < 4; ++versuch) {
            const zuviel = document.documentElement.scrollHeight - innerHeight;
            if (zuviel <= 0 || groesse <= 8)
                break;
            groesse = Math.max(8, groesse * (1 - zuviel / tabelle.offsetHeight) - 0.5);
            tabelle.style.fontSize = groesse + "px";
        }
    }

    // The driver this page follows: "?fahrer=Anna" in its address, kept in the browser for
    // the next visit; "?fahrer=" forgets it.
    function gefolgterFahrer() {
        const gefragt = new URLSearchParams(location.search).get("fahrer");
        try {
            if (gefragt !== null)
                localStorage.setItem("rundomatFahrer", gefragt.trim());
            return localStorage.getItem("rundomatFahrer") || "";
        } catch (e) {
            return gefragt ? gefragt.trim() : ""; // a browser that keeps nothing
        }
    }
    const fahrer = gefolgterFahrer().toLocaleLowerCase();

    function meinLaufAnwenden(abend) {
        const element = document.getElementById("meinlauf");
        if (!element)
            return;
        const lauf = fahrer && (abend.laeufe || []).find(
            (l) => l.name.trim().toLocaleLowerCase() === fahrer);
        const text = lauf ? lauf.text : "";
        if (element.textContent !== text)
            element.textContent = text;
        element.dataset.z = text ? "an" : "";
    }

    function anwenden(stand) {
        // Another count of lanes needs other cards: the page comes anew with them.
        const spuren = document.querySelector("main");
        if (stand.spuren && spuren && spuren.dataset.spuren !== String(stand.spuren)) {
            location.reload();
            return;
        }
        if (stand.abend) {
            abendAnwenden(stand.abend);
            meinLaufAnwenden(stand.abend);
        }
        const teile = stand.teile || {};
        for (const [id, zeile] of Object.entries(teile)) {
            const element = document.getElementById(id);
            if (element)
                zeileAnwenden(element, zeile);
        }
        for (const [id, text] of Object.entries(stand.texte)) {
            const element = document.getElementById(id);
            if (element && !(id in teile) && element.textContent !== text) {
                element.textContent = text;
                // Names and the result may be cut with "…"; the title holds them whole.
                if (element.hasAttribute("title"))
                    element.title = text;
            }
        }
        for (const [id, klasse] of Object.entries(stand.klassen)) {
            const element = document.getElementById(id);
            if (element)
                element.dataset.z = klasse;
        }
        for (const [id, farbe] of Object.entries(stand.farben)) {
            const element = document.getElementById(id);
            if (element)
                element.style.color = farbe;
        }
        for (const [id, grund] of Object.entries(stand.gruende || {})) {
            const element = document.getElementById(id);
            if (element)
                element.style.backgroundColor = grund;
        }
        tabelleEinpassen();
    }

    let wartezeit = 1000;
    function verbinden() {
        const schema = location.protocol === "https:" ? "wss://" : "ws://";
        const kanal = new WebSocket(schema + location.host + "/live");
        kanal.onopen = function () {
            document.body.dataset.verbindung = "an";
            wartezeit = 1000;
        };
        kanal.onmessage = function (nachricht) {
            anwenden(JSON.parse(nachricht.data));
        };
        kanal.onclose = function () {
            document.body.dataset.verbindung = "aus";
            setTimeout(verbinden, wartezeit);
            wartezeit = Math.min(wartezeit * 2, 15000);
        };
    }
    addEventListener("resize", tabelleEinpassen);
    tabelleEinpassen();
    verbinden();
})();
