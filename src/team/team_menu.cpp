#include "team/team_menu.h"

namespace team {

namespace {

constexpr int kMenuTop = 1;
constexpr int kMenuBottom = 49;

bool InMenuRow(int y) { return y >= kMenuTop && y <= kMenuBottom; }

template <typename Region>
MenuItem ItemAt(int x, int y, Region region) {
  if (!InMenuRow(y)) return MenuItem::None;
  for (const MenuEntry& entry : kMenu) {
    if (region(entry).Contain(x)) return entry.item;
  }
  return MenuItem::None;
}

}  // namespace

const MenuEntry* MenuEntryOf(int item_number) {
  if (item_number < 1 || item_number > kMenuItemCount) return nullptr;
  return &kMenu[static_cast<std::size_t>(item_number - 1)];
}

MenuItem HoveredItem(int x, int y) {
  return ItemAt(x, y, [](const MenuEntry& entry) { return entry.hover; });
}

MenuItem ClickedItem(int x, int y) {
  return ItemAt(x, y, [](const MenuEntry& entry) { return entry.click; });
}

}  // namespace team
