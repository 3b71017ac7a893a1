#include "surface/Picture.h"

#include <QImage>
#include <QPainter>

namespace {

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
        painter.drawImage(target, m_image);
        painter.restore();
    }

private:
    QImage m_image;
    QSizeF m_sizeTwips;
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
