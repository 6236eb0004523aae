#include "core/alert_beep.h"

#include <QtGlobal>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool RingDisplayBell()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    if (connected) {
        // 0: the bell at the volume the user has set.
        xcb_bell(connection, 0);
        xcb_flush(connection);
    }
    xcb_disconnect(connection);
    return connected;
}

void RingTerminalBell()
{
    // The controlling terminal, if the process has one; without one the open fails.
    const int tty = ::open("/dev/tty", O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (tty < 0)
        return;
    const ssize_t written = ::write(tty, "\a", 1);
    Q_UNUSED(written);
    ::close(tty);
}

} // namespace

void qt_mac_beep()
{
    if (!RingDisplayBell())
        RingTerminalBell();
}
