// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/EnglishLocale.h"
#include "tests/input/wmf/WmfWriter.h"
#include "tests/support/Child.h"
#include "tests/support/RowName.h"

#include "app/PagePreview.h"
#include "app/PageProof.h"
#include "app/PageView.h"
#include "dialogs/PageSetup.h"
#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"
#include "tests/support/NamedPdfDevice.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const QString MonthError = QStringLiteral("Run-time error '5':\n\nInvalid procedure call or argument");

// How far two pictures of a page are apart: the mean difference of their
// grey levels (0 to 255), and the share of pixels of either that differ by
// more than a quarter of the scale from every pixel of the other within one
// pixel of their place. Two rasterisers shade the edges of glyphs and lines differently;
// a missing, moved or different mark shows as strays.
struct Difference
{
    double mean = 0;
    double stray = 0;
};

int greyNear(const QImage &image, int x, int y, int level)
{
    int nearest = 255;
    for (int v = std::max(0, y - 1); v <= std::min(image.height() - 1, y + 1); ++v) {
        const uchar *line = image.constScanLine(v);
        for (int u = std::max(0, x - 1); u <= std::min(image.width() - 1, x + 1); ++u)
            nearest = std::min(nearest, std::abs(int(line[u]) - level));
    }
    return nearest;
}

qint64 straysOf(const QImage &from, const QImage &in, int width, int height)
{
    qint64 strays = 0;
    for (int y = 0; y < height; ++y) {
        const uchar *line = from.constScanLine(y);
        for (int x = 0; x < width; ++x)
            strays += greyNear(in, x, y, line[x]) > 64;
    }
    return strays;
}

Difference differenceOf(const QImage &a, const QImage &b)
{
    const QImage first = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage second = b.convertToFormat(QImage::Format_Grayscale8);
    const int width = std::min(first.width(), second.width());
    const int height = std::min(first.height(), second.height());
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        const uchar *p = first.constScanLine(y);
        const uchar *q = second.constScanLine(y);
        for (int x = 0; x < width; ++x)
            sum += std::abs(int(p[x]) - int(q[x]));
    }
    const double pixels = double(width) * height;
    const qint64 strays = std::max(straysOf(first, second, width, height), straysOf(second, first, width, height));
    return {sum / pixels, double(strays) / pixels};
}

QImage rasterised(const QString &pdf, int dotsPerInch, const QString &folder)
{
    const QString stem = QDir(folder).filePath("raster");
    QProcess process;
    process.start("pdftoppm", {"-r", QString::number(dotsPerInch), "-png", "-singlefile", pdf, stem});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QImage(stem + ".png");
}

// Clip art of the kind the program prints: filled shapes and a caption.
QByteArray clipArt()
{
    WmfWriter w;
    w.brush(0, QColor(0, 128, 255)).select(0).pen(0, 30, QColor(200, 0, 0)).select(1);
    w.polygon(WmfFunction::Polygon, {{1440, 0}, {2000, 2880}, {0, 1000}, {2880, 1000}, {880, 2880}});
    w.font(-480, "Arial").select(2).record(WmfFunction::SetBkMode, {1});
    w.textOut({300, 2200}, "Spring");
    return w.placeable(QRect(0, 0, 2880, 2880), 1440);
}

QByteArray photo()
{
    QImage image(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 800, y * 255 / 600, 128));
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return data;
}

class PagePreviewTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        writeFile("notes.txt", "HDR Garden Club\r\nNOT Meetings at the hall\r\nMSG Happy Spring\r\n"
                               "YER 2004\r\nMON 3\r\nDAY 5 Dentist\r\nDAY 17 Planting day ^ Seeds\r\n");
        writeFile("photo.jpg", photo());
        writeFile("clipart.wmf", clipArt());
        ASSERT_TRUE(QImage(40, 20, QImage::Format_RGB32).save(workPath("pic.bmp")));
        m_window->show();
        QCoreApplication::processEvents();
    }

    void writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    PagePreview &openPreview()
    {
        m_window->findChild<QAction *>("mnuPreview")->trigger();
        QCoreApplication::processEvents();
        EXPECT_NE(windowTitled<PagePreview>("Page Preview"), nullptr);
        return *windowTitled<PagePreview>("Page Preview");
    }

    const PageProof &proof() { return windowTitled<PagePreview>("Page Preview")->proof(); }

    QLineEdit *field(const char *name) { return child<QLineEdit>(m_window, name); }

    void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // Picks a file in the chooser the window has just opened.
    void pick(const QString &name)
    {
        frmFindFiles *chooser = windowTitled<frmFindFiles>("Select Files");
        QListWidget *files = child<QListWidget>(chooser, "filFilename");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
        click(chooser, "cmdDone");
    }

    void readNotesFile()
    {
        click(m_window.get(), "cmdDayNotes");
        pick("notes.txt");
    }

    void activate(QWidget *window)
    {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
};

