#include "world/world.h"

#include <exception>

#include "career/io_error.h"

namespace world {

World::World(core::Host& host, std::shared_ptr<gfx::FontLibrary> fonts)
    : Career(career::EmptyCareerRecord()), Sounds(host.Audio()), host_(host), fonts_(std::move(fonts)) {}

World::~World() = default;

void World::EnableTick(core::Screen& screen) {
  if (screen.Timer1.Enabled) return;
  screen.Timer1.Enabled = true;
  screen.Timer1.Due = now_ + static_cast<std::uint64_t>(screen.Timer1.Interval);
}

void World::DisableTick(core::Screen& screen) { screen.Timer1.Enabled = false; }

void World::SwitchScreen(core::Screen& from, core::Screen& to) {
  DisableTick(from);
  EnableTick(to);
  to.Show();
  from.Hide();
}

core::Screen* World::VisibleScreen() const {
  core::Screen* shown = nullptr;
  for (core::Screen* screen : screens_) {
    if (screen->Visible() && (!shown || screen->ShownSerial() > shown->ShownSerial())) shown = screen;
  }
  return shown;
}

void World::Guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const career::IoError& error) {
    ReportError(error.what());
  } catch (const std::exception& error) {
    ReportError(error.what());
  }
}

void World::SaveCareer() { career_file_.Save(Career, WorkingFolder()); }
void World::LoadCareer() { career_file_.Load(Career, WorkingFolder()); }

}  // namespace world
