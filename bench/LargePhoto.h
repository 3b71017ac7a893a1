#pragma once

class QImage;
class Picture;

// A 4000 x 3000 photo-like JPEG, decoded: colour gradients with a little
// sensor noise, so it compresses like a real photo.
QImage largeJpeg();

// The picture as the loader holds it: its own size at 96 dpi.
Picture pictureOf(const QImage &image);
