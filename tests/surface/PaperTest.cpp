// SPDX-License-Identifier: MIT
#include "tests/support/PdfReader.h"

#include "surface/Page.h"
#include "surface/Paper.h"
#include "surface/PdfDevice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QSize A4(595, 842);
const QSize A5(420, 595);
const QSize Legal(612, 1008);
const QSize Letter(612, 792);

TEST(PaperTest, NamesAsPeopleTypeThemFromA7ToA0)
{
    const std::pair<const char *, QSize> rows[] = {
        {"a4", A4}, {"A4", A4}, {"letter", Letter}, {" Legal ", Legal}, {"a5", A5}, {"na_letter_8.5x11in", Letter},
        {"iso_a4_210x297mm", A4}, {"iso_a5_210x148mm", A5}, {"", {}}, {"quarto-ish", {}}, {"1x1mm", {}},
        {"custom_card_60x90mm", {}}, {"custom_wall_100x100in", {}}, {"custom_none_0x297mm", {}},
    };
    for (const auto &[name, points] : rows) {
        const std::optional<QPageSize> size = Paper::named(QString::fromUtf8(name));
        EXPECT_EQ(size ? size->sizePoints() : QSize(), points) << name;
    }
}

// How a machine may set its paper (null leaves a variable unset), and the
// MediaBox "Save as PDF" then writes.
TEST(PaperTest, SaveAsPdfWritesOnTheSystemsPaper)
{
    struct Row
    {
        const char *papersize, *paperconf, *lcPaper, *locale;
        QSize mediaBox;
    };
    const Row rows[] = {
        {"letter", "a4\n", "de_DE.UTF-8", "de_DE", Letter},      {"quarto-ish", "# paper\n  a5 \n", nullptr, "en_US", A5},
        {nullptr, "legal\n", "de_DE.UTF-8", "de_DE", Legal},     {nullptr, nullptr, "en_US.UTF-8", "de_DE", Letter},
        {nullptr, nullptr, "de_DE.UTF-8", "en_US", A4},          {nullptr, nullptr, nullptr, "en_US", Letter},
        {nullptr, nullptr, "C", "de_DE", A4},
    };
    QTemporaryDir folder;
    const QString conf = folder.filePath(QStringLiteral("papersize"));
    const QByteArray saved[] = {qgetenv("PAPERSIZE"), qgetenv("PAPERCONF"), qgetenv("LC_ALL"), qgetenv("LC_PAPER"), qgetenv("LANG")};
    const auto set = [](const char *name, const char *value) { value ? qputenv(name, value) : qunsetenv(name); };
    set("PAPERCONF", QFile::encodeName(conf).constData());
    set("LC_ALL", nullptr);
    set("LANG", "C");
    for (const Row &row : rows) {
        QFile file(conf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.paperconf ? row.paperconf : "");
        file.close();
        set("PAPERSIZE", row.papersize);
        set("LC_PAPER", row.lcPaper);
        PdfDevice pdf(folder.path(), Paper::systemDefault(QLocale(QLatin1String(row.locale))));
        pdf.print(Page{{PageText{QPointF(), QStringLiteral("Paper"), QStringLiteral("Arial"), 12}}}, {});
        EXPECT_EQ(PdfReader::read(pdf.lastFile()).pageSize.toSize(), row.mediaBox)
            << (row.papersize ? row.papersize : "-") << " " << (row.lcPaper ? row.lcPaper : "-") << " " << row.locale;
    }
    const char *names[] = {"PAPERSIZE", "PAPERCONF", "LC_ALL", "LC_PAPER", "LANG"};
    for (int i = 0; i < 5; ++i)
        set(names[i], saved[i].isNull() ? nullptr : saved[i].constData());
}

} // namespace
