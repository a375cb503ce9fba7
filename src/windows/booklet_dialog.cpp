#include "windows/booklet_dialog.h"

#include "game/booklet_puzzles.h"
#include "print/booklet_layout.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

BookletDialog::BookletDialog(const BookletChoice& start, QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Libretto di sudoku"));
    setObjectName(QStringLiteral("BookletDialog"));

    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("cbxDimensioneLibretto"));
    for (int boxSize = 3; boxSize <= 5; ++boxSize)
        size_->addItem(QStringLiteral("%1x%1").arg(boxSize * boxSize), boxSize);
    size_->setCurrentIndex(size_->findData(start.boxSize));

    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("spnQuanti"));
    count_->setRange(1, kMaxBookletPuzzles);
    count_->setValue(start.count);

    perPage_ = new QComboBox(this);
    perPage_->setObjectName(QStringLiteral("cbxPerPagina"));
    FillPerPage(start.boxSize, start.perPage);
    connect(size_, &QComboBox::currentIndexChanged, this,
            [this] { FillPerPage(size_->currentData().toInt(), perPage_->currentData().toInt()); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Dimensione:"), size_);
    form->addRow(QStringLiteral("&Quanti sudoku:"), count_);
    form->addRow(QStringLiteral("Sudoku per &pagina:"), perPage_);
    auto* note = new QLabel(QStringLiteral("Le soluzioni seguono in fondo, più piccole, con gli "
                                           "stessi numeri."),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Avanti…"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    size_->setFocus();
}

BookletChoice BookletDialog::Choice() const {
    return {size_->currentData().toInt(), count_->value(), perPage_->currentData().toInt()};
}

void BookletDialog::FillPerPage(int boxSize, int wanted) {
    perPage_->clear();
    int chosen = -1;
    for (int choice : PuzzlesPerPageChoices(boxSize)) {
        perPage_->addItem(QString::number(choice), choice);
        if (choice <= wanted)
            chosen = perPage_->count() - 1;
    }
    perPage_->setCurrentIndex(std::max(chosen, 0));
}
