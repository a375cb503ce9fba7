#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The page-sized background of the printed page: A4 proportions at 96 pixels per inch.
inline constexpr int kWatermarkWidth = 794;
inline constexpr int kWatermarkHeight = 1123;
inline constexpr int kWatermarkColumns = 2;
inline constexpr int kWatermarkLinesPerColumn = 10;
inline const QColor kWatermarkInk{198, 208, 255};
inline const QString kWatermarkAddress = QStringLiteral("www.caselio.example.org");

// White, with the address written in light blue as slanted text, ten lines in each of
// two columns. Drawn here rather than shipped as a file so it always matches.
QImage MakeWatermarkImage();
