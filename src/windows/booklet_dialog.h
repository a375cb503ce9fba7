#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QSpinBox;

// What the reader asks of a booklet.
struct BookletChoice {
    int boxSize = 3;
    int count = 12;
    int perPage = 4;
};

// The small dialog that asks for a booklet's size, number of puzzles and puzzles to a page,
// starting from the last answers.
class BookletDialog : public QDialog {
public:
    BookletDialog(const BookletChoice& start, QWidget* owner);

    BookletChoice Choice() const;

private:
    // The puzzles-to-a-page list of the chosen size, keeping the number chosen where it can.
    void FillPerPage(int boxSize, int wanted);

    QComboBox* size_;
    QSpinBox* count_;
    QComboBox* perPage_;
};
