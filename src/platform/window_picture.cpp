#include "platform/window_picture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

// The frame is compared with the one on show in squares of this many pixels each way.
constexpr int kTile = 16;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

// A 0x00RRGGBB pixel with each channel in 16 bits of its own, so that one multiplication
// weighs all three: blue in bits 0..7, red in 16..23, green in 32..39.
constexpr std::uint64_t kChannels = 0x000000FF00FF00FF;
std::uint64_t Spread(std::uint32_t pixel) { return (pixel & 0xFF00FF) | (std::uint64_t{pixel & 0xFF00} << 24); }
std::uint32_t Gather(std::uint64_t spread) {
  return static_cast<std::uint32_t>((spread & 0xFF00FF) | ((spread >> 24) & 0xFF00));
}
// Between two spread pixels, weight/256 of the way from a to b.
std::uint64_t Mix(std::uint64_t a, std::uint64_t b, std::uint32_t weight) {
  return ((a * (256 - weight) + b * weight) >> 8) & kChannels;
}

bool Overlap(int from, int length, int other_from, int other_length, int& start, int& end) {
  start = std::max(from, other_from);
  end = std::min(from + length, other_from + other_length);
  return start < end;
}

}  // namespace

void WindowPicture::Fit(const Scaling& scaling) {
  if (fitted_ && scaling == scaling_) return;
  fitted_ = true;
  const core::WindowSize before = scaling_.GameArea();
  scaling_ = scaling;
  const core::WindowSize area = scaling_.GameArea();
  // The screen's picture stays in the middle until the screen shows its next one.
  frame_at_.x += area.width / 2 - before.width / 2;
  frame_at_.y += area.height / 2 - before.height / 2;
  scene_ = gfx::Picture(area.width, area.height);
  FindSamples();
  everything_ = true;
}

void WindowPicture::FindSamples() {
  columns_ = Samples(true);
  rows_ = Samples(false);
}

// A window pixel is blended from the game pixels either side of it, except across the edge
// of the screen's picture: the picture ends where the mouse says it ends, and the white
// beside it stays white.
std::vector<WindowPicture::Sample> WindowPicture::Samples(bool across) const {
  const int window_length = across ? scaling_.WindowWidth() : scaling_.WindowHeight();
  const int area_length = across ? scaling_.GameArea().width : scaling_.GameArea().height;
  const int frame_from = across ? frame_at_.x : frame_at_.y;
  const int frame_to = frame_from + (across ? frame_.Width() : frame_.Height());
  std::vector<Sample> samples(static_cast<std::size_t>(window_length));
  const int last = std::max(0, area_length - 1);
  for (int at = 0; at < window_length; ++at) {
    Sample& sample = samples[static_cast<std::size_t>(at)];
    if (scaling_.IsWhole()) {
      const gfx::Point game = scaling_.ToGame(at, at);
      sample.first = sample.second = std::clamp(across ? game.x : game.y, 0, last);
      continue;
    }
    // Game pixel k has its centre at k + 0.5: blend the two centres either side.
    const double position = (across ? scaling_.GameX(at) : scaling_.GameY(at)) - 0.5;
    const double left = std::floor(position);
    sample.first = std::clamp(static_cast<int>(left), 0, last);
    sample.second = std::clamp(static_cast<int>(left) + 1, 0, last);
    sample.weight = static_cast<std::uint32_t>(std::lround((position - left) * 256));
    const int edge = static_cast<int>(left) + 1;
    if (have_frame_ && (edge == frame_from || edge == frame_to)) {
      const bool before_edge = position + 0.5 < edge;
      sample.first = sample.second = before_edge ? sample.first : sample.second;
      sample.weight = 0;
    }
  }
  return samples;
}

void WindowPicture::ShowFrame(const gfx::Picture& frame, gfx::Point at) {
  const bool same_place = have_frame_ && at.x == frame_at_.x && at.y == frame_at_.y &&
                          frame.Width() == frame_.Width() && frame.Height() == frame_.Height();
  if (!same_place) {
    if (have_frame_) changed_.push_back({frame_at_.x, frame_at_.y, frame_.Width(), frame_.Height()});
    changed_.push_back({at.x, at.y, frame.Width(), frame.Height()});
    frame_ = frame;
    frame_at_ = at;
    have_frame_ = true;
    FindSamples();
    return;
  }
  FindChangedTiles(frame);
}

