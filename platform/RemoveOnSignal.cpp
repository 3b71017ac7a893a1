// SPDX-License-Identifier: MIT
#include "platform/RemoveOnSignal.h"

#include <array>
#include <atomic>
#include <csignal>
#include <mutex>
#include <unistd.h>

namespace {

// A signal handler can reach nothing but globals; a few files are written at
// once at most, so a handful of slots is plenty.
std::array<std::atomic<const char *>, 8> pendingFiles{};

extern "C" void removePendingAndEnd(int signalNumber)
{
    for (auto &slot : pendingFiles) {
        if (const char *path = slot.load())
            ::unlink(path);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void installHandlers()
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction removing {};
        removing.sa_handler = removePendingAndEnd;
        sigemptyset(&removing.sa_mask);
        ::sigaction(signalNumber, &removing, nullptr);
    }
}

} // namespace

RemoveOnSignal::RemoveOnSignal(QByteArray path)
    : m_path(std::move(path))
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    for (int i = 0; i < int(pendingFiles.size()); ++i) {
        const char *expected = nullptr;
        if (pendingFiles[i].compare_exchange_strong(expected, m_path.constData())) {
            m_slot = i;
            return;
        }
    }
}

RemoveOnSignal::~RemoveOnSignal()
{
    if (m_slot >= 0)
        pendingFiles[m_slot].store(nullptr);
}
