// SPDX-License-Identifier: MIT
#include "drawing/PlaceText.h"
#include "surface/FontSubstitutions.h"
#include "surface/OutputDevice.h"
#include "surface/Page.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Measures as the PDF device does and keeps nothing.
class MeasuringDevice : public OutputDevice
{
public:
    QString DeviceName() const override { return QStringLiteral("Measure"); }
    int resolution() const override { return 600; }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    }
    void print(const Page &, const PrintSettings &) override {}
};

Printers &printers()
{
    static Printers collection = [] {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<MeasuringDevice>());
        return Printers(std::move(devices));
    }();
    return collection;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Text needs fonts, and fonts need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    installFontSubstitutions();
    return 0;
}

// Whether a printed line passes the block's width test: the line without
// the blank that joined its last word measures at most Tw. Lines may print
// wider by that blank, and by letters that join across it (Arabic), which
// the test measures joined: the rules for words that fit stay as they are.
// A tab inside a word also shows as a blank, so the joining one may be any
// blank of the line (a blank is wide: a line holds few).
bool passesWidthTest(const PrintSurface &surface, const QString &line, qint16 Tw)
{
    if (surface.TextWidth(line) <= Tw)
        return true;
    for (qsizetype blank = line.indexOf(u' '); blank >= 0; blank = line.indexOf(u' ', blank + 1)) {
        QString tested = line;
        if (surface.TextWidth(tested.remove(blank, 1)) <= Tw)
            return true;
    }
    return false;
}

// Any text as a day's notes: at most seven lines, each starting at the
// block's left edge and passing the width test, so no word, however wide,
// runs on past the cell.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr float Tx = 1000;
    constexpr qint16 Tw = 1400;
    const QString note = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    PrintSurface surface(printers());
    const QString font = QStringLiteral("Arial");
    placeTextBlock(surface, Tx, 2000, Tw, font, note);

    int lines = 0;
    for (const PageItem &item : surface.page().items) {
        const auto *line = std::get_if<PageText>(&item);
        if (!line || ++lines > 7 || line->pos.x() != Tx || !passesWidthTest(surface, line->text, Tw))
            std::abort();
    }
    return 0;
}
