// Placing windows on their screen, and empty titles on X11.
#include "WindowSystem.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#if KVARDELON_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <cstdlib>

namespace kvardelon {

QScreen* screenAt(QPoint point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

QRect keepOnScreen(QRect place, QRect screen)
{
    place.moveLeft(std::max(screen.left(), std::min(place.left(), screen.right() + 1 - place.width())));
    place.moveTop(std::max(screen.top(), std::min(place.top(), screen.bottom() + 1 - place.height())));
    return place;
}

void clearWindowSystemTitle([[maybe_unused]] QWidget& window)
{
#if KVARDELON_XCB
    // Other platforms may answer for X11 too (offscreen does, with a display of its own).
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    static constexpr char kNetName[] = "_NET_WM_NAME";
    static constexpr char kUtf8[] = "UTF8_STRING";
    const auto atom = [connection](const char* name, std::size_t length) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(length), name), nullptr);
        const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return result;
    };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(kNetName, sizeof kNetName - 1),
                        atom(kUtf8, sizeof kUtf8 - 1), 8, 0, nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
#endif
}

}  // namespace kvardelon
