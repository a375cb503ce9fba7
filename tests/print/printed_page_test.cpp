// Prints real pages to PDF through QPrinter and reads them back as pixels and words.
#include "pdf_page.h"
#include "print/page_geometry.h"
#include "print/page_printer.h"
#include "print/print_failure_text.h"
#include "stand_in_grid.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRenderDpi = 300;
const QColor kBackground{255, 150, 0}; // a test background no other element uses

QImage SolidBackground() {
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

struct PageCase {
    std::string name;
    int boxSize;
    QPageSize paper;
    int resolution; // 0: the printer's own
    double marginMm;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

void PrintTo(const PageCase& c, std::ostream* out) {
    *out << c.name;
}

void PrintTo(QPrinter& printer, const PageCase& c, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(c.paper);
    printer.setPageOrientation(c.orientation);
    printer.setPageMargins(QMarginsF(c.marginMm, c.marginMm, c.marginMm, c.marginMm),
                           QPageLayout::Millimeter);
    if (c.resolution != 0)
        printer.setResolution(c.resolution);
}

// Upright A4 pages as the program has always printed them, a narrow Letter page, a small odd
// sheet turned sideways, and A4 and Letter sideways at 300 and 600 dpi, for every size.
std::vector<PageCase> PageCases() {
    const QPageSize a4(QPageSize::A4);
    const QPageSize letter(QPageSize::Letter);
    std::vector<PageCase> cases{
        {"a4_9x9", 3, a4, 0, 0},
        {"a4_16x16", 4, a4, 0, 0},
        {"a4_25x25", 5, a4, 0, 0},
        {"letter_600dpi_margins_25x25", 5, letter, 600, 15},
        {"small_odd_page_sideways_16x16", 4, QPageSize(QSizeF(97, 131), QPageSize::Millimeter), 300,
         4, QPageLayout::Landscape},
    };
    for (const auto& [paperName, paper] : {std::pair{"a4", a4}, std::pair{"letter", letter}})
        for (const int dpi : {300, 600})
            for (const int boxSize : {3, 4, 5}) {
                const std::string side = std::to_string(boxSize * boxSize);
                cases.push_back({std::string("landscape_") + paperName + "_" + std::to_string(dpi) +
                                     "dpi_" + side + "x" + side,
                                 boxSize, paper, dpi, 5, QPageLayout::Landscape});
            }
    return cases;
}

// One printed page, read back once and shared by the checks of its case.
struct PrintedPage {
    bool printed = false;
    QString pdfPath;
    int resolution = 0;
    QSize area;        // printable area in printer pixels
    QPoint areaOrigin; // its corner in printer pixels of the paper
    QPageLayout layout;
    StandInGrid grid;
    PageGeometry geometry; // printer pixels of the printable area
    double scale = 1;      // rendered pixels per printer pixel
    QPointF origin;        // printable area's corner in rendered pixels
    double pointsPerPixel = 1;
    QPointF originPoints;
    mutable QImage pixels; // rendered when a check first needs them
    QVector<PdfWord> words;

    const QImage& Pixels() const {
        if (pixels.isNull())
            pixels = RenderPdfPage(pdfPath, kRenderDpi);
        return pixels;
    }

    // The rendered pixel that holds printer pixel (x, y).
    QPoint Px(double x, double y) const {
        return {int(std::floor(origin.x() + x * scale)), int(std::floor(origin.y() + y * scale))};
    }
    QRgb At(double x, double y) const {
        const QPoint p = Px(x, y);
        return Pixels().pixel(p);
    }
    QRectF Points(const QRect& r) const {
        return {originPoints.x() + r.x() * pointsPerPixel,
                originPoints.y() + r.y() * pointsPerPixel, r.width() * pointsPerPixel,
                r.height() * pointsPerPixel};
    }
};

const PrintedPage& PageFor(const PageCase& c) {
    static QTemporaryDir dir;
    static std::map<std::string, std::unique_ptr<PrintedPage>> pages;
    auto& slot = pages[c.name];
    if (slot)
        return *slot;
    slot = std::make_unique<PrintedPage>();
    PrintedPage& page = *slot;
    QPrinter printer(QPrinter::HighResolution);
    const QString path = dir.filePath(QString::fromStdString(c.name) + QStringLiteral(".pdf"));
    PrintTo(printer, c, path);
    page.grid = MakeStandInGrid(c.boxSize);
    page.printed =
        bool(PrintPuzzlePage(printer, SolidBackground(), page.grid.Picture(), c.boxSize));
    page.pdfPath = path;
    page.area = QSize(printer.width(), printer.height());
    page.geometry = ComputePageGeometry(page.area, page.grid.NaturalSize());
    const int resolution = printer.resolution();
    page.resolution = resolution;
    page.layout = printer.pageLayout();
    page.areaOrigin = printer.pageLayout().paintRectPixels(resolution).topLeft();
    page.scale = double(kRenderDpi) / resolution;
    page.origin = printer.pageLayout().paintRectPixels(kRenderDpi).topLeft();
    page.pointsPerPixel = 72.0 / resolution;
    page.originPoints = printer.pageLayout().paintRectPoints().topLeft();
    page.words = PdfWords(path);
    return page;
}

class PrintedPageTest : public ::testing::TestWithParam<PageCase> {
protected:
    void SetUp() override {
        page_ = &PageFor(GetParam());
        ASSERT_TRUE(page_->printed);
    }
    // The rendered page, for the checks that look at its pixels.
    const PrintedPage& RenderedPage() const {
        EXPECT_FALSE(page_->Pixels().isNull()) << "pdftoppm (poppler-utils) could not render";
        return *page_;
    }
    const PrintedPage& Page() const { return *page_; }

private:
    const PrintedPage* page_ = nullptr;
};

// Centre of the dark pixels met along a vertical or horizontal line of the rendered page,
// between from and to (printer pixels); -1 when there are none.
double DarkCentre(const PrintedPage& page, bool vertical, double fixed, double from, double to) {
    double sum = 0;
    int count = 0;
    for (double v = from; v <= to; v += 1 / page.scale) {
        const QRgb pixel = vertical ? page.At(fixed, v) : page.At(v, fixed);
        if (IsDark(pixel)) {
            sum += v;
            ++count;
        }
    }
    return count == 0 ? -1 : sum / count;
}

TEST_P(PrintedPageTest, BackgroundCoversThePrintableAreaAroundTheBoxes) {
    const PrintedPage& page = RenderedPage();
    const PageGeometry& g = page.geometry;
    const int margin = 20; // frame half-width and a little more
    const QRect boxes = g.TitleBoxRect()
                            .united(g.GridPictureRect())
                            .united(g.RulesBoxRect())
                            .adjusted(-margin, -margin, margin, margin);
    const QSize area = page.area;
    int checked = 0;
    for (int i = 0; i <= 40; ++i)
        for (int j = 0; j <= 40; ++j) {
            const int x = std::min(area.width() * i / 40, area.width() - 2);
            const int y = std::min(area.height() * j / 40, area.height() - 2);
            if (boxes.contains(x, y))
                continue;
            ++checked;
            ASSERT_TRUE(NearColour(page.At(x, y), kBackground))
                << "no background at printer pixel " << x << "," << y;
        }
    EXPECT_GT(checked, 500);
}

TEST_P(PrintedPageTest, FramesSitAtTenAndTwentyPercentWithTenPercentMargins) {
    const PrintedPage& page = RenderedPage();
    const PageGeometry& g = page.geometry;
    const double tolerance = 2 / page.scale; // two rendered pixels
    const double reach = 40;
    for (const QRect& box : {g.TitleBoxRect(), g.RulesBoxRect()}) {
        // Above the text, which starts a line below the top, across the box: left and right
        // frame lines.
        const double row = box.y() + box.height() * 0.12;
        EXPECT_NEAR(DarkCentre(page, false, row, box.x() - reach, box.x() + reach), box.x(),
                    tolerance);
        const double right = box.x() + box.width() - 2;
        EXPECT_NEAR(DarkCentre(page, false, row, right - reach, right + reach), right, tolerance);
        EXPECT_TRUE(NearColour(page.At(box.x() - 3 * reach, row), kBackground));
        EXPECT_TRUE(NearColour(page.At(box.x() + box.width() * 0.95, row), Qt::white));
        // Down the right part of the box: the bottom frame line.
        const double column = box.x() + box.width() * 0.97;
        const double bottom = box.y() + box.height() - 1;
        EXPECT_NEAR(DarkCentre(page, true, column, bottom - reach, bottom + reach), bottom,
                    tolerance);
    }
    const double column = g.x0 + g.w * 0.97;
    EXPECT_NEAR(DarkCentre(page, true, column, g.y0 - reach, g.y0 + reach), g.y0, tolerance);
}

TEST_P(PrintedPageTest, GridPictureCoversTheUpperHalfOfTheRulesFrame) {
    // Read back at the printer's own resolution, pixel for pixel, around the rules box's
    // top frame line.
    const PrintedPage& page = Page();
    const PageGeometry& g = page.geometry;
    const QPoint corner = page.areaOrigin + QPoint(g.xg + g.gw / 2, g.y1 - 20);
    const QImage crop = RenderPdfPage(page.pdfPath, page.resolution, QRect(corner, QSize(8, 40)));
    ASSERT_EQ(crop.height(), 40);
    for (int dy = -4; dy <= -1; ++dy) {
        const QRgb pixel = crop.pixel(4, 20 + dy);
        EXPECT_TRUE(NearColour(pixel, kStandInLineColour, 12) ||
                    NearColour(pixel, kStandInCellColour, 12))
            << "grid missing " << -dy << " pixels above the rules box";
    }
    for (int dy = 1; dy <= 4; ++dy)
        EXPECT_TRUE(IsDark(crop.pixel(4, 20 + dy))) << "frame missing " << dy << " pixels below";
    EXPECT_TRUE(NearColour(crop.pixel(4, 20 + 8), Qt::white)) << "frame wider than its pen";
}

// Where the grid picture is as wide as the boxes, its edges are theirs; where it had to be made
// smaller, it is centred between the side margins.
TEST_P(PrintedPageTest, GridPictureStartsAtTwentyPercentCentredBetweenTheMargins) {
    const PrintedPage& page = RenderedPage();
    const PageGeometry& g = page.geometry;
    const QImage& pixels = page.Pixels();
    QRect cells;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (NearColour(line[x], kStandInCellColour, 12))
                cells |= QRect(x, y, 1, 1);
    }
    // The cells end one grid line before the picture's right and bottom edges.
    const QSize natural = page.grid.NaturalSize();
    const double lineX = double(page.grid.cells.lineWidth) * g.gw / natural.width();
    const double lineY = double(page.grid.cells.lineWidth) * g.gh / natural.height();
    const QPoint topLeft = page.Px(g.xg, g.yg);
    const QPoint bottomRight = page.Px(g.xg + g.gw - lineX, g.yg + g.gh - lineY);
    EXPECT_NEAR(cells.left(), topLeft.x(), 2);
    EXPECT_NEAR(cells.top(), topLeft.y(), 2);
    EXPECT_NEAR(cells.right() + 1, bottomRight.x(), 2);
    EXPECT_NEAR(cells.bottom() + 1, bottomRight.y(), 2);
    EXPECT_NEAR(cells.top(), page.Px(0, page.area.height() * 0.2).y(), 2);

    const double leftMargin = cells.left() - page.Px(0, 0).x();
    const double rightMargin =
        page.Px(page.area.width(), 0).x() - (cells.right() + 1 + lineX * page.scale);
    EXPECT_NEAR(leftMargin, rightMargin, 2) << "grid not centred";
    if (g.gw == g.w)
        EXPECT_NEAR(leftMargin, page.area.width() * 0.1 * page.scale, 2);
    else
        EXPECT_GT(leftMargin, page.area.width() * 0.1 * page.scale);
}

TEST_P(PrintedPageTest, EveryCellOfTheWholeGridIsOnThePage) {
    const PrintedPage& page = RenderedPage();
    const PageGeometry& g = page.geometry;
    const QSize natural = page.grid.NaturalSize();
    const double sx = double(g.gw) / natural.width();
    const double sy = double(g.gh) / natural.height();
    int missing = 0;
    for (int row = 0; row < page.grid.side; ++row)
        for (int col = 0; col < page.grid.side; ++col) {
            // Near the cell's top-left corner, clear of its centred symbol.
            const QPoint corner = page.grid.CellOrigin(row, col) + QPoint(4, 4);
            if (!NearColour(page.At(g.xg + corner.x() * sx, g.yg + corner.y() * sy),
                            kStandInCellColour, 12))
                ++missing;
        }
    EXPECT_EQ(missing, 0) << "of " << page.grid.side * page.grid.side << " cells";
}

// The whole sheet, rendered coarsely: paper white all around the printable area. Up from the
// bottom through the right part of the rules box, the first ink is the box's bottom frame
// line, no lower than 90 % of the printable height.
TEST_P(PrintedPageTest, NothingFallsOutsideThePrintableAreaAndTheRulesBoxEndsInTime) {
    const PrintedPage& page = RenderedPage();
    constexpr int kSheetDpi = 50;
    const QImage sheet = RenderPdfPage(page.pdfPath, kSheetDpi);
    ASSERT_FALSE(sheet.isNull());
    const QRect area = page.layout.paintRectPixels(kSheetDpi).adjusted(-1, -1, 1, 1);
    int inked = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            inked += !area.contains(x, y) && !NearColour(sheet.pixel(x, y), Qt::white, 8);
    EXPECT_EQ(inked, 0) << "pixels inked outside the printable area";

    const PageGeometry& g = page.geometry;
    const double column = g.x0 + g.w * 0.97;
    double y = page.area.height() - 1;
    while (y > 0 && !IsDark(page.At(column, y)))
        y -= 1 / page.scale;
    const double halfPen = 5;
    EXPECT_LE(y, page.area.height() * 0.9 + halfPen + 1 / page.scale);
    EXPECT_GT(y, g.y1 + g.hb / 2) << "no bottom frame line under the rules";
}

QString WordsInside(const QVector<PdfWord>& words, const QRectF& box,
                    QVector<QVector<PdfWord>>* lines = nullptr) {
    QStringList texts;
    for (const PdfWord& word : words) {
        if (!box.contains(word.box.center()))
            continue;
        texts << word.text;
        if (lines) {
            if (lines->isEmpty() || std::abs(lines->back().front().box.top() - word.box.top()) > 1)
                lines->push_back({});
            lines->back().push_back(word);
        }
    }
    return texts.join(u' ');
}

TEST_P(PrintedPageTest, TitleAndRulesAreWrittenInsideTheirBoxes) {
    const PrintedPage& page = Page();
    const PageGeometry& g = page.geometry;
    const QRectF titleBox = page.Points(g.TitleBoxRect());
    EXPECT_EQ(WordsInside(page.words, titleBox), "Qualche attimo di relax offerto da");

    QVector<QVector<PdfWord>> lines;
    const QString rules = WordsInside(page.words, page.Points(g.RulesBoxRect()), &lines);
    switch (GetParam().boxSize) {
    case 3:
        EXPECT_TRUE(rules.contains("81 caselle")) << rules.toStdString();
        EXPECT_EQ(rules.count("1 a 9"), 3) << rules.toStdString();
        EXPECT_TRUE(rules.contains("riquadro 3x3")) << rules.toStdString();
        break;
    case 4:
        EXPECT_TRUE(rules.contains("256 caselle")) << rules.toStdString();
        EXPECT_TRUE(rules.contains("caratteri: 0-1-2-3-4-5-6-7-8-9-A-B-C-D-E-F "))
            << rules.toStdString();
        EXPECT_TRUE(rules.contains("riquadro 4x4.")) << rules.toStdString();
        break;
    default:
        EXPECT_TRUE(rules.contains("25x25 caselle")) << rules.toStdString();
        EXPECT_TRUE(rules.contains("caratteri: A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y "))
            << rules.toStdString();
        EXPECT_TRUE(rules.contains("riquadro 5x5.")) << rules.toStdString();
        break;
    }
    // Four lines, one under the other at an even pitch, all starting at the same place
    // just inside the frame.
    ASSERT_EQ(lines.size(), 4) << rules.toStdString();
    EXPECT_TRUE(lines[0].front().text.startsWith("Bisogna"));
    const double pitch = lines[1].front().box.top() - lines[0].front().box.top();
    EXPECT_GT(pitch, 2);
    for (int k = 1; k < 4; ++k) {
        EXPECT_NEAR(lines[k].front().box.top() - lines[k - 1].front().box.top(), pitch, 1);
        EXPECT_NEAR(lines[k].front().box.left(), lines[0].front().box.left(), 1);
    }
    EXPECT_GT(lines[0].front().box.left(), titleBox.left());
    EXPECT_LT(lines[0].front().box.left(), titleBox.left() + titleBox.width() * 0.03);

    // No word runs into or past the right and bottom frame lines (10 pixels wide, centred one
    // pixel inside the box), however long its line; a pixel is left for rounding.
    for (const QRect& box : {g.TitleBoxRect(), g.RulesBoxRect()}) {
        const QRectF inside = page.Points(box.adjusted(0, 0, -2 - 5 + 1, -1 - 5 + 1));
        for (const PdfWord& word : page.words)
            if (inside.contains(word.box.topLeft())) {
                EXPECT_LE(word.box.right(), inside.right()) << word.text.toStdString();
                EXPECT_LE(word.box.bottom(), inside.bottom()) << word.text.toStdString();
            }
    }
}

INSTANTIATE_TEST_SUITE_P(PagesOfEachSize, PrintedPageTest, ::testing::ValuesIn(PageCases()),
                         [](const auto& info) { return info.param.name; });

// ---- portrait pages: nothing changes where the page already fitted ----

// The portrait page of each size, rendered at 100 dpi, must match its reference rendering in
// tests/print/reference pixel for pixel. Refresh a reference only for an intended change of
// the portrait page: a mismatch writes what was printed into the temporary folder.
TEST(PortraitPage, EverySizeMatchesItsReferenceRendering) {
#ifdef Q_OS_WIN
    // The references hold Linux's text layout, which fontconfig's settings shape: on Windows
    // the same fonts set some words a pixel apart (seen under Wine). The page's words and
    // boxes are checked on both by the tests above.
    GTEST_SKIP() << "the reference renderings are of the Linux text layout";
#endif
    constexpr int kReferenceDpi = 100;
    const PageCase cases[] = {{"portrait-a4-9x9", 3, QPageSize(QPageSize::A4), 0, 0},
                              {"portrait-letter-16x16", 4, QPageSize(QPageSize::Letter), 0, 0},
                              {"portrait-a4-25x25", 5, QPageSize(QPageSize::A4), 0, 0}};
    QTemporaryDir dir;
    for (const PageCase& c : cases) {
        const QString name = QString::fromStdString(c.name);
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        PrintTo(printer, c, pdf);
        ASSERT_TRUE(PrintPuzzlePage(printer, SolidBackground(),
                                    MakeStandInGrid(c.boxSize).Picture(), c.boxSize));
        const QImage printed = RenderPdfPage(pdf, kReferenceDpi);
        ASSERT_FALSE(printed.isNull());
        const QImage reference =
            QImage(QStringLiteral(CASELIO_PRINT_REFERENCE_DIR "/") + name + QStringLiteral(".png"))
                .convertToFormat(QImage::Format_RGB32);
        if (printed != reference) {
            const QString kept = QDir::temp().filePath(name + QStringLiteral(".png"));
            printed.save(kept);
            ADD_FAILURE() << name.toStdString() << " differs from its reference; printed as "
                          << kept.toStdString();
        }
    }
}

// ---- failures: the job always ends, and nothing is reported as printed that was not ----

TEST(PrintPuzzlePageFailure, GridPaintingThatThrowsStillEndsTheJob) {
    QTemporaryDir dir;
    const QString path = dir.filePath("thrown.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrintTo(printer, {"thrown", 3, QPageSize(QPageSize::A4), 0, 0}, path);
    GridPicture grid = MakeStandInGrid(3).Picture();
    grid.paint = [](QPainter&) { throw std::runtime_error("grid painting failed"); };

    EXPECT_THROW(PrintPuzzlePage(printer, SolidBackground(), grid, 3), std::runtime_error);
    EXPECT_FALSE(printer.paintingActive());
    EXPECT_NE(printer.printerState(), QPrinter::Active);
    // The ended job is a complete file that can be read back.
    const QImage pixels = RenderPdfPage(path, 20);
    ASSERT_FALSE(pixels.isNull());
    EXPECT_TRUE(NearColour(pixels.pixel(1, 1), kBackground));
}

// The message names the failure, the file and the file system's own reason, and asking for
// that reason leaves nothing behind.
TEST(PrintPuzzlePageFailure, JobThatCannotBeginIsReportedWithTheFileError) {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing-folder/page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PrintTo(printer, {"unwritable", 3, QPageSize(QPageSize::A4), 0, 0}, path);
    const PageOutcome outcome =
        PrintPuzzlePage(printer, SolidBackground(), MakeStandInGrid(3).Picture(), 3);
    EXPECT_EQ(outcome, PageOutcome::NotStarted);
    EXPECT_FALSE(printer.paintingActive());

    QFile file(path);
    ASSERT_FALSE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(PrintFailureText(printer, outcome),
              QStringLiteral("Impossibile avviare la stampa.\nImpossibile scrivere il file “") +
                  path + QStringLiteral("” (") + file.errorString() + QStringLiteral(")."));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST(PrintPuzzlePageFailure, GridWithoutSizeOrPainterPrintsNothing) {
    QTemporaryDir dir;
    for (const bool withPainter : {false, true}) {
        const QString path = dir.filePath(withPainter ? "empty.pdf" : "nopainter.pdf");
        QPrinter printer(QPrinter::HighResolution);
        PrintTo(printer, {"empty", 3, QPageSize(QPageSize::A4), 0, 0}, path);
        GridPicture grid = MakeStandInGrid(3).Picture();
        if (withPainter)
            grid.size = QSize(0, 335);
        else
            grid.paint = nullptr;
        EXPECT_EQ(PrintPuzzlePage(printer, SolidBackground(), grid, 3),
                  PageOutcome::NothingToPrint);
        EXPECT_FALSE(QFile::exists(path));
    }
}

} // namespace
