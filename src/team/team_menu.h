#pragma once
#include <array>
#include <string_view>

namespace team {

// What the team page charges and where its limits lie.
inline constexpr int kTrainingPrice = 500;
inline constexpr int kUpgradePrice = 750;
inline constexpr int kPaintPrice = 50;
inline constexpr int kPaintPerPurchase = 10;
inline constexpr int kPaintBuyingLimit = 200;  // paint is sold while a player has less
inline constexpr int kHighTechGearCeiling = 6;
inline constexpr int kLowTechGearCeiling = 2;
inline constexpr int kAttributeCeiling = 20;

// The ten menu items along the top of the team page.
enum class MenuItem {
  None = 0,
  WorldInfo,
  GearInfo,
  TrainPlayer,
  UpgradeGear,
  BuyPaint,
  ToggleMusic,
  NextMatch,
  Recruitment,
  ExitGame,
  Questions,
};

inline constexpr int kMenuItemCount = 10;

// An inclusive range of picture columns.
struct Columns {
  int from;
  int to;
  bool Contain(int x) const { return x >= from && x <= to; }
};

struct MenuEntry {
  MenuItem item;
  int icon_image;  // the team page's own picture number
  int icon_x;
  Columns hover;
  Columns click;
  std::string_view hover_text;
  int hover_text_x;
};

// In the order of the item numbers 1..10.
inline constexpr std::array<MenuEntry, kMenuItemCount> kMenu{{
    {MenuItem::WorldInfo, 9, 449, {450, 498}, {450, 498}, "World Info", 450},
    {MenuItem::GearInfo, 10, 499, {500, 548}, {500, 548}, "Gear Info", 499},
    {MenuItem::TrainPlayer, 11, 549, {550, 598}, {550, 598}, "Train Player ($500)", 549},
    {MenuItem::UpgradeGear, 12, 599, {600, 648}, {600, 648}, "Upgrade Gear ($750)", 599},
    {MenuItem::BuyPaint, 13, 649, {650, 698}, {650, 698}, "Buy Paint ($50)", 649},
    {MenuItem::ToggleMusic, 14, 699, {700, 748}, {700, 748}, "Toggle Music", 680},
    {MenuItem::NextMatch, 15, 748, {750, 799}, {750, 798}, "Next Match", 720},
    {MenuItem::Recruitment, 16, 399, {400, 448}, {400, 448}, "Recruitment", 450},
    {MenuItem::ExitGame, 17, 349, {350, 399}, {350, 398}, "Exit Game", 450},
    {MenuItem::Questions, 18, 299, {300, 348}, {300, 348}, "Frequently Asked Questions", 450},
}};

inline constexpr int kMenuIconY = 0;
inline constexpr int kHoverTextY = 52;

// The menu entry of an item number 1..10; nothing for any other number.
const MenuEntry* MenuEntryOf(int item_number);

// The item whose hover region, or click region, holds the point; None when there is none.
MenuItem HoveredItem(int x, int y);
MenuItem ClickedItem(int x, int y);

}  // namespace team
