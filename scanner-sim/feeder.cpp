#include "feeder.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "bitmap_sheet.h"
#include "test_page_sheet.h"

namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Upper(x) < Upper(y); });
}

bool HasBitmapExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = Upper(c);
    return ext == ".BMP";
}

// Bitmap files of a folder, sorted by name. False when the folder cannot be listed.
bool ListBitmaps(const std::string& folder, std::vector<std::string>& paths) {
    std::string base = folder;
    if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA((base + "*").c_str(), &data));
    if (!find.Valid()) return GetLastError() == ERROR_FILE_NOT_FOUND;
    std::vector<std::string> names;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (HasBitmapExtension(data.cFileName)) names.push_back(data.cFileName);
    } while (FindNextFileA(find.Get(), &data));
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    for (const std::string& name : names) paths.push_back(base + name);
    return true;
}

}  // namespace

void Feeder::Load(const ScannerConfig& config, std::string& note) {
    sheets_.clear();
    note.clear();
    if (config.source == PaperSource::TestPage) {
        for (int32_t i = 0; i < config.sheets; ++i)
            sheets_.push_back({std::string(), {config.sheetWidth, config.sheetLength}});
        return;
    }
    std::vector<std::string> paths;
    if (config.folder.empty() || !ListBitmaps(config.folder, paths)) {
        note = "folder cannot be listed: " + config.folder;
        return;
    }
    for (const std::string& path : paths) sheets_.push_back({path, {0, 0}});
    note = std::to_string(paths.size()) + " bitmap files in " + config.folder;
}

bool Feeder::Eject() {
    if (sheets_.empty()) return false;
    sheets_.pop_front();
    return true;
}

std::unique_ptr<PaperSheet> Feeder::OpenCurrent(std::string& error) const {
    if (sheets_.empty()) {
        error = "no paper";
        return nullptr;
    }
    const Slot& slot = sheets_.front();
    if (slot.bitmapPath.empty()) return std::make_unique<TestPageSheet>(slot.size);
    BmpImage image;
    std::string why;
    if (!LoadBmpImage(slot.bitmapPath, image, why)) {
        error = "unreadable sheet " + slot.bitmapPath + ": " + why;
        return nullptr;
    }
    return std::make_unique<BitmapSheet>(std::move(image));
}
