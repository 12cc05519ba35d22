#include "ui/picture_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <system_error>

#include "ui/platform.h"

namespace fs = std::filesystem;

namespace ui {

namespace {

std::vector<std::string> pathParts(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char ch : path) {
        if (ch == '\\' || ch == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part += ch;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The entry of `dir` named `part`, the exact spelling first, else any letter case.
std::optional<fs::path> entryIgnoringCase(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    if (fs::exists(dir / part, ec)) return dir / part;
    const std::string wanted = lowered(part);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (lowered(it->path().filename().string()) == wanted) return it->path();
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> findPictureFile(std::string_view path,
                                        const std::vector<fs::path>& folders) {
    const std::vector<std::string> parts = pathParts(path);
    if (parts.empty() ||
        std::any_of(parts.begin(), parts.end(), [](const auto& p) { return p == ".."; }))
        return std::nullopt;
    for (const fs::path& folder : folders) {
        std::optional<fs::path> at = folder;
        for (const std::string& part : parts) {
            at = entryIgnoringCase(*at, part);
            if (!at) break;
        }
        std::error_code ec;
        if (at && fs::is_regular_file(*at, ec)) return at;
    }
    return std::nullopt;
}

std::optional<Picture> loadPicture(Platform& platform, std::string_view path) {
    if (path.empty()) return Picture{};
    const std::vector<fs::path> folders = platform.pictureFolders();
    const std::optional<fs::path> file = findPictureFile(path, folders);
    if (file) {
        if (Picture picture = platform.sharedPicture(*file)) return picture;
    }
    std::string written;  // one spelling for "Images\exit.jpg" and "images/EXIT.jpg"
    for (const std::string& part : pathParts(path)) written.append("/").append(lowered(part));
    if (!platform.firstFailureOf(written)) return std::nullopt;
    std::string searched;
    for (const fs::path& f : folders) searched += (searched.empty() ? "" : ", ") + f.string();
    // Said with stdio: iostreams would add 100 KB to the page's code.
    const std::string what = file ? "is unreadable (" + file->string() + ")" : "not found";
    std::fprintf(stderr, "quillon: picture \"%.*s\" %s; searched %s\n", int(path.size()),
                 path.data(), what.c_str(), searched.c_str());
    return std::nullopt;
}

}  // namespace ui
