#include "e2e/client_scan_test.h"

#include "e2e/page_pixels.h"
#include "support/build_tree.h"

#include <windows.h>

namespace {

// Copies the data source and the scanner library into the prefix for the
// whole program and takes them out again at its end.
class InstalledSource : public testing::Environment {
public:
    void SetUp() override {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        const std::string root(windows);
        // Wine's 64-bit manager looks only for this file in this folder.
        CreateDirectoryA((root + "\\twain_64").c_str(), nullptr);
        source_ = root + "\\twain_64\\sane.ds";
        library_ = root + "\\system32\\BRSVIO.DLL";
        ASSERT_TRUE(CopyFileA(BuildTreePath("bin/TAVIXSRC.ds").c_str(), source_.c_str(), FALSE))
            << "installing the data source as " << source_ << ": error " << GetLastError();
        ASSERT_TRUE(CopyFileA(BuildTreePath("bin/scanner/BRSVIO.DLL").c_str(), library_.c_str(), FALSE))
            << "installing the scanner library as " << library_ << ": error " << GetLastError();
    }
    void TearDown() override {
        DeleteFileA(source_.c_str());
        DeleteFileA(library_.c_str());
    }

private:
    std::string source_;
    std::string library_;
};

testing::Environment* const installed = testing::AddGlobalTestEnvironment(new InstalledSource);

}  // namespace

ClientResult ClientScanTest::Run(std::vector<std::string> arguments, ClientRunOptions options) {
    std::string control = "[scanner]\r\n";
    for (const auto& setting : scanner_) control += setting.first + "=" + setting.second + "\r\n";
    WriteWholeFile(folder_.File("scanner.ini"), control);
    DeleteFileA(folder_.File("scanner.log").c_str());
    arguments.push_back("--out");
    arguments.push_back(folder_.File("page"));
    options.arguments = arguments;
    options.scannerControlFile = folder_.File("scanner.ini");
    options.scannerLogFile = folder_.File("scanner.log");
    ClientResult result = RunClient(options);
    // Shown with the failures of the test that follows.
    std::printf("--- client output:\n%s", result.output.c_str());
    for (const SeenMessageBox& box : result.messageBoxes)
        std::printf("--- message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    return result;
}

std::string ClientScanTest::PagePath(int number) const {
    return folder_.File("page-" + std::to_string(number) + ".bmp");
}

std::string ClientScanTest::ScannerLog() const { return ReadWholeFile(folder_.File("scanner.log")); }

testing::AssertionResult ClientScanTest::PageMatchesScanner(int number, int32_t length, int bits) const {
    std::vector<ReplayedPage> pages;
    std::string error;
    if (!ReplayScannerLog(ScannerLog(), scanner_, pages, error))
        return testing::AssertionFailure() << "replaying the scanner: " << error;
    if (number < 1 || static_cast<size_t>(number) > pages.size())
        return testing::AssertionFailure() << "the scanner started " << pages.size() << " page(s)";
    const std::string bytes = ReadWholeFile(PagePath(number));
    BitmapHeaderFacts facts;
    if (!ReadBitmapHeaderFacts(bytes, facts))
        return testing::AssertionFailure() << PagePath(number) << " is no bitmap file";
    if (facts.bitsPerPixel != bits || facts.height <= 0)
        return testing::AssertionFailure() << "the file has " << facts.bitsPerPixel
                                           << " bits per pixel and height " << facts.height;
    BmpImage image;
    if (!DecodeBmpImage(std::vector<unsigned char>(bytes.begin(), bytes.end()), image, error))
        return testing::AssertionFailure() << "decoding " << PagePath(number) << ": " << error;
    const std::string difference = PixelDifference(image, pages[number - 1], length);
    if (!difference.empty()) return testing::AssertionFailure() << "page " << number << ": " << difference;
    return testing::AssertionSuccess();
}

testing::AssertionResult HasLine(const ClientResult& result, const std::string& prefix) {
    if (!LinesStartingWith(result.output, prefix).empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no line starting with \"" << prefix << "\"";
}
