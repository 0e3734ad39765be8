#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gfx/picture.h"

namespace core {

// Every screen's pictures, read once at start-up from pictures/TFormN/ImageM.jpg as the
// list pictures/manifest.tsv names them. They are kept as the JPEG files hold them and
// decoded when a screen first draws them; the decoded ones that no screen has drawn for a
// while are let go between ticks once they take more room than the budget.
class PictureStore {
 public:
  static constexpr std::size_t kDefaultDecodedBudget = 16u << 20;

  explicit PictureStore(std::size_t decoded_budget = kDefaultDecodedBudget) : budget_(decoded_budget) {}

  // Reads every listed picture; returns an error naming the first file that is missing, cut
  // short, not a JPEG or of the wrong size, or an empty string.
  std::string LoadAll(const std::string& pictures_folder);

  // The picture of a screen's component, or nothing when it does not exist or cannot be
  // decoded. The picture stays in place at least until the next Trim. A picture that cannot
  // be decoded is tried once and then told by TakeDamaged.
  const gfx::Picture* Get(int form, int image) const;
  std::size_t Count() const { return pictures_.size(); }

  void Add(int form, int image, gfx::Picture picture);
  // `file` names the picture in the error of a damaged one.
  void AddJpeg(int form, int image, std::vector<std::uint8_t> jpeg, std::string file = {});

  // The files of the pictures found damaged since the last call, each told once.
  std::vector<std::string> TakeDamaged() const { return std::exchange(newly_damaged_, {}); }

  // Lets go of the decoded pictures used longest ago until the rest fit the budget; called
  // between ticks, when no screen holds a picture.
  void Trim() const;
  std::size_t DecodedBytes() const { return decoded_bytes_; }

 private:
  struct Entry {
    std::vector<std::uint8_t> jpeg;  // empty for a picture added decoded, which is never let go
    std::string file;
    mutable bool damaged = false;
    mutable std::optional<gfx::Picture> decoded;
    mutable std::uint64_t last_use = 0;
  };

  std::map<std::pair<int, int>, Entry> pictures_;
  std::size_t budget_;
  mutable std::size_t decoded_bytes_ = 0;
  mutable std::uint64_t uses_ = 0;
  mutable std::vector<std::string> newly_damaged_;
};

}  // namespace core
