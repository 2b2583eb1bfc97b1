// Scans through Wine's TWAIN manager with the command-line client: the data
// source is installed where the manager looks for it, the virtual scanner
// where the source loads it, and every test gets its own folder, scanner
// control file and call log.
#pragma once

#include "e2e/client_run.h"
#include "e2e/scanner_replay.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ClientScanTest : public testing::Test {
protected:
    // The scanner's control keys for the next run.
    void Scanner(const std::string& key, const std::string& value) { scanner_.emplace_back(key, value); }

    // Runs the client with `arguments` plus --out naming this test's folder.
    ClientResult Run(std::vector<std::string> arguments, ClientRunOptions options = {});

    // The output file of page `number`, as the client names it.
    std::string PagePath(int number) const;
    std::string ScannerLog() const;

    // Page `number` of the last run matches, pixel for pixel, the first
    // `length` rows of the scanner's page of the same number, and its file
    // has `bits` bits per pixel and is stored bottom-up.
    testing::AssertionResult PageMatchesScanner(int number, int32_t length, int bits) const;

    TempFolder folder_{"tavix-e2e"};
    ScannerSettingList scanner_;
};

// The TWAIN Working Group's TWAINDSM.DLL for the tested build's kind, as the
// client names it, or empty when the release is not beside the repository.
std::string Twain2ManagerFile();
// `arguments` with the client told to load that manager.
std::vector<std::string> ThroughTwain2Manager(std::vector<std::string> arguments);
// Skips the test, one line said, when that manager is not there.
#define SKIP_WITHOUT_TWAIN2_MANAGER()                                             \
    do {                                                                          \
        if (Twain2ManagerFile().empty()) {                                        \
            GTEST_SKIP() << "TWAINDSM.DLL 2.4.3 is not beside the repository";    \
        }                                                                         \
    } while (false)

// The client's output holds a line that starts with `prefix`.
testing::AssertionResult HasLine(const ClientResult& result, const std::string& prefix);
