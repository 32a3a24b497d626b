// Looks at the X server as a window manager would, for the end-to-end test:
//   x_window_probe wait TITLE SECONDS   prints the id of the top-level window titled TITLE
//                                       once it is mapped (exit 1 when none comes in time)
//   x_window_probe close ID             asks that window to close (WM_DELETE_WINDOW)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {
std::string TitleOf(Display* display, Window window) {
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success && data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

// Depth-first: Qt may wrap its top-level window in none or several parents.
Window Find(Display* display, Window root, const std::string& wanted) {
  Window parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
        TitleOf(display, children[i]) == wanted)
      found = children[i];
    else
      found = Find(display, children[i], wanted);
  }
  if (children) XFree(children);
  return found;
}

int Wait(Display* display, const std::string& title, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (Window w = Find(display, DefaultRootWindow(display), title)) {
      std::printf("%lu\n", static_cast<unsigned long>(w));
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::fprintf(stderr, "no window titled \"%s\" within %g s\n", title.c_str(), seconds);
  return 1;
}

int Close(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the display\n");
    return 2;
  }
  int status = 2;
  if (argc == 4 && std::strcmp(argv[1], "wait") == 0)
    status = Wait(display, argv[2], std::atof(argv[3]));
  else if (argc == 3 && std::strcmp(argv[1], "close") == 0)
    status = Close(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 10)));
  else
    std::fprintf(stderr, "usage: x_window_probe wait TITLE SECONDS | close ID\n");
  XCloseDisplay(display);
  return status;
}
