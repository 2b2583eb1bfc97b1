#include "e2e/client_scan_test.h"

#include "e2e/page_pixels.h"

#include <windows.h>

namespace {

// Copies the data source and the scanner library of the tested build into
// the prefix for the whole program and takes them out again at its end.
class InstalledSource : public testing::Environment {
public:
    void SetUp() override {
        const ScanBuild& build = TestedBuild();
        ASSERT_TRUE(build.error.empty()) << build.error;
        // Wine's manager looks only for this file, in the folder of its kind.
        CreateDirectoryA(build.sourceFolder.c_str(), nullptr);
        source_ = build.sourceFolder + "\\sane.ds";
        library_ = build.libraryFolder + "\\BRSVIO.DLL";
        ASSERT_TRUE(CopyFileA(build.source.c_str(), source_.c_str(), FALSE))
            << "installing the data source as " << source_ << ": error " << GetLastError();
        ASSERT_TRUE(CopyFileA(build.scannerLibrary.c_str(), library_.c_str(), FALSE))
            << "installing the scanner library as " << library_ << ": error " << GetLastError();
    }
    void TearDown() override {
        if (!source_.empty()) DeleteFileA(source_.c_str());
        if (!library_.empty()) DeleteFileA(library_.c_str());
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
    // A 32-bit client can load only the 32-bit source and scanner library.
    if (result.started) {
        EXPECT_EQ(result.ranAs32Bit, TestedBuild().machine == IMAGE_FILE_MACHINE_I386)
            << "the " << TestedBuild().arch << " client ran as a " << (result.ranAs32Bit ? 32 : 64)
            << "-bit process";
    }
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

std::string Twain2ManagerFile() {
    const std::string folder = TAVIX_TWAINDSM_DIR;
    if (folder.empty()) return std::string();
    const std::string file = "Z:" + folder + "/" + TestedBuild().arch + "/TWAINDSM.dll";
    return GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string() : file;
}

std::vector<std::string> ThroughTwain2Manager(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--manager", Twain2ManagerFile()});
    return arguments;
}

testing::AssertionResult HasLine(const ClientResult& result, const std::string& prefix) {
    if (!LinesStartingWith(result.output, prefix).empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no line starting with \"" << prefix << "\"";
}
