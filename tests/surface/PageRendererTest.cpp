// SPDX-License-Identifier: MIT
#include "surface/FontMetrics.h"
#include "surface/FontSubstitutions.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"
#include "surface/TextPrefix.h"
#include "tests/support/RowName.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// At 144 dots per inch ten twips are one dot.
constexpr int DotsPerInch = 144;

QImage blankImage()
{
    QImage image(400, 300, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(DotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}

QImage render(const Page &page)
{
    QImage image = blankImage();
    QPainter painter(&image);
    PageRenderer(painter, DotsPerInch).render(page);
    return image;
}

bool isInk(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

QList<int> inkRows(const QImage &image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (isInk(image, x, y))
            rows.append(y);
    return rows;
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

struct WidthRow
{
    const char *name;
    int dots;
};

class LineWidthTest : public ::testing::TestWithParam<WidthRow>
{
};

TEST_P(LineWidthTest, PenIsCentredOnThePathInDeviceDots)
{
    Page page;
    page.items.append(PageLine{QPointF(500, 1000), QPointF(3500, 1000), GetParam().dots, Qt::black});
    const QList<int> rows = inkRows(render(page), 200);
    ASSERT_EQ(rows.size(), GetParam().dots);
    EXPECT_NEAR((rows.front() + rows.back() + 1) / 2.0, 100, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Dots, LineWidthTest,
                         ::testing::Values(WidthRow{"One", 1}, WidthRow{"Three", 3}, WidthRow{"Four", 4},
                                           WidthRow{"Nine", 9}),
                         RowName());

TEST(PageRendererTest, BoxIsAnOutlineInItsColour)
{
    Page page;
    page.items.append(PageBox{QRectF(1000, 500, 2000, 1500), 2, QColor(255, 0, 0)});
    const QImage image = render(page);
    EXPECT_EQ(image.pixelColor(200, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(100, 120), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(200, 120), QColor(Qt::white));
}

TEST(PageRendererTest, ItemsDoNotInheritEachOthersPen)
{
    Page page;
    page.items.append(PageLine{QPointF(0, 500), QPointF(4000, 500), 9, QColor(0, 0, 255)});
    page.items.append(PageLine{QPointF(0, 2000), QPointF(4000, 2000), 1, Qt::black});
    const QImage image = render(page);
    EXPECT_EQ(inkRows(image, 300).size(), 9 + 1);
    EXPECT_EQ(image.pixelColor(300, 200), QColor(Qt::black));
}

TEST(PageRendererTest, TextTopIsAtItsPosition)
{
    Page page;
    page.items.append(PageText{QPointF(1000, 1000), QStringLiteral("HHHH"), QStringLiteral("Arial"), 20, true});
    const QRect ink = inkBounds(render(page));
    // 20 pt is 40 dots; a capital's top lies below the ascent by the gap
    // between the font's ascent (0.905 em) and its cap height (0.716 em).
    EXPECT_NEAR(ink.top(), 100 + 40 * (0.905 - 0.716), 1.5);
    EXPECT_NEAR(ink.height(), 40 * 0.716, 1.5);
    EXPECT_NEAR(ink.left(), 100, 4);
}

TEST(PageRendererTest, PictureFillsItsBox)
{
    QImage green(20, 10, QImage::Format_RGB32);
    green.fill(Qt::green);
    Page page;
    page.items.append(PagePicture{QRectF(100, 200, 1000, 500), Picture::fromImage(green, QSizeF(300, 150))});
    const QImage image = render(page);
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(109, 69), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(111, 45), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(50, 71), QColor(Qt::white));
}

// The text drawn whole, as it was before long texts were cut at the edge.
QImage drawnWhole(const PageText &text)
{
    QImage image = blankImage();
    QPainter painter(&image);
    const QFont font(FontMetrics::pageFont(text.fontName, text.pointSize, text.bold), &image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font, &image).ascent();
    painter.drawText(QPointF(text.pos.x() / 10, text.pos.y() / 10 + ascent), text.text);
    return image;
}

struct LongTextRow
{
    const char *name;
    PageText text;
    // Whether the renderer may leave out the end of the text.
    bool cut;
};

void PrintTo(const LongTextRow &row, std::ostream *os)
{
    *os << row.name;
}

class LongTextTest : public ::testing::TestWithParam<LongTextRow>
{
};

TEST_P(LongTextTest, RunningPastTheEdgeShowsAsDrawnWhole)
{
    installFontSubstitutions();
    const PageText &text = GetParam().text;
    Page page;
    page.items.append(text);
    const QImage image = render(page);
    EXPECT_FALSE(inkBounds(image).isEmpty());
    EXPECT_TRUE(image == drawnWhole(text));

    const QImage device = blankImage();
    const QFont font(FontMetrics::pageFont(text.fontName, text.pointSize, text.bold), &device);
    const QString shown = textWithin(QFontMetricsF(font, &device), text.text, device.width() - text.pos.x() / 10);
    EXPECT_EQ(shown.size() < text.text.size(), GetParam().cut);
}

const QString Sentence = QStringLiteral("Dentist at ten; Anna's birthday (12) ^ ");

PageText longText(QPointF pos, const QString &text, double points = 12, bool bold = false,
                  const QString &fontName = QStringLiteral("Arial"))
{
    return PageText{pos, text, fontName, points, bold};
}

const QString Shalom = QStringLiteral("\u05E9\u05DC\u05D5\u05DD");

INSTANTIATE_TEST_SUITE_P(
    Texts, LongTextTest,
    ::testing::Values(
        LongTextRow{"Sentences", longText({1000, 500}, Sentence.repeated(100)), true},
        LongTextRow{"KerningPairsInBold", longText({0, 500}, QStringLiteral("AVATAWAYLTPA").repeated(200), 20, true),
                    true},
        LongTextRow{"SerifFace", longText({2000, 500}, Sentence.repeated(100), 9, false, QStringLiteral("Times")),
                    true},
        LongTextRow{"CombiningAccents", longText({2000, 500}, QStringLiteral("e\u0301a\u0300o\u0302").repeated(500)),
                    true},
        LongTextRow{"OutsideTheBasicPlane", longText({0, 500}, QStringLiteral("b\U0001D400").repeated(400)), true},
        LongTextRow{"DigitsOnly", longText({0, 500}, QStringLiteral("0123456789").repeated(100)), true},
        LongTextRow{"StartingLeftOfTheEdge", longText({-20000, 500}, Sentence.repeated(400)), true},
        LongTextRow{"StartingNearTheRightEdge", longText({3900, 500}, Sentence.repeated(100)), true},
        // Right-to-left text shows its end at the left.
        LongTextRow{"RightToLeft", longText({0, 500}, (Shalom + u' ').repeated(300)), true},
        LongTextRow{"RightToLeftWithNumbers", longText({0, 500}, (Shalom + QStringLiteral(" 2003 ")).repeated(300)),
                    true},
        LongTextRow{"RightToLeftWithLatinWords", longText({0, 500}, (Shalom + QStringLiteral(" Anna ")).repeated(300)),
                    true},
        LongTextRow{"ArabicLettersJoined",
                    longText({1000, 500}, QStringLiteral("\u0633\u0644\u0627\u0645").repeated(600)), true},
        // No cut between two right-to-left letters: the numbers would move.
        LongTextRow{"RightToLeftAfterDigits", longText({0, 500}, QStringLiteral("12345 ").repeated(100) + Shalom),
                    false},
        LongTextRow{"DirectionControlFirst", longText({0, 500}, QStringLiteral("\u202E") + Sentence.repeated(100)),
                    false}),
    RowName());

} // namespace
