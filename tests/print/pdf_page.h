#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QVector>
#include <ostream>

// Reading back a printed PDF page with the poppler tools: its pixels and its words.

struct PdfWord {
    QString text;
    QRectF box; // in PDF points from the page's top-left corner
};

// The first page rendered at dpi, or only the part of it inside crop (pixels at that
// dpi) when crop is not empty; a null image when pdftoppm fails.
QImage RenderPdfPage(const QString& pdfPath, int dpi, const QRect& crop = {});

// Every word of the first page with its bounding box, in reading order, ligatures such as
// "ff" spelled out.
QVector<PdfWord> PdfWords(const QString& pdfPath);

// The words of every page, page by page.
QVector<QVector<PdfWord>> PdfDocumentWords(const QString& pdfPath);

// Colour distance that tolerates the JPEG compression of the PDF writer.
bool NearColour(QRgb pixel, const QColor& expected, int tolerance = 24);
bool IsDark(QRgb pixel);

// Readable QString values in test failure messages.
void PrintTo(const QString& text, std::ostream* out);
