#include "FAnsagen.h"

#include "Zoomen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

FAnsagen::FAnsagen(AnsagenLogik& logik, QWidget* eltern, const Massstab& massstab)
    : QDialog(eltern), m_logik(logik) {
    setWindowTitle(QStringLiteral("Ansagen"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/lineale.svg")));

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(kaestchen(&Ansageeinstellungen::an, QStringLiteral("Ansagen einschalten"),
                                QStringLiteral("spricht Rundenzeiten und Rennereignisse")));
    const std::pair<AnsagenLogik::Schalter, std::pair<QString, QString>> arten[] = {
        {&Ansageeinstellungen::rundenzeit,
         {QStringLiteral("Rundenzeit nach jeder Runde"),
          QStringLiteral("auf die Hundertstel: \"vier Komma zwei eins\"")}},
        {&Ansageeinstellungen::fahrername,
         {QStringLiteral("mit dem Namen des Fahrers"),
          QStringLiteral("\"Anna, vier Komma zwei eins\"")}},
        {&Ansageeinstellungen::bestzeit,
         {QStringLiteral("neue Bestzeit des Rennens"),
          QStringLiteral("\"Bestzeit Anna, drei Komma neun acht\"")}},
        {&Ansageeinstellungen::restrunden,
         {QStringLiteral("Restrunden (10, 5, 3 und letzte Runde)"),
          QStringLiteral("\"noch fünf Runden\", \"letzte Runde\"")}},
        {&Ansageeinstellungen::rennereignisse,
         {QStringLiteral("Fehlstart, Crash, Sieger mit Vorsprung, Hall of Fame"),
          QStringLiteral("\"Anna gewinnt\", \"Vorsprung zwei Komma drei eins Sekunden\"")}},
    };
    auto* artenSpalte = new QVBoxLayout;
    artenSpalte->setContentsMargins(massstab.skaliert(20), 0, 0, 0);
    for (const auto& [schalter, texte] : arten)
        artenSpalte->addWidget(kaestchen(schalter, texte.first, texte.second));
    spalte->addLayout(artenSpalte);

    auto* formular = new QFormLayout;
    m_tempo = regler(Ansageeinstellungen::TempoMin, Ansageeinstellungen::TempoMax,
                     QStringLiteral("Wörter pro Minute"));
    m_tempoWert = new QLabel(this);
    m_lautstaerke = regler(0, 100, QStringLiteral("Lautstärke der Stimme in Prozent"));
    m_lautstaerkeWert = new QLabel(this);
    for (auto [beschriftung, schieber, wert] :
         {std::tuple{QStringLiteral("Tempo:"), m_tempo, m_tempoWert},
          std::tuple{QStringLiteral("Lautstärke:"), m_lautstaerke, m_lautstaerkeWert}}) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(schieber, 1);
        wert->setMinimumWidth(QFontMetrics(massstab.schrift(font()))
                                  .horizontalAdvance(QStringLiteral("400 Wörter/min")));
        zeile->addWidget(wert);
        formular->addRow(beschriftung, zeile);
    }
    connect(m_tempo, &QSlider::valueChanged, this, [this](int wert) {
        m_logik.tempoSetzen(wert);
        darstellen();
    });
    connect(m_lautstaerke, &QSlider::valueChanged, this, [this](int wert) {
        m_logik.lautstaerkeSetzen(wert);
        darstellen();
    });
    spalte->addLayout(formular);

    auto* probe = new QPushButton(QStringLiteral("Probe"), this);
    probe->setToolTip(QStringLiteral("sagt eine Runde zur Probe"));
    probe->setAutoDefault(false);
    connect(probe, &QPushButton::clicked, this, [this] {
        m_logik.probeSprechen();
        darstellen();
    });
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(probe);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    m_probehinweis = new QLabel(this);
    m_probehinweis->setWordWrap(true);
    spalte->addWidget(m_probehinweis);

    zoomen(this, massstab);
    darstellen();
}

QCheckBox* FAnsagen::kaestchen(AnsagenLogik::Schalter schalter, const QString& text,
                               const QString& tipp) {
    auto* box = new QCheckBox(text, this);
    box->setToolTip(tipp);
    connect(box, &QCheckBox::clicked, this, [this, schalter](bool an) {
        m_logik.ankreuzen(schalter, an);
        darstellen();
    });
    m_kaestchen.emplace_back(box, schalter);
    return box;
}

QSlider* FAnsagen::regler(int von, int bis, const QString& tipp) {
    auto* schieber = new QSlider(Qt::Horizontal, this);
    schieber->setRange(von, bis);
    schieber->setPageStep(10);
    schieber->setToolTip(tipp);
    return schieber;
}

void FAnsagen::darstellen() {
    const Ansageeinstellungen& e = m_logik.einstellungen();
    for (const auto& [box, schalter] : m_kaestchen) {
        const QSignalBlocker sperre(box);
        box->setChecked(e.*schalter);
        box->setEnabled(schalter == &Ansageeinstellungen::an || m_logik.artenWaehlbar());
    }
    for (auto [schieber, wert] :
         {std::pair{m_tempo, e.tempo}, std::pair{m_lautstaerke, e.lautstaerke}}) {
        const QSignalBlocker sperre(schieber);
        schieber->setValue(wert);
    }
    m_tempoWert->setText(QString::number(e.tempo) + QStringLiteral(" Wörter/min"));
    m_lautstaerkeWert->setText(QString::number(e.lautstaerke) + QStringLiteral(" %"));
    m_probehinweis->setText(m_logik.probehinweis());
    m_probehinweis->setVisible(!m_logik.probehinweis().isEmpty());
}
