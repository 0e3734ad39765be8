#include "gfx/page_pool.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace gfx {

namespace {

constexpr std::size_t kPagesKept = 40;

std::vector<Picture>& KeptPages() {
  // Never destroyed: a screen may outlive the other statics at the program's exit.
  static auto* const pages = new std::vector<Picture>;
  return *pages;
}

}  // namespace

Picture UsedOrNewPage(int width, int height) {
  std::vector<Picture>& pages = KeptPages();
  const auto same_size = std::find_if(pages.begin(), pages.end(), [&](const Picture& page) { return page.Width() == width && page.Height() == height; });
  if (same_size == pages.end()) return Picture(width, height);
  Picture page = std::move(*same_size);
  pages.erase(same_size);
  return page;
}

void GiveBackPage(Picture page) {
  std::vector<Picture>& pages = KeptPages();
  if (page.Width() > 0 && pages.size() < kPagesKept) pages.push_back(std::move(page));
}

}  // namespace gfx
