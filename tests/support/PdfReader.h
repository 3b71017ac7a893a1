// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// Reads a PDF back with poppler's and mupdf's command-line tools. Positions
// are in points from the top-left corner of the page.
namespace PdfReader {

struct Word
{
    int page = 0;
    QString text;
    QRectF box;
};

struct Stroke
{
    int page = 0;
    double widthPoints = 0;
    QList<QPointF> points;
    bool closed = false;
};

struct Image
{
    int page = 0;
    QRectF box;
    QSize pixels;
};

struct Content
{
    int pages = 0;
    QSizeF pageSize;
    QList<Word> words;
    QList<Stroke> strokes;
    QList<Image> images;
};

// Fails the current test (and returns an empty content) when a tool is
// missing or cannot read the file.
Content read(const QString &pdfFile);
QList<Word> words(const QString &pdfFile);
// The text as mupdf copies it out, keeping the whitespace characters the
// PDF's text map gives, which pdftotext would turn into blanks.
QString text(const QString &pdfFile);

} // namespace PdfReader
