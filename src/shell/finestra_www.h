// The info window: the author's web and e-mail addresses, shown while a mouse button is held
// on the start window's "Info". A click on its background closes it.
#pragma once

#include "ui/finestra_classica.h"

namespace kestrano {

inline constexpr std::string_view indirizzoWeb = "http://www.example.org/";
inline constexpr std::string_view testoEmail = "E-mail : info@example.org";

class FinestraWWW final : public ui::FinestraClassica {
    Q_OBJECT

public:
    // A click on its background asks its owner to unload it (chiusuraRichiesta).
    FinestraWWW();

    // Centres the window on the screen 20 twips below its top, and the labels on the window.
    void Form_Load();

protected:
    void showEvent(QShowEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // A click on the background: unloads the window.
    void Form_Click();

    bool premutoSulloSfondo_ = false;
};

}  // namespace kestrano