bool hasText(const Page &page, const QString &text)
{
    return std::any_of(page.items.begin(), page.items.end(), [&](const PageItem &item) {
        const auto *shown = std::get_if<PageText>(&item);
        return shown && shown->text.trimmed() == text;
    });
}

std::optional<PageText> textItem(const Page &page, const QString &text)
{
    for (const PageItem &item : page.items) {
        if (const auto *shown = std::get_if<PageText>(&item); shown && shown->text == text)
            return *shown;
    }
    return std::nullopt;
}

struct PictureRow
{
    const char *name;
    const char *file;
};

class PreviewMatchesPdfTest : public PagePreviewTest, public testing::WithParamInterface<PictureRow>
{
};

// The preview at 100 % and the printed PDF rasterised at the same resolution
// show the same page; the PDF of another month does not pass for it.
TEST_P(PreviewMatchesPdfTest, ImageEqualsTheRasterisedPdf)
{
    readNotesFile();
    click(m_window.get(), "cmdPickPic");
    pick(GetParam().file);
    ASSERT_TRUE(m_window->page().binSelPic);
    PagePreview &preview = openPreview();
    preview.view()->setZoom(1);
    const QImage shown = preview.view()->sheet();
    const int dpi = qRound(preview.view()->zoom() * preview.view()->logicalDpiX());

    click(m_window.get(), "cmdPrint");
    ASSERT_TRUE(m_boxes.empty());
    const QImage printed = rasterised(pdfDevice().lastFile(), dpi, m_workDir.path());
    ASSERT_FALSE(printed.isNull());
    EXPECT_LE(std::abs(printed.width() - shown.width()), 1);
    EXPECT_LE(std::abs(printed.height() - shown.height()), 1);
    const Difference same = differenceOf(shown, printed);
    EXPECT_LT(same.mean, 4.0);
    EXPECT_LT(same.stray, 0.001);

    typeInto(field("txtMonth"), "4");
    click(m_window.get(), "cmdPrint");
    const Difference other = differenceOf(shown, rasterised(pdfDevice().lastFile(), dpi, m_workDir.path()));
    EXPECT_GT(other.stray, 5 * same.stray);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PreviewMatchesPdfTest,
                         testing::Values(PictureRow{"Jpeg", "photo.jpg"}, PictureRow{"Wmf", "clipart.wmf"}),
                         RowName());

TEST_F(PagePreviewTest, AFieldEditReachesThePreview)
{
    openPreview();
    typeInto(field("txtMessage(5)"), "Happy Spring");
    QCoreApplication::processEvents();
    EXPECT_TRUE(hasText(proof().page, "Happy Spring"));
}

TEST_F(PagePreviewTest, AFontChoiceReachesThePreview)
{
    openPreview();
    typeInto(field("txtHeader"), "Garden Club");
    click(m_window.get(), "cmdSelectPrt");
    windowTitled<frmSelectPrt>("Output Device Selection")->close();
    click(m_window.get(), "cmdHdrFont");
    ASSERT_EQ(m_fontDialogs, 1);
    const std::optional<PageText> header = textItem(proof().page, "Garden Club");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->fontName, "Liberation Serif");
}

