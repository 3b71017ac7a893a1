#include "surface/Picture.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

// Enough for any printer; the PDF writer re-encodes whatever it is given, so
// more would only cost time and file size.
constexpr double PrintDotsPerInch = 600;

class ImageContent : public PictureContent
{
public:
    ImageContent(QImage image, QSizeF sizeTwips)
        : m_image(std::move(image))
        , m_sizeTwips(sizeTwips)
    {
    }

    QSizeF sizeTwips() const override { return m_sizeTwips; }

    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, imageFor(painter, target));
        painter.restore();
    }

private:
    // The image, or a copy scaled down to about 600 dpi at its printed size.
    // The copy is kept: copies and later prints draw the same picture again.
    const QImage &imageFor(const QPainter &painter, const QRectF &target) const
    {
        const QSize wanted = printedPixels(painter, target);
        if (wanted.isEmpty() || (wanted.width() >= m_image.width() && wanted.height() >= m_image.height()))
            return m_image;
        if (m_scaled.size() != wanted)
            m_scaled = m_image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return m_scaled;
    }

    static QSize printedPixels(const QPainter &painter, const QRectF &target)
    {
        const QPaintDevice *device = painter.device();
        if (!device || device->logicalDpiX() <= 0 || device->logicalDpiY() <= 0)
            return QSize();
        const QSizeF dots = painter.deviceTransform().mapRect(target).size();
        return QSize(int(std::ceil(dots.width() * PrintDotsPerInch / device->logicalDpiX())),
                     int(std::ceil(dots.height() * PrintDotsPerInch / device->logicalDpiY())));
    }

    QImage m_image;
    QSizeF m_sizeTwips;
    mutable QImage m_scaled;
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
    if (m_content)
        m_content->draw(painter, target);
}
