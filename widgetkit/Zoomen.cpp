#include "Zoomen.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>

Zoomstil::Zoomstil(const Massstab& massstab)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_massstab(massstab) {}

int Zoomstil::pixelMetric(PixelMetric metrik, const QStyleOption* option,
                          const QWidget* widget) const {
    const int wert = QProxyStyle::pixelMetric(metrik, option, widget);
    // Negative values are no sizes but "no limit" and the like.
    return wert > 0 ? m_massstab.skaliert(wert) : wert;
}

void stilZoomen(QWidget* fenster, const Massstab& massstab) {
    const QList<Zoomstil*> bisher = fenster->findChildren<Zoomstil*>(Qt::FindDirectChildrenOnly);
    // Each control before the one it lies in: a scroll area lays out its bars anew when its
    // own style changes, with the sizes their style gives them then.
    QWidgetList widgets = fenster->findChildren<QWidget*>();
    std::reverse(widgets.begin(), widgets.end());
    widgets.append(fenster);
    if (massstab.entworfen()) {
        for (QWidget* w : widgets)
            if (w->testAttribute(Qt::WA_SetStyle))
                w->setStyle(nullptr);
    } else {
        auto* stil = new Zoomstil(massstab);
        stil->setParent(fenster);
        for (QWidget* w : widgets)
            w->setStyle(stil);
    }
    // No widget uses the styles of an earlier zoom any more.
    qDeleteAll(bisher);
}

void schriftZoomen(QWidget* fenster, const Massstab& massstab) {
    if (!massstab.entworfen())
        fenster->setFont(massstab.schrift(QApplication::font(fenster)));
}

void zoomen(QWidget* fenster, const Massstab& massstab) {
    if (massstab.entworfen())
        return;
    schriftZoomen(fenster, massstab);
    stilZoomen(fenster, massstab);
}