// Rows that differ are looked at tile by tile; a run of changed tiles in a band of rows
// becomes one rectangle, or lengthens the rectangle of the band above that it continues.
void WindowPicture::FindChangedTiles(const gfx::Picture& frame) {
  const int width = frame.Width(), height = frame.Height();
  const int tiles_across = (width + kTile - 1) / kTile;
  std::vector<bool> changed_tile(static_cast<std::size_t>(tiles_across));
  std::vector<std::size_t> open, still_open;
  for (int band = 0; band < height; band += kTile) {
    std::fill(changed_tile.begin(), changed_tile.end(), false);
    const int band_end = std::min(height, band + kTile);
    for (int y = band; y < band_end; ++y) {
      const std::uint32_t* fresh = frame.Row(y);
      std::uint32_t* shown = frame_.Row(y);
      if (std::memcmp(fresh, shown, sizeof(std::uint32_t) * static_cast<std::size_t>(width)) == 0) continue;
      for (int tile = 0; tile < tiles_across; ++tile) {
        const int from = tile * kTile, length = std::min(kTile, width - from);
        if (!changed_tile[static_cast<std::size_t>(tile)] &&
            std::memcmp(fresh + from, shown + from, sizeof(std::uint32_t) * static_cast<std::size_t>(length)) != 0) {
          changed_tile[static_cast<std::size_t>(tile)] = true;
        }
      }
      std::memcpy(shown, fresh, sizeof(std::uint32_t) * static_cast<std::size_t>(width));
    }
    still_open.clear();
    for (int tile = 0; tile < tiles_across;) {
      if (!changed_tile[static_cast<std::size_t>(tile)]) {
        ++tile;
        continue;
      }
      const int first = tile;
      while (tile < tiles_across && changed_tile[static_cast<std::size_t>(tile)]) ++tile;
      const GameRect run{frame_at_.x + first * kTile, frame_at_.y + band, std::min(tile * kTile, width) - first * kTile,
                         band_end - band};
      const auto above = std::find_if(open.begin(), open.end(), [&](std::size_t i) {
        return changed_[i].x == run.x && changed_[i].width == run.width;
      });
      if (above != open.end()) {
        changed_[*above].height += run.height;
        still_open.push_back(*above);
      } else {
        still_open.push_back(changed_.size());
        changed_.push_back(run);
      }
    }
    std::swap(open, still_open);
  }
}

void WindowPicture::ShowBox(const gfx::Picture* box, gfx::Point at) {
  const bool same = box ? box_ && box_at_.x == at.x && box_at_.y == at.y && box_->Width() == box->Width() &&
                              box_->Height() == box->Height() && box_->Pixels() == box->Pixels()
                        : !box_;
  if (same) return;
  if (box_) changed_.push_back({box_at_.x, box_at_.y, box_->Width(), box_->Height()});
  if (box) {
    box_ = *box;
    box_at_ = at;
    changed_.push_back({at.x, at.y, box->Width(), box->Height()});
  } else {
    box_.reset();
  }
}

void WindowPicture::Compose(const GameRect& part) {
  int left = 0, right = 0, top = 0, bottom = 0;
  if (!Overlap(part.x, part.width, 0, scene_.Width(), left, right) ||
      !Overlap(part.y, part.height, 0, scene_.Height(), top, bottom)) {
    return;
  }
  const auto paste = [&](const gfx::Picture& picture, gfx::Point at, int y) {
    int from = 0, to = 0;
    if (y < at.y || y >= at.y + picture.Height() || !Overlap(left, right - left, at.x, picture.Width(), from, to)) return;
    std::memcpy(scene_.Row(y) + from, picture.Row(y - at.y) + (from - at.x),
                sizeof(std::uint32_t) * static_cast<std::size_t>(to - from));
  };
  for (int y = top; y < bottom; ++y) {
    std::fill(scene_.Row(y) + left, scene_.Row(y) + right, kWhite);
    if (have_frame_) paste(frame_, frame_at_, y);
    if (box_) paste(*box_, box_at_, y);
  }
}

std::vector<WindowRect> WindowPicture::Paint(std::uint32_t* window_pixels, int pitch) {
  std::vector<WindowRect> drawn;
  if (!fitted_) return drawn;
  if (everything_) {
    changed_.clear();
    Compose({0, 0, scene_.Width(), scene_.Height()});
    drawn.push_back({0, 0, scaling_.WindowWidth(), scaling_.WindowHeight()});
    Draw(drawn.back(), window_pixels, pitch);
    everything_ = false;
    return drawn;
  }
  // A filtered window pixel also takes from the game pixels beside the one under it.
  const int reach = scaling_.IsWhole() ? 0 : 1;
  for (const GameRect& part : changed_) Compose(part);
  for (const GameRect& part : changed_) {
    const WindowRect on_window =
        scaling_.Covering(part.x - reach, part.y - reach, part.width + 2 * reach, part.height + 2 * reach);
    if (on_window.width == 0 || on_window.height == 0) continue;
    Draw(on_window, window_pixels, pitch);
    drawn.push_back(on_window);
  }
  changed_.clear();
  return drawn;
}

// Each window row is blended first from the two game rows either side of it, then each
// window pixel from the two blended game pixels either side of it.
void WindowPicture::Draw(const WindowRect& part, std::uint32_t* window_pixels, int pitch) {
  const Sample* columns = columns_.data() + part.x;
  const int first_column = columns[0].first, last_column = columns[part.width - 1].second;
  blended_.resize(static_cast<std::size_t>(scene_.Width()));
  for (int y = part.y; y < part.y + part.height; ++y) {
    const Sample& row = rows_[static_cast<std::size_t>(y)];
    const std::uint32_t* upper = scene_.Row(row.first);
    std::uint32_t* out = window_pixels + static_cast<std::ptrdiff_t>(y) * pitch + part.x;
    if (scaling_.IsWhole()) {
      for (int x = 0; x < part.width; ++x) out[x] = upper[columns[x].first];
      continue;
    }
    const std::uint32_t* lower = scene_.Row(row.second);
    for (int column = first_column; column <= last_column; ++column) {
      blended_[static_cast<std::size_t>(column)] = Mix(Spread(upper[column]), Spread(lower[column]), row.weight);
    }
    for (int x = 0; x < part.width; ++x) {
      const Sample& column = columns[x];
      out[x] = Gather(Mix(blended_[static_cast<std::size_t>(column.first)], blended_[static_cast<std::size_t>(column.second)],
                          column.weight));
    }
  }
}

}  // namespace platform
