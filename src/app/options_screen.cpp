#include "app/options_screen.h"

#include "app/program.h"
#include "team/team_building_screen.h"
#include "world/country_pictures.h"

namespace app {

using career::int32;
using core::Frame;
using core::MouseButton;
using core::Sound;
using world::CountryFlagImage;
using world::CountryLabelImage;
using world::kCountryCount;

namespace {

constexpr int kForm = 3;

constexpr int kChallengeLevels = 3;
constexpr int kWeatherChoices = 2;
constexpr int kTechLevels = 2;

// The option picture of each value; picture 0 does not exist, so a value out of range shows none.
constexpr int kChallengeImage[] = {0, 1, 2, 3};
constexpr int kWeatherImage[] = {0, 6, 7};
constexpr int kTechImage[] = {0, 4, 5};

template <std::size_t N>
int ImageOfValue(const int (&images)[N], int value) {
  return value >= 1 && value < static_cast<int>(N) ? images[value] : 0;
}

// After the last value comes the first again.
int32 NextInTurn(int32 value, int32 last) { return value + 1 > last ? 1 : value + 1; }

bool InOptionRows(int y) { return 270 < y && y < 500; }
bool OnChallenge(int x, int y) { return 0 < x && x < 200 && InOptionRows(y); }
bool OnWeather(int x, int y) { return 300 < x && x < 500 && InOptionRows(y); }
bool OnTechnology(int x, int y) { return 600 < x && x < 800 && InOptionRows(y); }
bool OnNext(int x, int y) { return 350 < x && x < 450 && 550 < y && y < 600; }
bool OnHomeCountry(int x, int y) { return 300 < x && x < 500 && 50 < y && y < 250; }

}  // namespace

TForm3::TForm3(Program& program) : world::Screen(program, kForm, "Options Screen"), program_(program) {}

void TForm3::Timer1Timer() {
  Frame frame(*this, &program_.Fonts());
  DrawOptions(frame.Canvas());
  frame.Copy();
}

void TForm3::DrawOptions(gfx::Canvas& canvas) const {
  const career::CareerRecord& career = program_.Career;
  const auto picture = [this](int image) { return program_.Picture(kForm, image); };
  canvas.Draw(180, 0, picture(11));
  canvas.Draw(300, 50, picture(CountryFlagImage(career.HomeCountry)));
  canvas.Draw(300, 220, picture(CountryLabelImage(career.HomeCountry)));
  canvas.Draw(0, 450, picture(8));
  canvas.Draw(300, 450, picture(10));
  canvas.Draw(600, 450, picture(9));
  canvas.Draw(350, 550, picture(13));
  canvas.Draw(0, 270, picture(ImageOfValue(kChallengeImage, career.Challenge)));
  canvas.Draw(300, 270, picture(ImageOfValue(kWeatherImage, career.WeatherAllowed)));
  canvas.Draw(600, 270, picture(ImageOfValue(kTechImage, career.TechLevel)));
}

void TForm3::Image12MouseDown(MouseButton, int x, int y) {
  career::CareerRecord& career = program_.Career;
  if (OnChallenge(x, y)) {
    career.Challenge = NextInTurn(career.Challenge, kChallengeLevels);
    program_.Sounds.Play(Sound::Click);
  }
  if (OnWeather(x, y)) {
    career.WeatherAllowed = NextInTurn(career.WeatherAllowed, kWeatherChoices);
    program_.Sounds.Play(Sound::Click);
  }
  if (OnTechnology(x, y)) {
    career.TechLevel = NextInTurn(career.TechLevel, kTechLevels);
    program_.Sounds.Play(Sound::Click);
  }
  if (OnNext(x, y)) LeaveForTeamBuilding();
  if (OnHomeCountry(x, y)) {
    career.HomeCountry = NextInTurn(career.HomeCountry, kCountryCount);
    program_.Sounds.Play(Sound::Click);
  }
}

void TForm3::LeaveForTeamBuilding() {
  program_.SwitchScreen(*this, program_.Form2());
  program_.Sounds.Play(Sound::Click);
  PayStartingBonus();
}

void TForm3::PayStartingBonus() {
  career::CareerRecord& career = program_.Career;
  if (career.Challenge == 1) career.Cash += 5000;
  if (career.Challenge == 2) career.Cash += 2500;
}

}  // namespace app
