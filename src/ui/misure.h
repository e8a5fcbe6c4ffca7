// Twips to logical pixels: the layouts are designed in twips (1/1440 inch), 15 to a pixel at 96 dpi.
#pragma once

#include <QRect>
#include <cmath>

namespace kestrano::ui {

inline constexpr int twipPerPixel = 15;

constexpr int pixelDaTwip(double twip) {
    return static_cast<int>(std::lround(twip / twipPerPixel));
}
constexpr double twipDaPixel(int pixel) {
    return static_cast<double>(pixel) * twipPerPixel;
}

inline QRect rettangoloDaTwip(int sinistra, int alto, int larghezza, int altezza) {
    return {pixelDaTwip(sinistra), pixelDaTwip(alto), pixelDaTwip(larghezza), pixelDaTwip(altezza)};
}

}  // namespace kestrano::ui
