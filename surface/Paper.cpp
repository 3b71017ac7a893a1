// SPDX-License-Identifier: MIT
#include "surface/Paper.h"

#include <QFile>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>

#include <algorithm>
#include <clocale>
#include <langinfo.h>

namespace {

// A7 and A0 in millimetres, with room for rounding of inch sizes.
constexpr double SmallestSide = 74 - 0.5;
constexpr double SmallestLength = 105 - 0.5;
constexpr double LargestSide = 841 + 0.5;
constexpr double LargestLength = 1189 + 0.5;

QPageSize portrait(const QPageSize &size)
{
    const QSizeF points = size.size(QPageSize::Point);
    if (points.width() <= points.height())
        return size;
    return QPageSize(points.transposed(), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
}

std::optional<QPageSize> standardNamed(const QString &name)
{
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto sizeId = QPageSize::PageSizeId(id);
        if (sizeId != QPageSize::Custom && QPageSize::key(sizeId).compare(name, Qt::CaseInsensitive) == 0)
            return QPageSize(sizeId);
    }
    return std::nullopt;
}

// class_name_WxHunit, the self-describing names of the printing standards.
std::optional<QPageSize> pwgNamed(const QString &name)
{
    static const QRegularExpression pwg(
        QStringLiteral("^[a-z0-9]+_[a-z0-9.\\-]*_([0-9]+(?:\\.[0-9]+)?)x([0-9]+(?:\\.[0-9]+)?)(mm|in)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pwg.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const QSizeF size(match.captured(1).toDouble(), match.captured(2).toDouble());
    const auto unit = match.captured(3).compare(QLatin1String("in"), Qt::CaseInsensitive) == 0 ? QPageSize::Inch
                                                                                              : QPageSize::Millimeter;
    if (size.isEmpty())
        return std::nullopt;
    return QPageSize(size, unit, QString(), QPageSize::FuzzyMatch);
}

// The first word of the first line that is not a comment, as libpaper reads it.
QString paperFileName(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (int line = 0; line < 100 && !file.atEnd(); ++line) {
        const QString text = QString::fromLocal8Bit(file.readLine(4096)).trimmed();
        if (!text.isEmpty() && !text.startsWith(u'#'))
            return text.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0);
    }
    return {};
}

// The paper of the LC_PAPER category the environment sets; nothing where it
// names no locale of its own (C, POSIX) or one that is not installed.
std::optional<QPageSize> localePaper()
{
    const locale_t paper = ::newlocale(LC_PAPER_MASK, "", locale_t(nullptr));
    if (!paper)
        return std::nullopt;
    const char *name = ::nl_langinfo_l(_NL_LOCALE_NAME(LC_PAPER), paper);
    std::optional<QPageSize> size;
    if (name && qstrcmp(name, "C") != 0 && qstrcmp(name, "POSIX") != 0 && qstrncmp(name, "C.", 2) != 0) {
        // These items are numbers in the pointer's low word, not strings.
        const auto height = quint32(quintptr(::nl_langinfo_l(_NL_PAPER_HEIGHT, paper)));
        const auto width = quint32(quintptr(::nl_langinfo_l(_NL_PAPER_WIDTH, paper)));
        if (width > 0 && height > 0)
            size = QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    }
    ::freelocale(paper);
    return size;
}

} // namespace

std::optional<QPageSize> Paper::named(const QString &name)
{
    const QString trimmed = name.trimmed();
    std::optional<QPageSize> size = standardNamed(trimmed);
    if (!size)
        size = pwgNamed(trimmed);
    if (!size || !isReadable(*size))
        return std::nullopt;
    return portrait(*size);
}

QStringList Paper::knownNames()
{
    QStringList names;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto sizeId = QPageSize::PageSizeId(id);
        if (sizeId != QPageSize::Custom && isReadable(QPageSize(sizeId)))
            names.append(QPageSize::key(sizeId).toLower());
    }
    return names;
}

QString Paper::nameOf(const QPageSize &size)
{
    if (size.id() != QPageSize::Custom)
        return QPageSize::key(size.id()).toLower();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QStringLiteral("custom_%1x%2mm").arg(mm.width()).arg(mm.height());
}

QPageSize Paper::systemDefault(const QLocale &locale)
{
    if (const std::optional<QPageSize> size = named(qEnvironmentVariable("PAPERSIZE")))
        return *size;
    const QString file = qEnvironmentVariableIsSet("PAPERCONF") ? qEnvironmentVariable("PAPERCONF")
                                                                : QStringLiteral("/etc/papersize");
    if (const std::optional<QPageSize> size = named(paperFileName(file)))
        return *size;
    if (const std::optional<QPageSize> size = localePaper(); size && isReadable(*size))
        return portrait(*size);
    return forLocale(locale);
}

QPageSize Paper::forLocale(const QLocale &locale)
{
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(inches ? QPageSize::Letter : QPageSize::A4);
}

bool Paper::isReadable(const QPageSize &size)
{
    if (!size.isValid())
        return false;
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const double side = std::min(mm.width(), mm.height());
    const double length = std::max(mm.width(), mm.height());
    return side >= SmallestSide && length >= SmallestLength && side <= LargestSide && length <= LargestLength;
}

bool Paper::isUsable(const QPageLayout &layout)
{
    if (!layout.isValid() || !isReadable(layout.pageSize()))
        return false;
    const QRectF full = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    return !printable.isEmpty() && full.contains(printable);
}

QList<QPageSize> Paper::commonSizes()
{
    return {QPageSize(QPageSize::A3),     QPageSize(QPageSize::A4),      QPageSize(QPageSize::A5),
            QPageSize(QPageSize::A6),     QPageSize(QPageSize::B5),      QPageSize(QPageSize::Letter),
            QPageSize(QPageSize::Legal),  QPageSize(QPageSize::Executive), QPageSize(QPageSize::Tabloid)};
}
