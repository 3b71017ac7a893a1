// SPDX-License-Identifier: MIT
#include "app/PageSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <functional>

namespace {

constexpr int Version = 1;
constexpr qsizetype MaxTextLength = 4096;

const char *const MessageKeys[] = {"page/line1", "page/line2", "page/line3", "page/line4", "page/line5", "page/message"};

struct FontKey
{
    const char *key;
    QString PageFonts::*font;
};

const FontKey FontKeys[] = {
    {"fonts/month", &PageFonts::strMonthFont},     {"fonts/header", &PageFonts::strHdrFont},
    {"fonts/address", &PageFonts::strAdrFont},     {"fonts/message", &PageFonts::strMsgFont},
    {"fonts/calendar", &PageFonts::strCalFont},
};

using Check = std::function<bool(const QString &)>;

bool matchesNumber(const QString &text, const char *pattern, int low, int high)
{
    if (!QRegularExpression(QLatin1String(pattern)).match(text).hasMatch())
        return false;
    const int value = text.trimmed().toInt();
    return value >= low && value <= high;
}

bool isYear(const QString &text)
{
    return matchesNumber(text, "^ *\\d{1,4} *$", 0, 9999);
}

bool isMonth(const QString &text)
{
    return matchesNumber(text, "^ *\\d{1,2} *$", 1, 12);
}

bool isCopies(const QString &text)
{
    return matchesNumber(text, "^ *\\d{1,4} *$", 0, 9999);
}

// What a one-line field can hold.
bool isLine(const QString &text)
{
    return text.size() <= MaxTextLength && !text.contains(u'\r') && !text.contains(u'\n');
}

bool isName(const QString &text)
{
    return !text.isEmpty() && isLine(text);
}

bool isAnyName(const QString &text)
{
    return text.isEmpty() || isName(text);
}

std::optional<QPageSize> paperOf(const QString &key)
{
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        if (id != QPageSize::Custom && QPageSize::key(QPageSize::PageSizeId(id)) == key)
            return QPageSize(QPageSize::PageSizeId(id));
    }
    return std::nullopt;
}

// Reads one key after another, noting whether any was missing or bad.
class Reader
{
public:
    explicit Reader(const QSettings &settings)
        : m_settings(settings)
    {
    }

    bool bad() const { return m_bad; }

    void text(const char *key, QString &target, const Check &check)
    {
        const QVariant value = m_settings.value(QLatin1String(key));
        if (value.typeId() != QMetaType::QString || !check(value.toString())) {
            m_bad = true;
            return;
        }
        target = value.toString();
    }

    QStringList names(const char *key)
    {
        const QString name = QLatin1String(key);
        if (!m_settings.contains(name)) {
            m_bad = true;
            return {};
        }
        QStringList names = m_settings.value(name).toStringList();
        const qsizetype before = names.size();
        names.removeIf([](const QString &entry) { return !isName(entry); });
        m_bad = m_bad || names.size() != before;
        return names;
    }

    std::optional<QPageSize> paper(const char *key)
    {
        QString name;
        text(key, name, isAnyName);
        if (name.isEmpty())
            return std::nullopt;
        std::optional<QPageSize> size = paperOf(name);
        m_bad = m_bad || !size;
        return size;
    }

    void version()
    {
        bool ok = false;
        m_bad = m_bad || m_settings.value(QStringLiteral("version")).toInt(&ok) != Version || !ok;
    }

private:
    const QSettings &m_settings;
    bool m_bad = false;
};

// The program names no organisation of its own: its folder is named after it.
QString userFileName()
{
    const QString application = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    return QSettings(QSettings::IniFormat, QSettings::UserScope, organisation.isEmpty() ? application : organisation,
                     application)
        .fileName();
}

} // namespace

PageSettings::PageSettings()
    : m_fileName(userFileName())
{
}

PageSettings::PageSettings(QString fileName)
    : m_fileName(std::move(fileName))
{
}

RememberedPage PageSettings::load() const
{
    RememberedPage remembered;
    if (!QFileInfo::exists(m_fileName))
        return remembered;
    const QSettings settings(m_fileName, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !QFileInfo(m_fileName).isReadable()) {
        keepAside();
        return remembered;
    }
    Reader reader(settings);
    reader.version();
    CalendarPage &page = remembered.page;
    reader.text("page/year", page.txtYear, isYear);
    reader.text("page/month", page.txtMonth, isMonth);
    reader.text("page/copies", page.txtCopies, isCopies);
    reader.text("page/header", page.txtHeader, isLine);
    for (size_t i = 0; i < page.txtMessage.size(); ++i)
        reader.text(MessageKeys[i], page.txtMessage[i], isLine);
    for (const FontKey &font : FontKeys)
        reader.text(font.key, page.fonts.*font.font, isName);
    reader.text("files/picture", remembered.picturePath, isAnyName);
    reader.text("files/control", remembered.controlFile, isAnyName);
    remembered.calendarFiles = reader.names("files/calendars");
    remembered.recentControlFiles = reader.names("files/recent");
    reader.text("device/name", remembered.deviceName, isAnyName);
    remembered.paper = reader.paper("device/paper");
    if (reader.bad())
        keepAside();
    return remembered;
}

bool PageSettings::store(const RememberedPage &remembered) const
{
    QSettings settings(m_fileName, QSettings::IniFormat);
    settings.clear();
    settings.setValue(QStringLiteral("version"), Version);
    const CalendarPage &page = remembered.page;
    settings.setValue(QStringLiteral("page/year"), page.txtYear);
    settings.setValue(QStringLiteral("page/month"), page.txtMonth);
    settings.setValue(QStringLiteral("page/copies"), page.txtCopies);
    settings.setValue(QStringLiteral("page/header"), page.txtHeader);
    for (size_t i = 0; i < page.txtMessage.size(); ++i)
        settings.setValue(QLatin1String(MessageKeys[i]), page.txtMessage[i]);
    for (const FontKey &font : FontKeys)
        settings.setValue(QLatin1String(font.key), page.fonts.*font.font);
    settings.setValue(QStringLiteral("files/picture"), remembered.picturePath);
    settings.setValue(QStringLiteral("files/control"), remembered.controlFile);
    settings.setValue(QStringLiteral("files/calendars"), remembered.calendarFiles);
    settings.setValue(QStringLiteral("files/recent"), remembered.recentControlFiles);
    settings.setValue(QStringLiteral("device/name"), remembered.deviceName);
    settings.setValue(QStringLiteral("device/paper"), remembered.paper ? remembered.paper->key() : QString());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void PageSettings::keepAside() const
{
    const QString aside = m_fileName + QStringLiteral(".bak");
    QFile::remove(aside);
    QFile::copy(m_fileName, aside);
}
