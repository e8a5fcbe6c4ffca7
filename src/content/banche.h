// The two fixed question banks: the metre and its multiples, the metre and its sub-multiples.
#pragma once

#include "content/domanda.h"

namespace kestrano {

extern const BancaDomande bancaMultipli;
extern const BancaDomande bancaSottomultipli;

}  // namespace kestrano
