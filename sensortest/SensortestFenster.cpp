#include "SensortestFenster.h"

#include "Zoomen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Rows of a port's block: the lanes' names, the lamps and four numbers.
constexpr int BlockZeilen = 6;
constexpr int Spaltenbreite = 130;

QString lampenbild(std::optional<bool> pegel) {
    if (!pegel)
        return QStringLiteral(":/bilder/kreis-gelb.svg");
    return *pegel ? QStringLiteral(":/bilder/kreis-gruen.svg")
                  : QStringLiteral(":/bilder/kreis-grau.svg");
}

QLabel* fett(const QString& text, QWidget* eltern) {
    auto* label = new QLabel(text, eltern);
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
    return label;
}
} // namespace

SensortestFenster::SensortestFenster(Sensortest& logik, QWidget* eltern, const Massstab& massstab)
    : QDialog(eltern), m_logik(logik) {
    setWindowTitle(QStringLiteral("Sensortest"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/lineale.svg")));

    // The lanes of each port in a block of their own, the first port's on top.
    auto* raster = new QGridLayout;
    const QString zeilen[] = {
        QStringLiteral("Leitung:"), QStringLiteral("Flanken:"), QStringLiteral("Seit der letzten:"),
        QStringLiteral("Prellen (kürzester Abstand):"), QStringLiteral("Rundenzeit:")};
    const int spurenzahl = m_logik.ansicht.spur.anzahl();
    m_spalten.resize(static_cast<std::size_t>(spurenzahl));
    m_lampen.resize(m_spalten.size());
    for (int nummer = 1; nummer <= spurenzahl; ++nummer) {
        const int block = (nummer - 1) / LeitungenJePort;
        const int oben = block * BlockZeilen;
        const int s = (nummer - 1) % LeitungenJePort + 1;
        if (s == 1)
            for (int z = 0; z < 5; ++z)
                raster->addWidget(new QLabel(zeilen[z], this), oben + z + 1, 0);
        if (block > 0 && s == 1)
            raster->setRowMinimumHeight(oben, massstab.skaliert(36));
        Spalte& spalte = m_spalten[static_cast<std::size_t>(nummer - 1)];
        spalte.spur = fett(QString(), this);
        raster->addWidget(spalte.spur, oben, s, Qt::AlignCenter | Qt::AlignBottom);
        spalte.lampe = new QSvgWidget(lampenbild(std::nullopt), this);
        spalte.lampe->setFixedSize(massstab.skaliert(QSize(28, 28)));
        spalte.lampe->setToolTip(QStringLiteral("grün: Leitung ein, grau: aus, gelb: unbekannt"));
        raster->addWidget(spalte.lampe, oben + 1, s, Qt::AlignCenter);
        QLabel** felder[] = {&spalte.flanken, &spalte.seit, &spalte.prellen, &spalte.runde};
        for (int z = 0; z < 4; ++z) {
            *felder[z] = new QLabel(this);
            (*felder[z])->setAlignment(Qt::AlignCenter);
            (*felder[z])->setMinimumWidth(massstab.skaliert(120));
            raster->addWidget(*felder[z], oben + z + 2, s);
        }
    }

    m_urteil = new QLabel(this);
    m_urteil->setWordWrap(true);
    m_urteil->setMinimumHeight(massstab.skaliert(60));
    m_port = new QLabel(this);
    m_port->setWordWrap(true);
    // Both quote the port's name as the racer typed it: never as markup.
    m_urteil->setTextFormat(Qt::PlainText);
    m_port->setTextFormat(Qt::PlainText);
    m_com = new QPushButton(QStringLiteral("COM ändern"), this);
    m_com->setAutoDefault(false);
    m_com->setToolTip(QStringLiteral("ändern der seriellen Schnittstelle"));
    connect(m_com, &QPushButton::clicked, this, [this] {
        m_logik.portWechseln();
        darstellen();
    });
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_port, 1);
    unten->addWidget(m_com);
    unten->addWidget(schliessen);
    auto* spalten = new QVBoxLayout(this);
    spalten->addLayout(raster);
    spalten->addWidget(m_urteil);
    spalten->addLayout(unten);
    // Two lanes as designed; each further column of a port's block as wide as a lane's.
    const int blockbreite = std::min(spurenzahl, LeitungenJePort);
    setFixedWidth(massstab.skaliert(560 + (blockbreite - 2) * Spaltenbreite));
    zoomen(this, massstab);

    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this] {
        m_logik.taktSchlag();
        darstellen();
    });
    takt->start(100);
    darstellen();
}

void SensortestFenster::darstellen() {
    const SensortestAnsicht& a = m_logik.ansicht;
    // The lanes are the track's as the window opened.
    for (int nummer = 1; nummer <= std::min(a.spur.anzahl(), int(m_spalten.size())); ++nummer) {
        const SpurAnsicht& s = a.spur[nummer];
        const auto i = static_cast<std::size_t>(nummer - 1);
        Spalte& spalte = m_spalten[i];
        spalte.spur->setText(s.LaSpur);
        // Loaded only when the level changes: the picture is parsed on every load.
        if (m_lampen[i] != s.ImLampe) {
            spalte.lampe->load(lampenbild(s.ImLampe));
            m_lampen[i] = s.ImLampe;
        }
        spalte.flanken->setText(s.LaFlanken);
        spalte.seit->setText(s.LaSeit);
        spalte.prellen->setText(s.LaPrellen);
        spalte.runde->setText(s.LaRunde);
    }
    m_port->setText(a.LaPort);
    m_com->setVisible(a.BuComVisible);
    m_urteil->setText(a.LaUrteil);
    // A palette, not a style sheet: a label with a style sheet keeps the application's font
    // and would stay small at a zoom.
    const QColor farbe = a.urteil == Urteilsart::Sicher     ? QColor(0x1a, 0x7f, 0x37)
                         : a.urteil == Urteilsart::Unsicher ? QColor(0xc0, 0x00, 0x00)
                                                            : palette().color(QPalette::WindowText);
    if (m_urteil->palette().color(QPalette::WindowText) != farbe) {
        QPalette farben = m_urteil->palette();
        farben.setColor(QPalette::WindowText, farbe);
        m_urteil->setPalette(farben);
    }
}
