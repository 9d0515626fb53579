// What a screen reader sees of one program: a client of the AT-SPI bus, run as a process of its
// own (as Orca is), so that the program answers its questions from its own event loop.
//
//   atspi_walk dump <pid>                  one line per object on screen that a screen reader
//                                          lists or focuses, in the program's windows
//   atspi_walk press <pid> <role> <name>   runs the first action of the first showing object
//                                          with that role name and accessible name
//
// A dump line holds tab-separated fields: window name, child-index path, role name, accessible
// name, description, then the flags f (focusable), s (selected), r (has a labelled-by or
// controlled-by relation). The program is found by its process id.
#include <atspi/atspi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Text {
  explicit Text(gchar* text) : text_(text) {}
  ~Text() { g_free(text_); }
  std::string str() const { return text_ != nullptr ? text_ : ""; }

 private:
  gchar* text_;
};

void ClearError(GError*& error) {
  if (error != nullptr) g_error_free(error);
  error = nullptr;
}

bool Has(AtspiStateSet* states, AtspiStateType state) {
  return states != nullptr && atspi_state_set_contains(states, state);
}

// Tabs and line breaks would split a line of the dump.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

bool HasNamingRelation(AtspiAccessible* object) {
  GError* error = nullptr;
  GArray* relations = atspi_accessible_get_relation_set(object, &error);
  ClearError(error);
  bool found = false;
  for (guint i = 0; relations != nullptr && i < relations->len; ++i) {
    AtspiRelation* relation = g_array_index(relations, AtspiRelation*, i);
    const AtspiRelationType type = atspi_relation_get_relation_type(relation);
    found = found || type == ATSPI_RELATION_LABELLED_BY || type == ATSPI_RELATION_CONTROLLED_BY;
    g_object_unref(relation);
  }
  if (relations != nullptr) g_array_free(relations, TRUE);
  return found;
}

// Lists and trees hold their rows as children; a screen reader reads those as items of the
// list, not as controls of the window.
bool KeepsItems(AtspiRole role) {
  return role == ATSPI_ROLE_TABLE || role == ATSPI_ROLE_TREE || role == ATSPI_ROLE_TREE_TABLE ||
         role == ATSPI_ROLE_LIST || role == ATSPI_ROLE_COMBO_BOX || role == ATSPI_ROLE_MENU ||
         role == ATSPI_ROLE_MENU_BAR || role == ATSPI_ROLE_SCROLL_BAR;
}

// Calls visit(child, index) for each child of parent.
template <class Visit>
void ForEachChild(AtspiAccessible* parent, Visit&& visit) {
  GError* error = nullptr;
  const gint children = atspi_accessible_get_child_count(parent, &error);
  ClearError(error);
  for (gint i = 0; i < children; ++i) {
    AtspiAccessible* child = atspi_accessible_get_child_at_index(parent, i, &error);
    ClearError(error);
    if (child == nullptr) continue;
    visit(child, i);
    g_object_unref(child);
  }
}

struct Press {
  std::string role, name;
  bool done = false;
};

void Walk(AtspiAccessible* object, const std::string& window, const std::string& path,
          Press* press) {
  GError* error = nullptr;
  AtspiStateSet* states = atspi_accessible_get_state_set(object);
  const bool showing = Has(states, ATSPI_STATE_SHOWING);
  const bool focusable = Has(states, ATSPI_STATE_FOCUSABLE);
  const bool selected = Has(states, ATSPI_STATE_SELECTED);
  if (states != nullptr) g_object_unref(states);
  if (!showing) return;
  const AtspiRole role = atspi_accessible_get_role(object, &error);
  ClearError(error);
  const std::string roleName = Text(atspi_accessible_get_role_name(object, &error)).str();
  ClearError(error);
  const std::string name = Text(atspi_accessible_get_name(object, &error)).str();
  ClearError(error);

  if (press != nullptr) {
    if (!press->done && roleName == press->role && name == press->name) {
      if (AtspiAction* action = atspi_accessible_get_action_iface(object)) {
        press->done = atspi_action_do_action(action, 0, &error);
        ClearError(error);
        g_object_unref(action);
      }
    }
  } else if (focusable || role == ATSPI_ROLE_PAGE_TAB || role == ATSPI_ROLE_PAGE_TAB_LIST) {
    const std::string description = Text(atspi_accessible_get_description(object, &error)).str();
    ClearError(error);
    std::printf("%s\t%s\t%s\t%s\t%s\t%s%s%s\n", OneLine(window).c_str(), path.c_str(),
                roleName.c_str(), OneLine(name).c_str(), OneLine(description).c_str(),
                focusable ? "f" : "", selected ? "s" : "", HasNamingRelation(object) ? "r" : "");
  }
  if (KeepsItems(role)) return;

  ForEachChild(object, [&](AtspiAccessible* child, gint i) {
    Walk(child, window, path.empty() ? std::to_string(i) : path + "." + std::to_string(i), press);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const bool dump = argc == 3 && std::strcmp(argv[1], "dump") == 0;
  const bool doPress = argc == 5 && std::strcmp(argv[1], "press") == 0;
  if (!dump && !doPress) {
    std::fprintf(stderr, "usage: atspi_walk dump <pid> | press <pid> <role> <name>\n");
    return 2;
  }
  if (atspi_init() > 1) {
    std::fprintf(stderr, "atspi_walk: no accessibility bus\n");
    return 1;
  }
  const guint pid = static_cast<guint>(std::strtoul(argv[2], nullptr, 10));
  Press press;
  if (doPress) press = {argv[3], argv[4]};

  GError* error = nullptr;
  AtspiAccessible* desktop = atspi_get_desktop(0);
  bool found = false;
  ForEachChild(desktop, [&](AtspiAccessible* app, gint) {
    const bool ours = atspi_accessible_get_process_id(app, &error) == pid;
    ClearError(error);
    if (!ours) return;
    found = true;
    ForEachChild(app, [&](AtspiAccessible* window, gint) {
      const std::string title = Text(atspi_accessible_get_name(window, &error)).str();
      ClearError(error);
      Walk(window, title, "", doPress ? &press : nullptr);
    });
  });
  g_object_unref(desktop);
  if (!found) {
    std::fprintf(stderr, "atspi_walk: no program with process id %u on the bus\n", pid);
    return 1;
  }
  if (doPress && !press.done) {
    std::fprintf(stderr, "atspi_walk: no %s named \"%s\" to press\n", argv[3], argv[4]);
    return 1;
  }
  return 0;
}
