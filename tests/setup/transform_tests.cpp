// The language transforms made by the build: applied by msi.dll to the
// shipped package, each must give exactly the translated package.
#include "setup_paths.h"

#include <windows.h>
#include <msiquery.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

class Handle {
public:
    Handle() = default;
    ~Handle() {
        if (handle_) MsiCloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    MSIHANDLE* Out() { return &handle_; }
    MSIHANDLE Get() const { return handle_; }

private:
    MSIHANDLE handle_ = 0;
};

std::wstring Text(MSIHANDLE record, UINT field) {
    wchar_t value[1024] = {};
    DWORD size = 1024;
    MsiRecordGetStringW(record, field, value, &size);
    return value;
}

// Every row of every table as text, binary columns left out.
std::map<std::wstring, std::vector<std::wstring>> Dump(MSIHANDLE database) {
    std::map<std::wstring, std::vector<std::wstring>> tables;
    Handle names;
    MsiDatabaseOpenViewW(database, L"SELECT `Name` FROM `_Tables`", names.Out());
    MsiViewExecute(names.Get(), 0);
    for (;;) {
        Handle name;
        if (MsiViewFetch(names.Get(), name.Out()) != ERROR_SUCCESS) break;
        const std::wstring table = Text(name.Get(), 1);
        Handle view, types;
        MsiDatabaseOpenViewW(database, (L"SELECT * FROM `" + table + L"`").c_str(), view.Out());
        MsiViewExecute(view.Get(), 0);
        MsiViewGetColumnInfo(view.Get(), MSICOLINFO_TYPES, types.Out());
        std::vector<std::wstring>& rows = tables[table];
        for (;;) {
            Handle row;
            if (MsiViewFetch(view.Get(), row.Out()) != ERROR_SUCCESS) break;
            std::wstring line;
            for (UINT i = 1; i <= MsiRecordGetFieldCount(row.Get()); ++i) {
                const std::wstring type = Text(types.Get(), i);
                line += (towlower(type[0]) == L'v' ? L"<binary>" : Text(row.Get(), i)) + L"|";
            }
            rows.push_back(line);
        }
        std::sort(rows.begin(), rows.end());
    }
    return tables;
}

std::string SummaryText(MSIHANDLE summary, UINT property) {
    UINT type = 0;
    INT number = 0;
    FILETIME time = {};
    char value[512] = {};
    DWORD size = sizeof value;
    MsiSummaryInfoGetPropertyA(summary, property, &type, &number, &time, value, &size);
    return value;
}

int SummaryNumber(MSIHANDLE summary, UINT property) {
    UINT type = 0;
    INT number = -1;
    FILETIME time = {};
    DWORD size = 0;
    MsiSummaryInfoGetPropertyA(summary, property, &type, &number, &time, nullptr, &size);
    return number;
}

class LanguageTransform : public testing::TestWithParam<const char*> {};

TEST_P(LanguageTransform, AppliedToTheShippedPackageGivesTheTranslatedOne) {
    const std::string language = GetParam();
    Handle base, translated;
    ASSERT_EQ(ERROR_SUCCESS, MsiOpenDatabaseA(ShippedPackage().c_str(), MSIDBOPEN_READONLY, base.Out()));
    ASSERT_EQ(ERROR_SUCCESS,
              MsiOpenDatabaseA(PackageFile("translated/" + language + ".msi").c_str(), MSIDBOPEN_READONLY,
                               translated.Out()));
    const auto before = Dump(base.Get());
    const auto expected = Dump(translated.Get());
    ASSERT_NE(before, expected);  // the packages really differ

    ASSERT_EQ(ERROR_SUCCESS, MsiDatabaseApplyTransformA(base.Get(), PackageFile(language + ".mst").c_str(), 0));
    EXPECT_EQ(expected, Dump(base.Get()));

    Handle view, record;
    ASSERT_EQ(ERROR_SUCCESS, MsiDatabaseOpenViewA(base.Get(),
                                                  "SELECT `Value` FROM `Property` WHERE `Property`='ProductLanguage'",
                                                  view.Out()));
    MsiViewExecute(view.Get(), 0);
    ASSERT_EQ(ERROR_SUCCESS, MsiViewFetch(view.Get(), record.Out()));
    EXPECT_EQ(std::wstring(language.begin(), language.end()), Text(record.Get(), 1));
}

TEST_P(LanguageTransform, SummaryNamesBaseAndResult) {
    const std::string language = GetParam();
    Handle summary;
    ASSERT_EQ(ERROR_SUCCESS,
              MsiGetSummaryInformationA(0, PackageFile(language + ".mst").c_str(), 0, summary.Out()));
    EXPECT_EQ("Transform", SummaryText(summary.Get(), 2));
    const std::string platform = TAVIX_PACKAGE_PLATFORM;
    EXPECT_EQ(platform + ";1033", SummaryText(summary.Get(), 7));
    EXPECT_EQ(platform + ";" + language, SummaryText(summary.Get(), 8));
    EXPECT_EQ("{6C1D2E7A-3B4F-4A58-9E21-7D0C5B3A9F14}1.02.0003;{6C1D2E7A-3B4F-4A58-9E21-7D0C5B3A9F14}1.02.0003;"
              "{0B6F1C3D-2E4A-4F7B-8C9D-1A2B3C4D5E6F}",
              SummaryText(summary.Get(), 9));
    EXPECT_EQ(200, SummaryNumber(summary.Get(), 14));
    EXPECT_EQ(MSITRANSFORM_VALIDATE_PRODUCT | MSITRANSFORM_VALIDATE_UPGRADECODE, SummaryNumber(summary.Get(), 16));
    EXPECT_EQ(1252, SummaryNumber(summary.Get(), 1));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTransform, testing::Values("1031", "1034", "1036", "1040"));

}  // namespace
