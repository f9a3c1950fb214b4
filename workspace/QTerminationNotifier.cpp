#include "QTerminationNotifier.h"
#include "WorkspaceLog.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Written by the handler only; an int store is what a handler may rely on.
volatile sig_atomic_t g_writeFd = -1;
}

QTerminationNotifier::QTerminationNotifier(QObject *parent) : QObject(parent)
{
    if (g_writeFd >= 0) {
        qCWarning(lcWorkspace) << "termination requests are already handled elsewhere";
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_fds) != 0) {
        qCWarning(lcWorkspace) << "termination requests: no socket pair:" << strerror(errno);
        return;
    }
    // A handler must never block: a full socket only loses a repeated request.
    ::fcntl(m_fds[0], F_SETFL, ::fcntl(m_fds[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(m_fds[1], F_SETFL, ::fcntl(m_fds[1], F_GETFL) | O_NONBLOCK);
    g_writeFd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QTerminationNotifier::OnSignalReadable);

    struct sigaction action = {};
    action.sa_handler = &QTerminationNotifier::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) {
        if (::sigaction(number, &action, nullptr) != 0)
            qCWarning(lcWorkspace) << "termination requests: signal" << number << "not handled:" << strerror(errno);
    }
}

QTerminationNotifier::~QTerminationNotifier()
{
    if (!m_notifier)
        return;
    restoreDefaults();
    g_writeFd = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void QTerminationNotifier::restoreDefaults()
{
    for (int number : kSignals)
        ::signal(number, SIG_DFL);
}

void QTerminationNotifier::handleSignal(int signalNumber)
{
    const int saved = errno;
    const char byte = char(signalNumber);
    if (g_writeFd >= 0)
        (void)!::write(g_writeFd, &byte, 1);
    errno = saved;
}

void QTerminationNotifier::OnSignalReadable()
{
    char bytes[16];
    const ssize_t got = ::read(m_fds[1], bytes, sizeof bytes);
    if (got <= 0 || m_bRequested)
        return;
    m_bRequested = true;
    qCInfo(lcWorkspace) << "termination requested by signal" << int(bytes[0]);
    emit emitTerminationRequest(int(bytes[0]));
}
