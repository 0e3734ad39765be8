#include "core/picture_store.h"

#include <fstream>
#include <sstream>

namespace core {

namespace {

struct ManifestLine {
  int form = 0;
  int image = 0;
  int width = 0;
  int height = 0;
};

// "TForm4\tImage2\t299\t40\t..." ; nothing for the header or a malformed line.
bool ParseManifestLine(const std::string& line, ManifestLine& out) {
  std::istringstream fields(line);
  std::string form, image;
  if (!std::getline(fields, form, '\t') || !std::getline(fields, image, '\t')) return false;
  if (form.rfind("TForm", 0) != 0 || image.rfind("Image", 0) != 0) return false;
  try {
    out.form = std::stoi(form.substr(5));
    out.image = std::stoi(image.substr(5));
  } catch (const std::exception&) {
    return false;
  }
  return static_cast<bool>(fields >> out.width >> out.height);
}

std::string PictureFile(const std::string& folder, const ManifestLine& line) {
  return folder + "/TForm" + std::to_string(line.form) + "/Image" + std::to_string(line.image) + ".jpg";
}

}  // namespace

std::string PictureStore::LoadAll(const std::string& pictures_folder) {
  const std::string manifest_path = pictures_folder + "/manifest.tsv";
  std::ifstream manifest(manifest_path);
  if (!manifest) return "Cannot open the picture list " + manifest_path;
  std::string text;
  while (std::getline(manifest, text)) {
    ManifestLine line;
    if (!ParseManifestLine(text, line)) continue;
    const std::string file = PictureFile(pictures_folder, line);
    auto jpeg = gfx::ReadFileBytes(file);
    const auto size = jpeg && gfx::JpegEndsWhole(*jpeg) ? gfx::JpegSize(*jpeg) : std::nullopt;
    if (!size) return "Cannot load the picture " + file;
    if (size->width != line.width || size->height != line.height) {
      return "The picture " + file + " is " + std::to_string(size->width) + " x " + std::to_string(size->height) +
             " instead of " + std::to_string(line.width) + " x " + std::to_string(line.height);
    }
    AddJpeg(line.form, line.image, std::move(*jpeg), file);
  }
  return {};
}

namespace {

std::size_t BytesOf(const gfx::Picture& picture) { return picture.Pixels().size() * sizeof(std::uint32_t); }

}  // namespace

const gfx::Picture* PictureStore::Get(int form, int image) const {
  const auto found = pictures_.find({form, image});
  if (found == pictures_.end()) return nullptr;
  const Entry& entry = found->second;
  entry.last_use = ++uses_;
  if (entry.damaged) return nullptr;
  if (!entry.decoded) {
    entry.decoded = gfx::Picture::FromJpeg(entry.jpeg);
    if (!entry.decoded) {
      entry.damaged = true;
      newly_damaged_.push_back(entry.file);
      return nullptr;
    }
    decoded_bytes_ += BytesOf(*entry.decoded);
  }
  return &*entry.decoded;
}

void PictureStore::Add(int form, int image, gfx::Picture picture) {
  AddJpeg(form, image, {});
  Entry& entry = pictures_[{form, image}];
  decoded_bytes_ += BytesOf(picture);
  entry.decoded = std::move(picture);
}

void PictureStore::AddJpeg(int form, int image, std::vector<std::uint8_t> jpeg, std::string file) {
  Entry& entry = pictures_[{form, image}];
  if (entry.decoded) decoded_bytes_ -= BytesOf(*entry.decoded);
  entry.decoded.reset();
  entry.damaged = false;
  entry.jpeg = std::move(jpeg);
  entry.file = std::move(file);
}

void PictureStore::Trim() const {
  while (decoded_bytes_ > budget_) {
    const Entry* oldest = nullptr;
    for (const auto& [key, entry] : pictures_) {
      if (entry.decoded && !entry.jpeg.empty() && (!oldest || entry.last_use < oldest->last_use)) oldest = &entry;
    }
    if (!oldest) return;
    decoded_bytes_ -= BytesOf(*oldest->decoded);
    oldest->decoded.reset();
  }
}

}  // namespace core
