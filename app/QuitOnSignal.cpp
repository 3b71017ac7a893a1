// SPDX-License-Identifier: MIT
#include "app/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler can reach nothing but globals; there is one event loop.
int pipeEnds[2] = {-1, -1};

extern "C" void writeToPipe(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
}

} // namespace

QuitOnSignal::QuitOnSignal(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::quit);
    struct sigaction quitting {};
    quitting.sa_handler = writeToPipe;
    sigemptyset(&quitting.sa_mask);
    quitting.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &quitting, nullptr);
}

QuitOnSignal::~QuitOnSignal()
{
    if (!m_notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void QuitOnSignal::quit()
{
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) > 0) {
    }
    QCoreApplication::quit();
}
