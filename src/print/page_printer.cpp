#include "print/page_printer.h"

#include "print/box_text.h"
#include "print/draw_grid_picture.h"
#include "print/page_geometry.h"
#include "print/rules_text.h"
#include "print/stretch_bitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int kFramePenWidth = 10;

// Ends the print job on every way out of PrintPuzzlePage, also when the grid's painting
// routine throws, so the printer is never left with an open job.
class PrintJob {
public:
    explicit PrintJob(QPaintDevice& printer) { painter_.begin(&printer); }
    ~PrintJob() {
        if (painter_.isActive())
            painter_.end();
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Started() const { return painter_.isActive(); }
    QPainter& Canvas() { return painter_; }

    // Ends the job; false when the paint engine or the printer reports a failure.
    bool End() {
        QPaintDevice* device = painter_.device();
        if (!painter_.end())
            return false;
        return device->devType() != QInternal::Printer ||
               static_cast<QPrinter*>(device)->printerState() != QPrinter::Error;
    }

private:
    QPainter painter_;
};

void DrawBoxFrame(QPainter& canvas, const QRect& box) {
    canvas.setPen(QPen(Qt::black, kFramePenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.setBrush(Qt::white);
    canvas.drawPolygon(BoxFramePolygon(box.x(), box.y(), box.width(), box.height()));
}

// Writes lines inside box with their top-left corners at BoxTextLineOrigin, like the
// classic canvas text output, in font made smaller where a line would not fit the frame.
void WriteBoxText(QPainter& canvas, const QRect& box, const QFont& font, const QStringList& lines) {
    canvas.setFont(FontFittingBox(font, lines, box, kFramePenWidth, canvas.device()));
    canvas.setPen(Qt::black);
    const QFontMetrics metrics = canvas.fontMetrics();
    for (int k = 0; k < lines.size(); ++k) {
        const QPoint origin = BoxTextLineOrigin(metrics, box, k);
        canvas.drawText(origin.x(), origin.y() + metrics.ascent(), lines[k]);
    }
}

QFont TitleFont() {
    QFont font(QStringLiteral("Verdana"), 16, QFont::Bold, true);
    return font;
}

QFont RulesFont() {
    QFont font(QStringLiteral("Verdana"), 10, QFont::Bold);
    return font;
}

} // namespace

PageOutcome PrintPuzzlePage(QPaintDevice& printer, const QImage& watermark, const GridPicture& grid,
                            int boxSize) {
    if (!grid.IsUsable())
        return PageOutcome::NothingToPrint;
    const QSize page(printer.width(), printer.height());
    if (page.isEmpty())
        return PageOutcome::NotStarted;
    if (printer.devType() == QInternal::Printer &&
        PrinterHasGoneAway(static_cast<const QPrinter&>(printer)))
        return PageOutcome::NotStarted;
    const PageGeometry geometry = ComputePageGeometry(page, grid.size);

    PrintJob job(printer);
    if (!job.Started())
        return PageOutcome::NotStarted;
    QPainter& canvas = job.Canvas();
    canvas.setRenderHint(QPainter::Antialiasing);
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);

    StretchBitmapToCanvas(canvas, QRect(QPoint(0, 0), page), watermark);

    DrawBoxFrame(canvas, geometry.TitleBoxRect());
    WriteBoxText(canvas, geometry.TitleBoxRect(), TitleFont(), {kPrintTitle});

    DrawBoxFrame(canvas, geometry.RulesBoxRect());
    WriteBoxText(canvas, geometry.RulesBoxRect(), RulesFont(), RulesLines(boxSize));

    // Last, so its lower edge covers the upper half of the rules box's top frame line.
    DrawGridPicture(canvas, geometry.GridPictureRect(), grid);
    return job.End() ? PageOutcome::Printed : PageOutcome::NotFinished;
}

bool PrinterHasGoneAway(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty() &&
           QPrinterInfo::printerInfo(printer.printerName()).isNull();
}
