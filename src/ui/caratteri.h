// The fonts the layouts name, by face, size in points and weight, and how they become Qt fonts:
// sized in pixels at 96 dpi (points x 4/3) so text keeps its proportion to a twip layout, with
// a close substitute where the named face is not installed.
#pragma once

#include <QFont>
#include <string_view>

namespace kestrano::ui {

struct Carattere {
    std::string_view famiglia;
    double punti;
    bool grassetto;
};

// Every named font of the windows is bold; the default font is MS Sans Serif 8.25 pt regular.
constexpr Carattere grassetto(std::string_view famiglia, double punti) {
    return {famiglia, punti, true};
}
inline constexpr Carattere carattereDiSistema{"MS Sans Serif", 8.25, false};

QFont qFont(const Carattere& carattere);

}  // namespace kestrano::ui
