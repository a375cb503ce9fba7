// The print action through the real window: the dialog's answer decides whether a page
// comes out, and the page carries the whole grid as the window shows it.
#include "print/pdf_page.h"
#include "windows/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class PrintFromWindow : public WindowTest {
protected:
    // The dialog stand-in sends the page to a PDF file and answers as told.
    void AnswerDialog(bool confirm, const QString& pdfPath = {}) {
        const QString path = pdfPath.isEmpty() ? PdfPath() : pdfPath;
        PrintDialog = [confirm, path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return confirm;
        };
    }

    void Generate(int sizeIndex) {
        Find<RadioGroup>("cbg1")->setItemIndex(sizeIndex);
        Press(Qt::Key_F10);
        ASSERT_EQ(Game().GameState(), PuzzleView);
    }

    QString PdfPath() const { return Folder.filePath(QStringLiteral("page.pdf")); }

    // The one-character words between the title and the rules box: the grid's symbols.
    int SymbolsOnPage() const {
        const QVector<PdfWord> words = PdfWords(PdfPath());
        double top = 0, bottom = 1e9;
        for (const PdfWord& word : words) {
            if (word.text == QLatin1String("Qualche"))
                top = word.box.bottom();
            if (word.text == QLatin1String("Bisogna"))
                bottom = word.box.top();
        }
        int count = 0;
        for (const PdfWord& word : words)
            count += word.text.size() == 1 && word.box.top() > top && word.box.bottom() < bottom;
        return count;
    }

    int SymbolsShown() const {
        const int side = Game().Board()->GetDimension();
        const bool player = Game().GameState() == 1 || Game().GameState() == 4;
        const CellGrid& grid = player ? Game().PlayGrid() : Game().SolutionGrid();
        int count = 0;
        for (int r = 0; r < side; ++r)
            for (int c = 0; c < side; ++c)
                count += grid[r][c] != ' ' ? 1 : 0;
        return count;
    }

    QString PageText() const {
        QStringList words;
        for (const PdfWord& word : PdfWords(PdfPath()))
            words << word.text;
        return words.join(QLatin1Char(' '));
    }

    QTemporaryDir Folder;
};

TEST_F(PrintFromWindow, CancelledDialogPrintsNothingAndKeepsTheGridFocused) {
    Generate(0);
    AnswerDialog(false);
    Press(Qt::Key_F7);
    EXPECT_EQ(PrintDialogs, 1);
    EXPECT_FALSE(QFile::exists(PdfPath()));
    EXPECT_TRUE(Waits.isEmpty());
    EXPECT_TRUE(Grid()->hasFocus());
}

// Within a run the dialog opens on what was chosen last time.
TEST_F(PrintFromWindow, SecondDialogOpensOnTheFirstOnesChoices) {
    Generate(0);
    QString fileSeen;
    QPageLayout::Orientation orientationSeen = QPageLayout::Portrait;
    QPageSize::PageSizeId paperSeen = QPageSize::A4;
    PrintDialog = [&](QPrinter& printer) {
        fileSeen = printer.outputFileName();
        orientationSeen = printer.pageLayout().orientation();
        paperSeen = printer.pageLayout().pageSize().id();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfPath());
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return PrintDialogs == 1;
    };
    Press(Qt::Key_F7);
    Press(Qt::Key_F7);
    ASSERT_EQ(PrintDialogs, 2);
    EXPECT_EQ(fileSeen, PdfPath());
    EXPECT_EQ(orientationSeen, QPageLayout::Landscape);
    EXPECT_EQ(paperSeen, QPageSize::Letter);
}

TEST_F(PrintFromWindow, NineByNinePuzzlePageWithItsRules) {
    Generate(0);
    AnswerDialog(true);
    Press(Qt::Key_F7);
    ASSERT_TRUE(QFile::exists(PdfPath()));
    EXPECT_EQ(Waits, (QList<int>{1000, 1000}));
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(Messages.isEmpty());
    const QString text = PageText();
    EXPECT_TRUE(text.contains(QStringLiteral("Qualche attimo di relax offerto da")));
    EXPECT_TRUE(text.contains(QStringLiteral("81 caselle")));
    EXPECT_TRUE(text.contains(QStringLiteral("1 a 9")));
    EXPECT_EQ(SymbolsOnPage(), SymbolsShown());
}

// A job that cannot begin is said once, with its reason; the cleanup still runs.
TEST_F(PrintFromWindow, PrintingIntoAMissingFolderShowsTheFailureOnce) {
    Generate(0);
    const QString path = Folder.filePath(QStringLiteral("missing/page.pdf"));
    AnswerDialog(true, path);
    Press(Qt::Key_F7);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(path)) << Messages[0].toStdString();
    EXPECT_TRUE(QDir(Folder.path()).isEmpty());
    EXPECT_EQ(Waits, (QList<int>{1000, 1000}));
    EXPECT_TRUE(Grid()->hasFocus());
}

// The whole 25 x 25 grid reaches the page, also the rows the control must scroll to, with
// the player's entries in a game and the full solution when it is shown.
TEST_F(PrintFromWindow, TwentyFiveByTwentyFiveGridPrintsComplete) {
    Generate(2);
    Press(Qt::Key_F5);
    ASSERT_EQ(Game().GameState(), Playing);
    // A few entries in open cells, typed as a player would.
    int typed = 0;
    for (int r = 24; r >= 0 && typed < 5; --r)
        for (int c = 0; c < 25 && typed < 5; ++c)
            if (Game().PuzzleGrid()[r][c] == ' ') {
                Grid()->setCurrentCell(r, c);
                Press(Qt::Key(Qt::Key_A + (Game().SolutionGrid()[r][c] - 'A')));
                ASSERT_EQ(Game().PlayGrid()[r][c], Game().SolutionGrid()[r][c]);
                ++typed;
            }
    AnswerDialog(true);
    for (GameStateValue state : {Playing, PlayingSolutionView}) {
        if (state == PlayingSolutionView)
            Press(Qt::Key_F6);
        ASSERT_EQ(Game().GameState(), state);
        QFile::remove(PdfPath());
        Press(Qt::Key_F7);
        ASSERT_TRUE(QFile::exists(PdfPath())) << "state " << state;
        EXPECT_EQ(SymbolsOnPage(), SymbolsShown()) << "state " << state;
        EXPECT_TRUE(PageText().contains(QStringLiteral("A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-"
                                                       "T-U-V-W-X-Y")));
    }
    EXPECT_EQ(SymbolsShown(), 625) << "the solution fills every cell";
}

} // namespace
