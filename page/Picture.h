// SPDX-License-Identifier: MIT
#pragma once

#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;
class QRectF;
class QImage;

// What a loaded picture can do: tell its own size and draw itself scaled into
// a target rectangle of any QPainter. Raster images and metafiles implement it.
class PictureContent
{
public:
    virtual ~PictureContent() = default;
    // The picture's own size in twips.
    virtual QSizeF sizeTwips() const = 0;
    // Draws the whole picture stretched to target (painter coordinates).
    virtual void draw(QPainter &painter, const QRectF &target) const = 0;
    // Its size in pixels; empty for a drawing made of strokes.
    virtual QSize pixelSize() const { return {}; }
};

// A loaded picture, cheap to copy and shared between the holder on the
// window and the recorded page.
class Picture
{
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureContent> content);

    // A raster picture; sizeTwips is its own size (pixels at its resolution).
    static Picture fromImage(const QImage &image, QSizeF sizeTwips);

    bool isNull() const { return !m_content; }
    QSizeF sizeTwips() const;
    QSize pixelSize() const { return m_content ? m_content->pixelSize() : QSize(); }
    void draw(QPainter &painter, const QRectF &target) const;
    // The name of the file it was read from, to tell users what they see.
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    // Where it was read from, to read it again in a later run.
    const QString &filePath() const { return m_filePath; }
    void setFilePath(const QString &path) { m_filePath = path; }
    const PictureContent *content() const { return m_content.get(); }

private:
    std::shared_ptr<const PictureContent> m_content;
    QString m_fileName;
    QString m_filePath;
};
