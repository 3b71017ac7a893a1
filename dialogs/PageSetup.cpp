// SPDX-License-Identifier: MIT
#include "dialogs/PageSetup.h"

#include "surface/OutputDevice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>

namespace {

// Items in the order of WeekStart.
void addWeekStarts(QComboBox &box)
{
    const QLocale locale;
    box.addItem(PageSetup::tr("Sunday"));
    box.addItem(PageSetup::tr("Monday"));
    box.addItem(PageSetup::tr("The locale's first day (%1)").arg(locale.dayName(locale.firstDayOfWeek())));
}

} // namespace

PageSetup::PageSetup(const OutputDevice &device, WeekStart weekStart, QWidget *parent)
    : QDialog(parent)
    , m_sizes(device.paperSizes())
    , m_paper(new QComboBox(this))
    , m_weekStart(new QComboBox(this))
{
    setWindowTitle(tr("Page Setup"));
    setObjectName(QStringLiteral("PageSetup"));
    m_paper->setObjectName(QStringLiteral("cboPaper"));
    for (const QPageSize &size : std::as_const(m_sizes))
        m_paper->addItem(size.name());
    choose(device.pageLayout().pageSize());
    m_weekStart->setObjectName(QStringLiteral("cboWeekStart"));
    addWeekStarts(*m_weekStart);
    m_weekStart->setCurrentIndex(int(weekStart));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Device:"), new QLabel(device.DeviceName(), this));
    auto *label = new QLabel(tr("&Paper:"), this);
    label->setBuddy(m_paper);
    form->addRow(label, m_paper);
    auto *weekLabel = new QLabel(tr("&Week starts on:"), this);
    weekLabel->setBuddy(m_weekStart);
    form->addRow(weekLabel, m_weekStart);
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_paper->currentIndex() >= 0)
            Q_EMIT paperChosen(m_sizes[m_paper->currentIndex()]);
        Q_EMIT weekStartChosen(WeekStart(m_weekStart->currentIndex()));
        accept();
    });
}

void PageSetup::choose(const QPageSize &size)
{
    for (qsizetype i = 0; i < m_sizes.size(); ++i) {
        if (m_sizes[i].isEquivalentTo(size))
            m_paper->setCurrentIndex(int(i));
    }
}
