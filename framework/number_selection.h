// A double-click on a number in a box of results selects the whole number: its sign,
// point and exponent, which a word-by-word selection splits ("91.44000" is one number,
// not "91" and "44000").
#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace framework {

// Where the number that holds position `at` of `line` lies: its first character and its
// length; a length of 0 when the character there belongs to no number.
struct NumberSpan {
    int begin = 0;
    int length = 0;
};
NumberSpan NumberAt(const QString& line, int at);

// A double-click on a number selects it whole; elsewhere it selects a word as usual.
void SelectNumbersWhole(QLineEdit* box);
void SelectNumbersWhole(QPlainTextEdit* box);

}  // namespace framework
