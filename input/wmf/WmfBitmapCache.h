#pragma once

#include <QImage>
#include <QSize>

#include <map>
#include <utility>

// The bitmaps of one metafile as last drawn: decoded and stretched once at
// the size they take on the device, then reused by every later copy, print
// and paint at that size.
class WmfBitmapCache
{
public:
    // Beyond this many pixels the oldest sizes are dropped.
    static constexpr qint64 MaxPixels = qint64(1) << 25;

    // key: where the bitmap's record lies in the file.
    const QImage *find(const void *key, QSize size) const
    {
        const auto found = m_images.find({key, {size.width(), size.height()}});
        return found == m_images.end() ? nullptr : &found->second;
    }

    void insert(const void *key, QSize size, QImage image)
    {
        const qint64 pixels = qint64(image.width()) * image.height();
        if (m_pixels + pixels > MaxPixels) {
            m_images.clear();
            m_pixels = 0;
        }
        m_pixels += pixels;
        m_images[{key, {size.width(), size.height()}}] = std::move(image);
    }

private:
    std::map<std::pair<const void *, std::pair<int, int>>, QImage> m_images;
    qint64 m_pixels = 0;
};
