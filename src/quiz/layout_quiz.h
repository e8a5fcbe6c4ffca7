// The quiz window's layout table, shared by both variants but for the answer captions.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "quiz/motore_quiz.h"
#include "quiz/varianti_quiz.h"
#include "ui/finestra_classica.h"
#include "ui/layout.h"

namespace kestrano {

// The controls of a quiz's window, its answer buttons captioned from the quiz's configuration.
std::span<const ui::DescrizioneControllo> layoutQuiz(Quiz quiz);
ui::DescrizioneFinestra finestraQuiz(Quiz quiz);

// What a screen reader says for the outcomes, which are spaced out on screen.
inline constexpr std::pair<std::string_view, std::string_view> formeParlate[] = {{testoEsatto, "Esatto"},
                                                                                 {testoErrato, "Errato"}};
// Pieces of the question texts that the Italian voice would misread, as a pupil reads them
// aloud: an elided "hm" is swallowed ("l'hm" comes out "ellem"), so it is written the way it
// sounds, and a fraction is read as the ordinal it stands for. Longer pieces come first.
inline constexpr std::pair<std::string_view, std::string_view> pezziParlati[] = {
    {"l'hm", "l'accaemme"},
    {"l' hm", "l'accaemme"},
    {"la 1/1000 parte", "la millesima parte"},
    {"la 1/100 parte", "la centesima parte"},
    {"la 1/10 parte", "la decima parte"},
};
// The spoken form of a text the engine writes, or empty where the text speaks for itself.
std::string formaParlata(std::string_view testo);
// The frame's headings over the two times, as one reads them down their columns.
inline constexpr std::string_view parlatoTempoParziale = "Tempo parziale", parlatoTempoTotale = "Tempo totale";

}  // namespace kestrano
