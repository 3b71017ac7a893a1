// SPDX-License-Identifier: MIT
#pragma once

#include "app/frmSorvane.h"
#include "tests/support/EnglishLocale.h"
#include "platform/MsgBoxRequest.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

// A fresh main window whose only device is "Save as PDF" into a temporary
// folder, whose message boxes are recorded instead of shown and whose font
// dialog answers m_fontChoice. It runs in
// a temporary current directory, so the file chooser lists known files.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pdfDir.isValid());
        ASSERT_TRUE(m_workDir.isValid());
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_workDir.path()));
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(m_pdfDir.path(), QPageSize(QPageSize::A4)));
        m_printers = std::make_unique<Printers>(std::move(devices));
        m_window = std::make_unique<frmSorvane>(
            *m_printers, [this](const MsgBoxRequest &request) { m_boxes.push_back(request); },
            [this](QWidget *, qint32 flags) -> std::optional<QString> {
                ++m_fontDialogs;
                m_fontFlags = flags;
                return m_fontChoice;
            });
    }

    void TearDown() override
    {
        m_window.reset();
        QDir::setCurrent(m_previousDir);
    }

    PdfDevice &pdfDevice() { return static_cast<PdfDevice &>(m_printers->item(0)); }
    QString workPath(const QString &name) const { return m_workDir.filePath(name); }

    const EnglishLocale m_english;
    QTemporaryDir m_pdfDir;
    QTemporaryDir m_workDir;
    QString m_previousDir;
    std::unique_ptr<Printers> m_printers;
    std::vector<MsgBoxRequest> m_boxes;
    std::optional<QString> m_fontChoice = QStringLiteral("Liberation Serif");
    int m_fontDialogs = 0;
    qint32 m_fontFlags = 0;
    std::unique_ptr<frmSorvane> m_window;
};