TEST_F(PagePreviewTest, AControlFileReadReachesThePreview)
{
    openPreview();
    readNotesFile();
    EXPECT_TRUE(hasText(proof().page, "Dentist"));
    EXPECT_TRUE(hasText(proof().page, "Garden Club"));
    EXPECT_EQ(child<PageView>(windowTitled<PagePreview>("Page Preview"), "pageView")->accessibleDescription(), "March 2004");
}

TEST_F(PagePreviewTest, APictureReachesThePreview)
{
    openPreview();
    click(m_window.get(), "cmdPickPic");
    pick("pic.bmp");
    EXPECT_TRUE(std::any_of(proof().page.items.begin(), proof().page.items.end(),
                            [](const PageItem &item) { return std::holds_alternative<PagePicture>(item); }));
}

TEST_F(PagePreviewTest, ABurstOfKeystrokesIsComposedAndDrawnOnce)
{
    PagePreview &preview = openPreview();
    preview.show();
    QCoreApplication::processEvents();
    QSignalSpy composed(&preview, &PagePreview::pageComposed);
    QLineEdit *header = field("txtHeader");
    header->setFocus();
    QTest::keyClicks(header, QString(100, u'x'));
    QCoreApplication::processEvents();
    EXPECT_GE(composed.count(), 1);
    EXPECT_LE(composed.count(), 2);
    EXPECT_TRUE(hasText(proof().page, QString(100, u'x')));
}

// Even at its narrowest the whole toolbar shows, and its Alt keys work.
TEST_F(PagePreviewTest, ToolbarShowsEveryButtonAndItsAltKeysZoom)
{
    PagePreview &preview = openPreview();
    preview.resize(1, preview.height());
    preview.activateWindow();
    QCoreApplication::processEvents();
    auto *toolBar = child<QToolBar>(&preview, "tbrZoom");
    for (QAction *action : toolBar->actions()) {
        if (!action->isSeparator()) {
            EXPECT_TRUE(toolBar->widgetForAction(action)->isVisible()) << action->text().toStdString();
        }
    }
    const std::pair<Qt::Key, PageView::Fit> keys[] = {
        {Qt::Key_W, PageView::Fit::Width}, {Qt::Key_1, PageView::Fit::None}, {Qt::Key_P, PageView::Fit::Page}};
    for (const auto &[key, fit] : keys) {
        QTest::keyClick(&preview, key, Qt::AltModifier);
        EXPECT_EQ(preview.view()->fit(), fit) << key;
    }
}

TEST_F(PagePreviewTest, MonthThirteenShowsTheErrorTextAndNoBox)
{
    PagePreview &preview = openPreview();
    typeInto(field("txtMonth"), "13");
    QCoreApplication::processEvents();
    EXPECT_TRUE(proof().failed());
    EXPECT_EQ(proof().error, MonthError);
    EXPECT_EQ(preview.view()->accessibleDescription(), MonthError);
    EXPECT_TRUE(m_boxes.empty());

    typeInto(field("txtMonth"), "12");
    QCoreApplication::processEvents();
    EXPECT_FALSE(proof().failed());
    EXPECT_EQ(preview.view()->accessibleDescription(), "December 2003");
}

TEST_F(PagePreviewTest, PrintingStillReportsTheError)
{
    openPreview();
    typeInto(field("txtMonth"), "13");
    click(m_window.get(), "cmdPrint");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Run-time error '5':\r\n\r\nInvalid procedure call or argument");
}

