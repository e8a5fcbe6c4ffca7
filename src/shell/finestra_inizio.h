// The start window: the program's main menu, from which both quizzes and the info window open.
#pragma once

#include "ui/finestra_classica.h"

namespace kestrano {

class RegistroFinestre;

class FinestraInizio final : public ui::FinestraClassica {
    Q_OBJECT

public:
    explicit FinestraInizio(RegistroFinestre& registro);
};

}  // namespace kestrano
