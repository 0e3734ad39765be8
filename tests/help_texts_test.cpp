// The help texts quote the game's prices and limits; these tests hold them to the game's own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/title_screen.h"
#include "help/help_screen.h"
#include "support/fake_host.h"
#include "team/recruits.h"
#include "team/team_menu.h"

namespace {

std::string HelpText(const std::string& file) {
  std::ifstream in(std::string(SPLATVANE_SOURCE_DIR) + "/assets/help/" + file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Appended rather than concatenated: GCC 12 at -O3 misreads "$" + to_string as overlapping copies.
std::string Dollars(int amount) {
  std::string dollars = "$";
  dollars += std::to_string(amount);
  return dollars;
}

std::string HoverText(team::MenuItem item) {
  for (const team::MenuEntry& entry : team::kMenu) {
    if (entry.item == item) return std::string(entry.hover_text);
  }
  return {};
}

TEST(HelpTexts, EveryTopicHasAFileWithText) {
  for (const help::Topic& topic : help::kTopics) EXPECT_GT(HelpText(std::string(topic.file)).size(), 100u) << topic.file;
}

TEST(HelpTexts, TheMenuNamesThePricesItCharges) {
  EXPECT_EQ(HoverText(team::MenuItem::TrainPlayer), "Train Player (" + Dollars(team::kTrainingPrice) + ")");
  EXPECT_EQ(HoverText(team::MenuItem::UpgradeGear), "Upgrade Gear (" + Dollars(team::kUpgradePrice) + ")");
  EXPECT_EQ(HoverText(team::MenuItem::BuyPaint), "Buy Paint (" + Dollars(team::kPaintPrice) + ")");
}

TEST(HelpTexts, TheTeamMembersTopicQuotesTrainingRecruitsAndTheAttributeCeiling) {
  const std::string text = HelpText("yourplayers.txt");
  EXPECT_NE(text.find("Training costs " + Dollars(team::kTrainingPrice)), std::string::npos);
  EXPECT_NE(text.find("\"" + HoverText(team::MenuItem::TrainPlayer) + "\""), std::string::npos);
  EXPECT_NE(text.find("For " + Dollars(team::kRecruitPrice) + " the recruit"), std::string::npos);
  EXPECT_NE(text.find("No attribute can stay above " + std::to_string(team::kAttributeCeiling)), std::string::npos);
}

TEST(HelpTexts, TheGearTopicQuotesUpgradesAndPaint) {
  const std::string text = HelpText("yourgear.txt");
  EXPECT_NE(text.find(HoverText(team::MenuItem::UpgradeGear) + " on the team page"), std::string::npos);
  EXPECT_NE(text.find("for " + Dollars(team::kUpgradePrice) + " each time"), std::string::npos);
  EXPECT_NE(text.find("up to level " + std::to_string(team::kHighTechGearCeiling)), std::string::npos);
  EXPECT_NE(text.find("above level " + std::to_string(team::kLowTechGearCeiling)), std::string::npos);
  EXPECT_NE(text.find("a Mk1 Peej for " + Dollars(team::kUpgradePrice)), std::string::npos);
  EXPECT_NE(text.find(HoverText(team::MenuItem::BuyPaint) + " on the team page gives the selected player " +
                      std::to_string(team::kPaintPerPurchase) + " more paintballs for " + Dollars(team::kPaintPrice)),
            std::string::npos);
  EXPECT_NE(text.find("less than " + std::to_string(team::kPaintBuyingLimit)), std::string::npos);
  const int most_paint = team::kPaintBuyingLimit - 1 + team::kPaintPerPurchase;
  EXPECT_NE(text.find("as many as " + std::to_string(most_paint)), std::string::npos);
}

// The cash a new career has after the options screen with the given challenge.
int CashAfterOptions(int challenge) {
  testing_support::Game game;
  game.program.Form1().TitleChoice = 1;
  game.Tick();
  game.program.Career.Challenge = challenge;
  game.Press(400, 560);
  return game.program.Career.Cash;
}

TEST(HelpTexts, TheOptionsTopicQuotesTheStartMoneyTheOptionsScreenPays) {
  testing_support::Game game;
  game.program.Form1().TitleChoice = 1;
  game.Tick();
  const int start = game.program.Career.Cash;
  const int easy = CashAfterOptions(1);
  const int medium = CashAfterOptions(2);
  const int hard = CashAfterOptions(3);
  const std::string text = HelpText("options.txt");
  EXPECT_NE(text.find("Every team starts with " + Dollars(start)), std::string::npos);
  EXPECT_NE(text.find(Dollars(easy - start) + " on Easy, for " + Dollars(easy) + " in all"), std::string::npos);
  EXPECT_NE(text.find(Dollars(medium - start) + " on Medium, for " + Dollars(medium) + " in all"), std::string::npos);
  EXPECT_EQ(hard, start);
  EXPECT_NE(text.find("nothing on Hard, which leaves " + Dollars(hard)), std::string::npos);
}

}  // namespace
