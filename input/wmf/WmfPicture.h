// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfBitmapCache.h"
#include "input/wmf/WmfDocument.h"
#include "input/wmf/WmfFrame.h"
#include "page/Picture.h"

#include <memory>

class QByteArray;

// A Windows Metafile, placeable or standard, played as vector drawing onto
// any painter. Every record is checked when the data is loaded, so drawing
// never reads outside the file.
class WmfPicture : public PictureContent
{
public:
    // Null when the data is not a valid metafile.
    static std::shared_ptr<const WmfPicture> fromData(const QByteArray &data);

    QSizeF sizeTwips() const override;
    void draw(QPainter &painter, const QRectF &target) const override;

private:
    WmfPicture(WmfDocument document, WmfFrame frame);

    WmfDocument m_document;
    WmfFrame m_frame;
    mutable WmfBitmapCache m_bitmaps;
};
