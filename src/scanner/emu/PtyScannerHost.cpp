#include "scanner/emu/PtyScannerHost.h"

#include "scanner/emu/ScannerEmulator.h"

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tekvora::scanner::emu {

namespace {
constexpr int PollMs = 50;
} // namespace

PtyScannerHost::PtyScannerHost(ScannerEmulator &emulator) : m_emulator(emulator) {}

PtyScannerHost::~PtyScannerHost()
{
    stop();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyScannerHost::open()
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B9600);
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0)
        return false;
    // A link that gave up must never block us in write().
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // Keeping our own slave descriptor open stops the master from hanging up whenever the link
    // closes its side between operations.
    m_devicePath = QString::fromLocal8Bit(name);
    return true;
}

void PtyScannerHost::serve()
{
    using Clock = std::chrono::steady_clock;
    QByteArray outgoing;
    Clock::time_point sendAt;
    while (!m_stop.load()) {
        const bool due = !outgoing.isEmpty() && Clock::now() >= sendAt;
        const auto untilDue = std::chrono::duration_cast<std::chrono::milliseconds>(sendAt - Clock::now()).count();
        const int waitMs = outgoing.isEmpty() || due ? PollMs : int(std::clamp<long long>(untilDue, 0, PollMs));
        // Wait for room only when a reply is due, so a link that stopped reading costs no CPU.
        pollfd fd{m_master, short(POLLIN | (due ? POLLOUT : 0)), 0};
        if (::poll(&fd, 1, waitMs) <= 0)
            continue;
        if (fd.revents & POLLIN) {
            char buffer[4096];
            const ssize_t got = ::read(m_master, buffer, sizeof buffer);
            if (got > 0) {
                const QByteArray reply = m_emulator.feed(QByteArray(buffer, int(got)));
                if (!reply.isEmpty()) {
                    // A new request means the link gave up on whatever we still owed it.
                    outgoing = reply;
                    sendAt = Clock::now() + std::chrono::milliseconds(m_emulator.replyDelayMs());
                }
            }
        }
        if (!outgoing.isEmpty() && Clock::now() >= sendAt) {
            const ssize_t sent = ::write(m_master, outgoing.constData(), size_t(outgoing.size()));
            if (sent > 0)
                outgoing.remove(0, sent);
        }
    }
}

void PtyScannerHost::start()
{
    m_stop = false;
    m_thread = std::thread([this] { serve(); });
}

void PtyScannerHost::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tekvora::scanner::emu
