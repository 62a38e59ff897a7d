#pragma once

#include "scoring/ScoreRating.h"

class QLineEdit;

namespace calculator {

// Shows a rating in its field: the colour first, then the word. No rating
// empties the field and leaves its colour as it was.
void showRating(QLineEdit *field, scoring::Rating rating);

} // namespace calculator
