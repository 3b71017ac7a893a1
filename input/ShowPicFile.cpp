// SPDX-License-Identifier: MIT
#include "input/ShowPicFile.h"

#include "input/PictureLoader.h"

#include <QFileInfo>
#include <QString>

namespace {

bool hasPictureExtension(const QString &path)
{
    const QStringView extension = QStringView(path).right(3);
    return extension == u"gif" || extension == u"bmp" || extension == u"wmf" || extension == u"jpg";
}

} // namespace

std::optional<Refusal> ShowPicFile(const QString &strPickedFile, Picture &picTemp, bool &binSelPic)
{
    if (strPickedFile.size() <= 1)
        return std::nullopt;
    const auto refusal = [&](Refusal::Reason reason) {
        return Refusal{Refusal::Subject::Picture, reason, strPickedFile, QString()};
    };
    if (!hasPictureExtension(strPickedFile))
        return refusal(Refusal::Reason::NotPictureFileName);
    std::optional<Picture> loaded = loadPicture(strPickedFile);
    if (!loaded)
        return refusal(Refusal::Reason::Unreadable);
    picTemp = std::move(*loaded);
    picTemp.setFileName(QFileInfo(strPickedFile).fileName());
    picTemp.setFilePath(QFileInfo(strPickedFile).absoluteFilePath());
    binSelPic = true;
    return std::nullopt;
}
