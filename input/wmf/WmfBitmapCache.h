// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <map>

// The bitmaps of one metafile, each decoded once and kept at no more pixels
// than a print of the picture can use; every later draw, copy and print
// stretches the kept image.
class WmfBitmapCache
{
public:
    // Kept images are no larger than this each way (about 600 dpi across a
    // picture's printed box).
    static constexpr int MaxSide = 2048;
    // Beyond this many pixels the kept images are dropped and decoded anew.
    static constexpr qint64 MaxPixels = qint64(1) << 24;

    // key: where the bitmap's record lies in the file.
    const QImage *find(const void *key) const
    {
        const auto found = m_images.find(key);
        return found == m_images.end() ? nullptr : &found->second;
    }

    void insert(const void *key, QImage image)
    {
        const qint64 pixels = qint64(image.width()) * image.height();
        if (m_pixels + pixels > MaxPixels) {
            m_images.clear();
            m_pixels = 0;
        }
        m_pixels += pixels;
        m_images[key] = std::move(image);
    }

private:
    std::map<const void *, QImage> m_images;
    qint64 m_pixels = 0;
};
