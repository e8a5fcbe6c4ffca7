// A quiz question, a bank of 96 of them, the lookup by number and the one answer comparison
// of the program.
#pragma once

#include <array>
#include <string_view>

namespace kestrano {

inline constexpr int domandePerBanca = 96;

struct Domanda {
    int numero;                       // 1..96, unique within its bank
    std::string_view testo;           // UTF-8, shown exactly as stored (doubled blanks included)
    std::string_view rispostaAttesa;  // always one of the seven button captions of the quiz
};

// Ordered by number: the record of number n stands at index n - 1.
using BancaDomande = std::array<Domanda, domandePerBanca>;

// The record whose number is numerically equal to `numero`, or nullptr. The engine keeps its
// drawn number as a float, so 3.0f selects 3 while 95.5f, 0 and 97 select nothing.
const Domanda* trovaDomanda(const BancaDomande& banca, float numero);

// True when the chosen text is the key character for character: case counts, nothing trimmed,
// no numeric reading ("1.000" is not "1000").
bool rispostaEsatta(std::string_view scelta, const Domanda& domanda);

}  // namespace kestrano
