#include "shell/NotifyIcon.h"

#include "wsys/NotificationArea.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

static_assert(NIF_MESSAGE == trayMessage && NIF_ICON == trayPicture && NIF_TIP == trayTip);

bool Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data)
{
    if (!data || !TWindowSystem::Exists()) return false;
    TNotificationArea& area = TWindowSystem::Current().NotificationArea();
    TTrayIconData request{data->hWnd, data->uID, data->uCallbackMessage, data->hIcon, data->szTip};
    switch (message) {
    case NIM_ADD: return area.Add(request, data->uFlags);
    case NIM_MODIFY: return area.Modify(request, data->uFlags);
    case NIM_DELETE: return area.Delete(data->hWnd, data->uID);
    default: return false;
    }
}

bool NotificationAreaRunning()
{
    return TWindowSystem::Exists() && TWindowSystem::Current().NotificationArea().Available();
}

} // namespace tavrik
