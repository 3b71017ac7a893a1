// SPDX-License-Identifier: MIT
#include "page/Picture.h"

#include "platform/Twips.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

bool isAtLeastTwice(QSize size, QSize wanted)
{
    return size.width() >= 2 * wanted.width() && size.height() >= 2 * wanted.height();
}

// Each dot the exact mean of two by two (a lone last row or column is
// dropped); a 32-bit image, premultiplied where it has alpha.
QImage halved(const QImage &image)
{
    QImage half(image.width() / 2, image.height() / 2, image.format());
    const int bytes = half.width() * 4;
    for (int y = 0; y < half.height(); ++y) {
        const uchar *upper = image.constScanLine(2 * y);
        const uchar *lower = image.constScanLine(2 * y + 1);
        uchar *out = half.scanLine(y);
        // Byte-wise, so that the compiler can vectorise it.
        for (int i = 0; i < bytes; i += 4) {
            for (int j = 0; j < 4; ++j) {
                const int sum = upper[2 * i + j] + upper[2 * i + 4 + j] + lower[2 * i + j] + lower[2 * i + 4 + j];
                out[i + j] = uchar((sum + 2) >> 2);
            }
        }
    }
    return half;
}

// Within twice the wanted size the picture is drawn as it is: the device
// scales it as it draws, and the PDF writer keeps whatever it is given, so a
// smoothing pass would only cost time.
bool isWithinTwice(QSize size, QSize wanted)
{
    return !isAtLeastTwice(size, wanted) && size.width() <= 2 * wanted.width()
        && size.height() <= 2 * wanted.height();
}

// The image reduced to within twice wanted: halved exactly while it is at
// least twice as large. Squeezed far more one way than the other it gets
// Qt's smooth scale instead.
QImage reduced(const QImage &image, QSize wanted)
{
    QImage work = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);
    while (isAtLeastTwice(work.size(), wanted))
        work = halved(work);
    if (isWithinTwice(work.size(), wanted))
        return work;
    return work.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class ImageContent : public PictureContent
{
public:
    ImageContent(QImage image, QSizeF sizeTwips)
        : m_image(std::move(image))
        , m_sizeTwips(sizeTwips)
    {
    }

    QSizeF sizeTwips() const override { return m_sizeTwips; }
    QSize pixelSize() const override { return m_image.size(); }

    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, imageFor(painter, target));
        painter.restore();
    }

private:
    // The image, or a copy scaled down to between one and two times 600 dpi
    // at its printed size. The copy is kept: copies and later prints draw
    // the same picture again.
    const QImage &imageFor(const QPainter &painter, const QRectF &target) const
    {
        const QSize wanted = printedPixels(painter, target);
        if (wanted.isEmpty() || isWithinTwice(m_image.size(), wanted))
            return m_image;
        if (m_scaledFor != wanted) {
            m_scaled = reduced(m_image, wanted);
            m_scaledFor = wanted;
        }
        return m_scaled;
    }

    static QSize printedPixels(const QPainter &painter, const QRectF &target)
    {
        const QPaintDevice *device = painter.device();
        if (!device || device->logicalDpiX() <= 0 || device->logicalDpiY() <= 0)
            return QSize();
        const QSizeF dots = painter.deviceTransform().mapRect(target).size();
        return QSize(int(std::ceil(dots.width() * double(PrintDotsPerInch) / device->logicalDpiX())),
                     int(std::ceil(dots.height() * double(PrintDotsPerInch) / device->logicalDpiY())));
    }

    QImage m_image;
    QSizeF m_sizeTwips;
    mutable QImage m_scaled;
    mutable QSize m_scaledFor;
};

} // namespace

Picture::Picture(std::shared_ptr<const PictureContent> content)
    : m_content(std::move(content))
{
}

Picture Picture::fromImage(const QImage &image, QSizeF sizeTwips)
{
    return Picture(std::make_shared<ImageContent>(image, sizeTwips));
}

QSizeF Picture::sizeTwips() const
{
    return m_content ? m_content->sizeTwips() : QSizeF();
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (!m_content)
        return;
    // A metafile may draw anywhere; the page around the frame is not its own.
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    m_content->draw(painter, target);
    painter.restore();
}
