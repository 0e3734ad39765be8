#include "shell/picture_store.h"

#include <fstream>
#include <sstream>

namespace shell {

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
    auto picture = gfx::Picture::FromJpegFile(file);
    if (!picture) return "Cannot load the picture " + file;
    if (picture->Width() != line.width || picture->Height() != line.height) {
      return "The picture " + file + " is " + std::to_string(picture->Width()) + " x " +
             std::to_string(picture->Height()) + " instead of " + std::to_string(line.width) + " x " +
             std::to_string(line.height);
    }
    Add(line.form, line.image, std::move(*picture));
  }
  return {};
}

const gfx::Picture* PictureStore::Get(int form, int image) const {
  const auto found = pictures_.find({form, image});
  return found == pictures_.end() ? nullptr : &found->second;
}

void PictureStore::Add(int form, int image, gfx::Picture picture) { pictures_[{form, image}] = std::move(picture); }

}  // namespace shell
