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

void ShowPicFile(const QString &strPickedFile, Picture &picTemp, bool &binSelPic, const MsgBoxFunction &msgBox)
{
    if (strPickedFile.size() <= 1)
        return;
    if (!hasPictureExtension(strPickedFile)) {
        if (msgBox)
            msgBox(tryAgainBox(QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.")));
        return;
    }
    std::optional<Picture> loaded = loadPicture(strPickedFile);
    if (!loaded)
        return;
    picTemp = std::move(*loaded);
    picTemp.setFileName(QFileInfo(strPickedFile).fileName());
    binSelPic = true;
}
