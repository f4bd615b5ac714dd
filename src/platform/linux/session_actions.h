#pragma once

namespace slumbrix {

// The system actions over D-Bus: logind (org.freedesktop.login1.Manager) on the system bus and
// the desktop's screen saver on the session bus, at the addresses the environment names. Each call
// waits for the service's answer, at most kDbusTimeoutMs, and returns true only when the service
// accepted the request; polkit decides on the service side. None of them asks the user (interactive
// = false).
inline constexpr int kDbusTimeoutMs = 4000;

bool logindPowerOff();
bool logindReboot();
bool logindSuspend();
bool logindHibernate();
// End or lock the caller's own session: "" names it. Where the program runs outside any
// session (an application scope of the user's service manager), logind answers
// NoSessionForPID, and the user's display session ("auto") is asked for instead.
bool logindTerminateSession();
bool logindLockSession();
// SetActive(true) to the first screen saver that answers, asked in this order on its usual
// object path: org.freedesktop.ScreenSaver (KDE), org.gnome.ScreenSaver, org.mate.ScreenSaver,
// org.cinnamon.ScreenSaver, org.xfce.ScreenSaver. A name that is not on the bus, an error
// reply or no answer within kScreenSaverCallTimeoutMs moves on to the next; the whole search
// ends within kScreenSaverBudgetMs. When none of them answered and time is left, an
// xscreensaver daemon on the display is asked with `xscreensaver-command -activate`. True when
// one of them accepted.
inline constexpr int kScreenSaverCallTimeoutMs = 1000;
inline constexpr int kScreenSaverBudgetMs = 5000;
bool screenSaverActivate();

}  // namespace slumbrix
