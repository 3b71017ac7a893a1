// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"
#include "surface/Page.h"

#include <QList>

// An output device that keeps what it is handed, at a chosen resolution.
class RecordingDevice : public OutputDevice
{
public:
    struct Job
    {
        Page page;
        PrintSettings settings;
    };

    explicit RecordingDevice(int dotsPerInch = 600, QString name = QStringLiteral("Recorder"))
        : m_dotsPerInch(dotsPerInch)
        , m_name(std::move(name))
    {
    }

    QString DeviceName() const override { return m_name; }
    int resolution() const override { return m_dotsPerInch; }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    }
    void print(const Page &page, const PrintSettings &settings) override { jobs.append(Job{page, settings}); }

    QList<Job> jobs;

private:
    int m_dotsPerInch = 600;
    QString m_name;
};
