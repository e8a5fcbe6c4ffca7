// The start window: the program's main menu, from which both quizzes and the info window open.
#pragma once

#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"

namespace kestrano {

// What it asks of its owner goes out as signals: besides a window's own (unload it, end the
// program), a quiz to open, and "Info" pressed and released with any mouse button.
class FinestraInizio final : public ui::FinestraClassica {
    Q_OBJECT

public:
    FinestraInizio();

signals:
    void aperturaRichiesta(kestrano::Quiz quiz);
    void infoPremuto();
    void infoRilasciato();

private:
    // The handlers of its controls, named after the control and the event.
    void Command1_Click();
    void Command2_Click();
    void Command7_MouseDown();
    void Command7_MouseUp();
    void Command9_Click();
    void mnuFine_Click();
};

}  // namespace kestrano
