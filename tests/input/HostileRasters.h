// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Small picture files that declare far larger images than they hold, as the
// hostile-input tests and benchmarks make them.

// The file of image as a baseline or progressive JPEG.
QByteArray jpegOf(const QImage &image, bool progressive);

// A 16 x 16 JPEG whose frame header claims width x height.
QByteArray jpegClaiming(bool progressive, quint16 width, quint16 height);

// 35 bytes: a one-pixel frame on a screen of width x height.
QByteArray gifScreen(quint16 width, quint16 height);

// An 8-bit run-length BMP whose rows end at once, after padding zero bytes
// of empty runs: the reader still makes the whole declared image.
QByteArray rleBmp(qint32 width, qint32 height, qsizetype padding = 0);
