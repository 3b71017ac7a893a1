// SPDX-License-Identifier: MIT
#include "input/wmf/WmfPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Text needs fonts, and fonts need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

// Any bytes: nothing, or a picture of finite size that plays without a
// crash, a hang or an unbounded allocation.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::shared_ptr<const WmfPicture> picture = WmfPicture::fromData(bytes);
    if (!picture)
        return 0;
    const QSizeF twips = picture->sizeTwips();
    if (!std::isfinite(twips.width()) || !std::isfinite(twips.height()))
        std::abort();
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->draw(painter, QRectF(4, 4, 40, 40));
    return 0;
}
