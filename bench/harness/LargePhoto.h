// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QByteArray;
class QImage;
class Picture;

// A 4000 x 3000 photo-like JPEG file's bytes: colour gradients with a little
// sensor noise, so it compresses like a real photo.
QByteArray largeJpegFile();

// The file loaded as the program loads a chosen picture.
Picture loadedPicture(const QByteArray &file);

// The file decoded at its full size, as a loader that keeps every pixel would
// hand it over; its own size at 96 dpi.
QImage fullSizeImage(const QByteArray &file);
Picture pictureOf(const QImage &image);
