// A fresh folder under the Windows temporary folder, removed with everything
// in it when the object goes, whether the test passed or failed.
#pragma once

#include <string>

class TempFolder {
public:
    explicit TempFolder(const char* tag = "tavix");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Folder path with a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Deletes a folder tree; used by TempFolder and by tests that clean up the
// per-user data folder.
void RemoveFolderTree(const std::string& folder);

// Whole content of a file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
