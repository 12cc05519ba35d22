#pragma once
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/picture.h"

namespace ui {

class Platform;

// Finds a picture written as the screens write it ("Images\exit.jpg", "images/check.jpg"):
// either slash, any letter case, in each folder in turn.
std::optional<std::filesystem::path> findPictureFile(
    std::string_view path, const std::vector<std::filesystem::path>& folders);

// Loads a picture. The empty path is no picture and succeeds. A missing or unreadable file
// fails (nullopt) and says so in one line on stderr, naming the file and the folders searched,
// the first time only.
std::optional<Picture> loadPicture(Platform& platform, std::string_view path);

}  // namespace ui
