// SPDX-License-Identifier: MIT
#include "tests/support/RowName.h"

#include "surface/FontMetrics.h"
#include "surface/FontSubstitutions.h"

#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

struct ScriptCase
{
    const char *name;
    const char16_t *text;
};

struct FaceCase
{
    std::string name;
    QString text;
    QString family;
};

void PrintTo(const FaceCase &row, std::ostream *os)
{
    *os << row.name;
}

class FontFallbackTest : public ::testing::TestWithParam<FaceCase>
{
};

// Glyph 0 is the empty box a face draws for a character it lacks.
TEST_P(FontFallbackTest, EveryCharacterHasAGlyph)
{
    const FaceCase &row = GetParam();
    installFontSubstitutions();
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(23622);
    device.setDotsPerMeterY(23622);
    const QFont font(FontMetrics::pageFont(row.family, 8, false), &device);
    QTextLayout layout(row.text, font, &device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();

    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_FALSE(runs.isEmpty());
    for (const QGlyphRun &run : runs) {
        for (const quint32 glyph : run.glyphIndexes())
            EXPECT_NE(glyph, 0u) << run.rawFont().familyName().toStdString();
    }
}

const ScriptCase scripts[] = {
    {"Japanese", u"山田家のカレンダー 1月"},
    {"ChineseSimplified", u"会议 一月 国庆节"},
    {"ChineseTraditional", u"會議 聖誕節 農曆新年"},
    {"Korean", u"회의 1월 설날"},
    {"Arabic", u"تقويم العائلة ١٢٣"},
    {"Hebrew", u"פגישה עם המשפחה"},
    {"Hindi", u"बैठक जनवरी दिवाली"},
    {"Thai", u"การประชุม มกราคม"},
    {"Greek", u"Συνάντηση Ιανουάριος"},
    {"Cyrillic", u"Встреча январь"},
    {"Vietnamese", u"Cuộc họp tháng một"},
};

// Every script in the program's own faces: the notes' Arial and the lines'
// Times, which lack all of them but Greek, Cyrillic and Vietnamese.
std::vector<FaceCase> faceCases()
{
    std::vector<FaceCase> rows;
    for (const char *family : {"Arial", "Times"}) {
        for (const ScriptCase &script : scripts)
            rows.push_back({std::string(script.name) + "In" + family, QString::fromUtf16(script.text), QString::fromLatin1(family)});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Scripts, FontFallbackTest, ::testing::ValuesIn(faceCases()), RowName());

} // namespace
