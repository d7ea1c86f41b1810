// The window "Ansagen": what is said, how fast and how loud, and "Probe". Renders
// AnsagenLogik's settings and forwards every change to it.
#pragma once

#include "AnsagenLogik.h"
#include "Twips.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QSlider;

class FAnsagen : public QDialog {
    Q_OBJECT
public:
    explicit FAnsagen(AnsagenLogik& logik, QWidget* eltern = nullptr,
                      const Massstab& massstab = {});

private:
    QCheckBox* kaestchen(AnsagenLogik::Schalter schalter, const QString& text, const QString& tipp);
    QSlider* regler(int von, int bis, const QString& tipp);
    void darstellen();

    AnsagenLogik& m_logik;
    std::vector<std::pair<QCheckBox*, AnsagenLogik::Schalter>> m_kaestchen;
    QSlider* m_tempo = nullptr;
    QSlider* m_lautstaerke = nullptr;
    QLabel* m_tempoWert = nullptr;
    QLabel* m_lautstaerkeWert = nullptr;
    QLabel* m_probehinweis = nullptr;
};
