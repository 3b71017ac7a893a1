// SPDX-License-Identifier: MIT
#include "app/PictureBox.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A real picture that counts how often it is drawn.
class CountedPicture : public PictureContent
{
public:
    QSizeF sizeTwips() const override { return {1440, 720}; }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        ++draws;
        painter.fillRect(target, Qt::red);
    }
    mutable int draws = 0;
};

class PictureBoxTest : public ::testing::Test
{
protected:
    PictureBoxTest() { box.resize(200, 150); }

    QImage shown() { return box.grab().toImage(); }

    std::shared_ptr<CountedPicture> content = std::make_shared<CountedPicture>();
    PictureBox box;
};

TEST_F(PictureBoxTest, RepaintsWithoutDrawingThePictureAgain)
{
    box.setPicture(Picture(content));
    const QImage first = shown();
    const QImage second = shown();
    EXPECT_EQ(content->draws, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.pixelColor(first.rect().center()), QColor(Qt::red));
}

TEST_F(PictureBoxTest, DrawsAgainForANewSizeOrPicture)
{
    box.setPicture(Picture(content));
    shown();
    box.resize(300, 150);
    shown();
    EXPECT_EQ(content->draws, 2);
    box.setPicture(Picture(content));
    shown();
    EXPECT_EQ(content->draws, 3);
}

} // namespace
