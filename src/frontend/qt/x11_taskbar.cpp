#include "frontend/qt/x11_taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace slumbrix {
namespace {

struct StateAtoms {
  xcb_atom_t state = XCB_ATOM_NONE;
  xcb_atom_t skipTaskbar = XCB_ATOM_NONE;
};

xcb_atom_t replyAtom(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t result = reply == nullptr ? xcb_atom_t{XCB_ATOM_NONE} : reply->atom;
  std::free(reply);
  return result;
}

// The two atoms, asked for together in one round trip the first time and kept: an atom stays
// the same for as long as the display runs.
StateAtoms stateAtoms(xcb_connection_t* connection) {
  static xcb_connection_t* askedOf = nullptr;
  static StateAtoms atoms;
  if (askedOf == connection && atoms.state != XCB_ATOM_NONE) return atoms;
  const auto ask = [connection](const char* name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(strlen(name)), name);
  };
  const xcb_intern_atom_cookie_t state = ask("_NET_WM_STATE");
  const xcb_intern_atom_cookie_t skip = ask("_NET_WM_STATE_SKIP_TASKBAR");
  atoms = {replyAtom(connection, state), replyAtom(connection, skip)};
  askedOf = connection;
  return atoms;
}

// The window is withdrawn: its _NET_WM_STATE property is ours to write.
void writeState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                xcb_atom_t skip, bool on) {
  std::vector<xcb_atom_t> atoms;
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
  if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    if (reply->format == 32) atoms.assign(values, values + reply->value_len);
    std::free(reply);
  }
  std::erase(atoms, skip);
  if (on) atoms.push_back(skip);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

// The window is mapped: the window manager changes the state on request.
void requestState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                  xcb_atom_t skip, bool on) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = state;
  event.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
  event.data.data32[1] = skip;
  event.data.data32[3] = 1;  // from a normal application
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
}

}  // namespace

void setSkipTaskbar(QWidget& window, bool skip) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  const StateAtoms atoms = stateAtoms(connection);
  if (atoms.state == XCB_ATOM_NONE || atoms.skipTaskbar == XCB_ATOM_NONE) return;
  if (window.isVisible()) {
    requestState(connection, id, atoms.state, atoms.skipTaskbar, skip);
  } else {
    writeState(connection, id, atoms.state, atoms.skipTaskbar, skip);
  }
  xcb_flush(connection);
}

}  // namespace slumbrix
