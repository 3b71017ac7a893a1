// SPDX-License-Identifier: MIT
#include "input/wmf/WmfPicture.h"

#include "input/wmf/WmfFrameFinder.h"
#include "input/wmf/WmfPlayer.h"
#include "input/wmf/WmfReader.h"
#include "platform/Twips.h"

#include <QPainter>

namespace {


} // namespace

WmfPicture::WmfPicture(WmfDocument document, WmfFrame frame)
    : m_document(std::move(document))
    , m_frame(frame)
{
}

std::shared_ptr<const WmfPicture> WmfPicture::fromData(const QByteArray &data)
{
    std::optional<WmfDocument> document = WmfReader::read(data);
    if (!document)
        return nullptr;
    const WmfFrame frame = WmfFrameFinder::find(*document);
    return std::shared_ptr<const WmfPicture>(new WmfPicture(std::move(*document), frame));
}

QSizeF WmfPicture::sizeTwips() const
{
    return m_frame.bounds.size() * (TwipsPerInch / m_frame.unitsPerInch);
}

void WmfPicture::draw(QPainter &painter, const QRectF &target) const
{
    if (!painter.isActive() || target.width() == 0 || target.height() == 0)
        return;
    const QRectF &bounds = m_frame.bounds;
    QTransform frameToPainter = QTransform::fromTranslate(-bounds.left(), -bounds.top());
    frameToPainter *= QTransform::fromScale(target.width() / bounds.width(), target.height() / bounds.height());
    frameToPainter *= QTransform::fromTranslate(target.left(), target.top());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    WmfPlayer(m_document, m_frame, painter, frameToPainter * painter.worldTransform(), WmfPlayer::Mode::Draw,
              &m_bitmaps)
        .play();
    painter.restore();
}
