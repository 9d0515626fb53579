// What a screen reader sees of one program: a client of the AT-SPI bus, run as a process of its
// own (as Orca is), so that the program answers its questions from its own event loop.
//
//   atspi_walk <pid>   one line per showing object of the program's windows that takes the focus
//                      or is a page tab: window name, child-index path, role name, accessible
//                      name and "f" when it is focusable, separated by tabs
#include <atspi/atspi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A string the library hands over, freed; tabs and line breaks would split a line of the dump.
std::string Take(gchar* text) {
  std::string line = text != nullptr ? text : "";
  g_free(text);
  for (char& c : line)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return line;
}

template <class Visit>
void ForEachChild(AtspiAccessible* parent, Visit&& visit) {
  const gint children = atspi_accessible_get_child_count(parent, nullptr);
  for (gint i = 0; i < children; ++i) {
    if (AtspiAccessible* child = atspi_accessible_get_child_at_index(parent, i, nullptr)) {
      visit(child, i);
      g_object_unref(child);
    }
  }
}

void Walk(AtspiAccessible* object, const std::string& window, const std::string& path) {
  AtspiStateSet* states = atspi_accessible_get_state_set(object);
  const bool showing = states && atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
  const bool focusable = states && atspi_state_set_contains(states, ATSPI_STATE_FOCUSABLE);
  if (states != nullptr) g_object_unref(states);
  if (!showing) return;
  const AtspiRole role = atspi_accessible_get_role(object, nullptr);
  if (focusable || role == ATSPI_ROLE_PAGE_TAB)
    std::printf("%s\t%s\t%s\t%s\t%s\n", window.c_str(), path.c_str(),
                Take(atspi_accessible_get_role_name(object, nullptr)).c_str(),
                Take(atspi_accessible_get_name(object, nullptr)).c_str(), focusable ? "f" : "");
  // Lists, trees and menus hold their items as children: a screen reader reads those as items,
  // not as controls of the window.
  if (role == ATSPI_ROLE_TABLE || role == ATSPI_ROLE_TREE || role == ATSPI_ROLE_TREE_TABLE ||
      role == ATSPI_ROLE_LIST || role == ATSPI_ROLE_COMBO_BOX || role == ATSPI_ROLE_MENU ||
      role == ATSPI_ROLE_MENU_BAR || role == ATSPI_ROLE_SCROLL_BAR)
    return;
  ForEachChild(object, [&](AtspiAccessible* child, gint i) {
    Walk(child, window, path.empty() ? std::to_string(i) : path + "." + std::to_string(i));
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || atspi_init() > 1) {
    std::fprintf(stderr, "usage: atspi_walk <pid>, with an accessibility bus\n");
    return 2;
  }
  const guint pid = static_cast<guint>(std::strtoul(argv[1], nullptr, 10));
  bool found = false;
  AtspiAccessible* desktop = atspi_get_desktop(0);
  ForEachChild(desktop, [&](AtspiAccessible* app, gint) {
    if (atspi_accessible_get_process_id(app, nullptr) != pid) return;
    found = true;
    ForEachChild(app, [&](AtspiAccessible* window, gint) {
      Walk(window, Take(atspi_accessible_get_name(window, nullptr)), "");
    });
  });
  g_object_unref(desktop);
  if (!found) std::fprintf(stderr, "atspi_walk: no program with process id %u on the bus\n", pid);
  return found ? 0 : 1;
}
