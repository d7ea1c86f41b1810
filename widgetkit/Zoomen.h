// A window at a zoom: its controls' sizes that come from the style (scroll bars, check
// boxes, frames, margins, icons) grow with the zoom, as its fonts and fixed places do.
#pragma once

#include "Twips.h"

#include <QProxyStyle>

class Zoomstil final : public QProxyStyle {
public:
    explicit Zoomstil(const Massstab& massstab);
    int pixelMetric(PixelMetric metrik, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    Massstab m_massstab;
};

// The style's sizes of the window and every control in it at the zoom; at 100 % those of
// the application. For windows that size their fonts themselves; call again after adding
// controls.
void stilZoomen(QWidget* fenster, const Massstab& massstab);
// The window's font at the zoom; at 100 % nothing changes. Controls built after it take the
// font as they are made: a table view with several columns misses the font a window is
// given later, in its headings.
void schriftZoomen(QWidget* fenster, const Massstab& massstab);
// A window built at the designed size shown at the zoom: its font and its controls' style.
// Call once, after its controls are built; at 100 % nothing changes.
void zoomen(QWidget* fenster, const Massstab& massstab);
