// SPDX-License-Identifier: MIT
#include "tests/support/PdfReader.h"
#include "tests/support/RowName.h"

#include "surface/Paper.h"
#include "surface/PdfDevice.h"
#include "surface/Page.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QSize A4(595, 842);
const QSize A5(420, 595);
const QSize Letter(612, 792);

struct NameRow
{
    const char *name;
    const char *text;
    QSize points;
};

class PaperNames : public ::testing::TestWithParam<NameRow>
{
};

TEST_P(PaperNames, AsPeopleTypeThemFromA7ToA0)
{
    const std::optional<QPageSize> size = Paper::named(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(size ? size->sizePoints() : QSize(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PaperNames,
    ::testing::Values(NameRow{"LowerCase", "a4", A4}, NameRow{"UpperCase", "A4", A4}, NameRow{"Letter", "letter", Letter},
                      NameRow{"Blanks", " Legal ", QSize(612, 1008)}, NameRow{"A5", "a5", A5},
                      NameRow{"PwgLetter", "na_letter_8.5x11in", Letter}, NameRow{"PwgA4", "iso_a4_210x297mm", A4},
                      NameRow{"PwgTurnedUpright", "iso_a5_210x148mm", A5}, NameRow{"Empty", "", {}},
                      NameRow{"Unknown", "quarto-ish", {}}, NameRow{"BareSize", "1x1mm", {}},
                      NameRow{"SmallerThanA7", "custom_card_60x90mm", {}}, NameRow{"Absurd", "custom_wall_100x100in", {}},
                      NameRow{"NoWidth", "custom_none_0x297mm", {}}),
    RowName());

// How a machine may set its paper; null leaves a variable unset.
struct SystemRow
{
    const char *name;
    const char *papersize;
    const char *paperconf;
    const char *lcPaper;
    const char *locale;
    QSize mediaBox;
};

class SystemPaper : public ::testing::TestWithParam<SystemRow>
{
protected:
    void TearDown() override
    {
        for (const auto &[name, value] : m_saved)
            value ? qputenv(name, *value) : qunsetenv(name);
    }

    void set(const char *name, const char *value)
    {
        m_saved.push_back({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        value ? qputenv(name, value) : qunsetenv(name);
    }

    QTemporaryDir m_folder;
    std::vector<std::pair<const char *, std::optional<QByteArray>>> m_saved;
};

TEST_P(SystemPaper, SaveAsPdfWritesOnIt)
{
    const SystemRow &row = GetParam();
    QFile conf(m_folder.filePath(QStringLiteral("papersize")));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(row.paperconf ? row.paperconf : "");
    conf.close();
    set("PAPERCONF", QFile::encodeName(conf.fileName()).constData());
    set("PAPERSIZE", row.papersize);
    set("LC_ALL", nullptr);
    set("LANG", "C");
    set("LC_PAPER", row.lcPaper);

    PdfDevice pdf(m_folder.path(), Paper::systemDefault(QLocale(QLatin1String(row.locale))));
    pdf.print(Page{{PageText{QPointF(), QStringLiteral("Paper"), QStringLiteral("Arial"), 12}}}, {});
    EXPECT_EQ(PdfReader::read(pdf.lastFile()).pageSize.toSize(), row.mediaBox);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SystemPaper,
    ::testing::Values(SystemRow{"PapersizeFirst", "letter", "a4\n", "de_DE.UTF-8", "de_DE", Letter},
                      SystemRow{"UnknownPapersizeSkipped", "quarto-ish", "# paper\n  a5 \n", nullptr, "en_US", A5},
                      SystemRow{"PaperconfBeforeLocale", nullptr, "legal\n", "de_DE.UTF-8", "de_DE", QSize(612, 1008)},
                      SystemRow{"LcPaperLetter", nullptr, nullptr, "en_US.UTF-8", "de_DE", Letter},
                      SystemRow{"LcPaperA4", nullptr, nullptr, "de_DE.UTF-8", "en_US", A4},
                      SystemRow{"MeasurementInInches", nullptr, nullptr, nullptr, "en_US", Letter},
                      SystemRow{"MeasurementMetric", nullptr, nullptr, "C", "de_DE", A4}),
    RowName());

} // namespace
