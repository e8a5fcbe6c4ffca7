// Colours of the layouts: a fixed RGB, or one of the platform's system colours, resolved from
// the application palette when a control is built.
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace kestrano::ui {

struct Colore {
    enum class Origine { rgb, testoPulsante, testoFinestra, facciaPulsante };
    Origine origine;
    int rosso = 0, verde = 0, blu = 0;

    QColor qColor() const {
        switch (origine) {
            case Origine::testoPulsante:
                return QGuiApplication::palette().color(QPalette::ButtonText);
            case Origine::testoFinestra:
                return QGuiApplication::palette().color(QPalette::WindowText);
            case Origine::facciaPulsante:
                return QGuiApplication::palette().color(QPalette::Button);
            case Origine::rgb:
                break;
        }
        return QColor(rosso, verde, blu);
    }
};

constexpr Colore rgb(int r, int g, int b) {
    return {Colore::Origine::rgb, r, g, b};
}
inline constexpr Colore testoPulsante{Colore::Origine::testoPulsante};
inline constexpr Colore testoFinestra{Colore::Origine::testoFinestra};
inline constexpr Colore facciaPulsante{Colore::Origine::facciaPulsante};

}  // namespace kestrano::ui
