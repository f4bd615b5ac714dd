// Records when top-level windows are mapped on the display: one line per map,
// "<wall-clock seconds> <window id> <_NET_WM_PID or 0> <title>", written as the server reports
// it. It says "ready" once it listens, and ends when the display goes or on a signal.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  xcb_atom_t result = XCB_ATOM_NONE;
  if (reply != nullptr) result = reply->atom;
  std::free(reply);
  return result;
}

// The property's bytes; empty when it is missing.
std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
      nullptr);
  std::string value;
  if (reply != nullptr) {
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply));
    value.assign(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  }
  std::free(reply);
  return value;
}

double wallClock() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) return 1;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");
  const xcb_atom_t nameAtom = atom(connection, "_NET_WM_NAME");
  std::printf("ready\n");
  std::fflush(stdout);

  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
      const double when = wallClock();
      const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
      const std::string pidBytes = property(connection, window, pidAtom);
      std::uint32_t pid = 0;
      if (pidBytes.size() >= 4) std::memcpy(&pid, pidBytes.data(), 4);
      std::string title = property(connection, window, nameAtom);
      if (title.empty()) title = property(connection, window, XCB_ATOM_WM_NAME);
      std::printf("%.6f %u %u %s\n", when, window, pid, title.c_str());
      std::fflush(stdout);
    }
    std::free(event);
  }
  xcb_disconnect(connection);
  return 0;
}