TEST_F(PagePreviewTest, ReturningFromThePreviewReadsTheControlFileNoSecondTime)
{
    readNotesFile();
    activate(m_window.get());
    PagePreview &preview = openPreview();
    activate(&preview);
    ASSERT_EQ(QGuiApplication::focusWindow(), preview.windowHandle());
    activate(m_window.get());
    activate(&preview);
    activate(m_window.get());
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(PagePreviewTest, ReturningFromThePreviewLoadsThePictureNoSecondTime)
{
    click(m_window.get(), "cmdPickPic");
    pick("pic.bmp");
    activate(m_window.get());
    const PictureContent *loaded = m_window->page().picture.content();
    PagePreview &preview = openPreview();
    activate(&preview);
    activate(m_window.get());
    EXPECT_EQ(m_window->page().picture.content(), loaded);
}

TEST_F(PagePreviewTest, DoneClosesThePreview)
{
    openPreview();
    click(m_window.get(), "cmdExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windowTitled<PagePreview>("Page Preview"), nullptr);
}

TEST_F(PagePreviewTest, ZoomFitsThePageTheWidthOrShowsTheRealSize)
{
    PagePreview &preview = openPreview();
    preview.resize(600, 500);
    preview.show();
    QCoreApplication::processEvents();
    PageView &view = *preview.view();
    const QSizeF paper = proof().layout.fullRect(QPageLayout::Inch).size();

    view.fitPage();
    const QSize fitted = view.sheet().size();
    EXPECT_LE(fitted.height(), view.viewport()->height());
    EXPECT_GT(fitted.height(), view.viewport()->height() * 9 / 10);

    view.fitWidth();
    EXPECT_LE(view.sheet().width(), view.viewport()->width());
    EXPECT_GT(view.sheet().width(), view.viewport()->width() * 9 / 10);

    view.setZoom(1);
    EXPECT_NEAR(view.sheet().width(), paper.width() * view.logicalDpiX(), 1);

    QWheelEvent wheel(QPointF(100, 100), view.viewport()->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_NEAR(view.zoom(), 1.2, 0.02);
    EXPECT_EQ(view.fit(), PageView::Fit::None);
}

class PreviewDeviceTest : public testing::Test
{
protected:
    const EnglishLocale m_english;
    void SetUp() override
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(m_dir.path(), QPageSize(QPageSize::A4)));
        devices.push_back(std::make_unique<PdfDevice>(m_dir.path(), QPageSize(QPageSize::Letter)));
        m_printers = std::make_unique<Printers>(std::move(devices));
        m_window = std::make_unique<frmSorvane>(*m_printers, [this](const MsgBoxRequest &box) { m_boxes.push_back(box); });
        m_window->show();
        QCoreApplication::processEvents();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Printers> m_printers;
    std::vector<MsgBoxRequest> m_boxes;
    std::unique_ptr<frmSorvane> m_window;
};

TEST_F(PreviewDeviceTest, ChoosingAnotherDeviceReachesThePreview)
{
    m_window->findChild<QAction *>("mnuPreview")->trigger();
    QCoreApplication::processEvents();
    PagePreview &preview = *windowTitled<PagePreview>("Page Preview");
    EXPECT_EQ(preview.proof().layout.pageSize().id(), QPageSize::A4);

    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    frmSelectPrt *devices = windowTitled<frmSelectPrt>("Output Device Selection");
    QListWidget *list = child<QListWidget>(devices, "lstPrinterName");
    list->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>(devices, "cmdSelFont"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview.proof().layout.pageSize().id(), QPageSize::Letter);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(PreviewDeviceTest, PaperAndWeekStartChosenInPageSetupReachThePreviewAndThePaperStaysWithItsDevice)
{
    m_window->findChild<QAction *>("mnuPreview")->trigger();
    m_window->findChild<QAction *>("mnuPageSetup")->trigger();
    auto *setup = m_window->findChild<PageSetup *>();
    ASSERT_NE(setup, nullptr);
    QComboBox *paper = child<QComboBox>(setup, "cboPaper");
    EXPECT_EQ(paper->currentText(), QPageSize(QPageSize::A4).name());
    paper->setCurrentIndex(paper->findText(QPageSize(QPageSize::A5).name()));
    child<QComboBox>(setup, "cboWeekStart")->setCurrentIndex(int(WeekStart::Monday));
    QTest::mouseClick(setup->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(windowTitled<PagePreview>("Page Preview")->proof().layout.pageSize().id(), QPageSize::A5);
    // The first column's head.
    const auto &items = windowTitled<PagePreview>("Page Preview")->proof().page.items;
    EXPECT_TRUE(std::any_of(items.cbegin(), items.cend(), [](const PageItem &item) {
        const PageText *text = std::get_if<PageText>(&item);
        return text && text->text == QStringLiteral("Mon") && text->pos.x() < 1800;
    }));
    EXPECT_EQ(m_printers->item(1).pageLayout().pageSize().id(), QPageSize::Letter);
}

} // namespace
