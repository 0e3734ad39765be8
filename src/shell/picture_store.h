#pragma once
#include <map>
#include <string>
#include <utility>

#include "gfx/picture.h"

namespace shell {

// Every screen's pictures, loaded once at start-up from pictures/TFormN/ImageM.jpg as the
// list pictures/manifest.tsv names them.
class PictureStore {
 public:
  // Loads every listed picture; returns an error naming the first file that is missing,
  // unreadable or of the wrong size, or an empty string.
  std::string LoadAll(const std::string& pictures_folder);

  // The picture of a screen's component, or nothing when it does not exist.
  const gfx::Picture* Get(int form, int image) const;
  std::size_t Count() const { return pictures_.size(); }

  void Add(int form, int image, gfx::Picture picture);

 private:
  std::map<std::pair<int, int>, gfx::Picture> pictures_;
};

}  // namespace shell
