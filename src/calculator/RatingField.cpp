#include "calculator/RatingField.h"

#include "runtime/WindowStyle.h"

#include <QLineEdit>

namespace calculator {

void showRating(QLineEdit *field, scoring::Rating rating)
{
    if (const auto colour = scoring::ratingColour(rating))
        rt::style::setTextColor(field, static_cast<long>(*colour));
    const std::string_view word = scoring::ratingText(rating);
    field->setText(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

} // namespace calculator
