#include "pdf_page.h"

#include <QColor>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QThread>
#include <cstdlib>

namespace {

#ifdef CASELIO_HOST_TOOL_RUNNER
// A cross-built test under Wine reads its pages with the build host's tools. Wine starts a
// host program without waiting for it, so the runner leaves its exit status in a file.
bool RunTool(const QString& program, const QStringList& arguments) {
    QTemporaryDir dir;
    const QString status = dir.filePath(QStringLiteral("status"));
    if (!QProcess::startDetached(QStringLiteral(CASELIO_HOST_TOOL_RUNNER),
                                 QStringList{status, program} + arguments))
        return false;
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(20)) {
        QFile file(status);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed() == "0";
    }
    return false;
}
#else
bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
#endif

} // namespace

QImage RenderPdfPage(const QString& pdfPath, int dpi, const QRect& crop) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                          QStringLiteral("1"), QStringLiteral("-singlefile")};
    if (!crop.isEmpty())
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W")
                  << QString::number(crop.width()) << QStringLiteral("-H")
                  << QString::number(crop.height());
    arguments << pdfPath << stem;
    if (!RunTool(QStringLiteral("pdftoppm"), arguments))
        return {};
    return QImage(stem + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
}

namespace {

// The words of pdftotext's bounding-box output for pages first to last (0: to the end).
QVector<QVector<PdfWord>> WordsOfPages(const QString& pdfPath, int first, int last) {
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("words.html"));
    QVector<QVector<PdfWord>> pages;
    QStringList arguments{QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    if (!RunTool(QStringLiteral("pdftotext"), arguments << pdfPath << html))
        return pages;
    QFile file(html);
    if (!file.open(QIODevice::ReadOnly))
        return pages;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression pattern(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto match = pattern.globalMatch(text); match.hasNext();) {
        const auto m = match.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            pages.push_back({});
            continue;
        }
        if (pages.isEmpty())
            continue;
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        // The tool escapes &, < and > in words such as "&amp;".
        pages.back().push_back({QTextDocumentFragment::fromHtml(m.captured(5))
                                    .toPlainText()
                                    .normalized(QString::NormalizationForm_KC),
                                QRectF(topLeft, bottomRight)});
    }
    return pages;
}

} // namespace

QVector<PdfWord> PdfWords(const QString& pdfPath) {
    const auto pages = WordsOfPages(pdfPath, 1, 1);
    return pages.isEmpty() ? QVector<PdfWord>{} : pages.front();
}

QVector<QVector<PdfWord>> PdfDocumentWords(const QString& pdfPath) {
    return WordsOfPages(pdfPath, 1, 0);
}

bool NearColour(QRgb pixel, const QColor& expected, int tolerance) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

bool IsDark(QRgb pixel) {
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
