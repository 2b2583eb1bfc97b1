#include "package_facts.h"

#include "msi_handle.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Property(MSIHANDLE database, const char* name) {
    const std::string query = std::string("SELECT `Value` FROM `Property` WHERE `Property`='") + name + "'";
    MsiHandle view, record;
    if (MsiDatabaseOpenViewA(database, query.c_str(), view.Out()) != ERROR_SUCCESS) return std::string();
    if (MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS) return std::string();
    if (MsiViewFetch(view.Get(), record.Out()) != ERROR_SUCCESS) return std::string();
    char value[256] = {};
    DWORD size = sizeof value;
    if (MsiRecordGetStringA(record.Get(), 1, value, &size) != ERROR_SUCCESS) return std::string();
    return value;
}

// msi.dll has no call for a database's code page; its export of the
// _ForceCodepage table carries it on the line that names the table.
bool ReadCodepage(MSIHANDLE database, std::uint32_t& codepage) {
    char folder[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, folder) == 0) return false;
    char name[64];
    std::snprintf(name, sizeof name, "mstgen-%lu.idt", GetCurrentProcessId());
    if (MsiDatabaseExportA(database, "_ForceCodepage", folder, name) != ERROR_SUCCESS) return false;
    const std::string path = std::string(folder) + name;
    std::string content;
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        content = text.str();
    }
    DeleteFileA(path.c_str());
    const std::size_t tag = content.find("\t_ForceCodepage");
    if (tag == std::string::npos) return false;
    const std::size_t start = content.rfind('\n', tag);
    codepage = static_cast<std::uint32_t>(
        std::strtoul(content.c_str() + (start == std::string::npos ? 0 : start + 1), nullptr, 10));
    return true;
}

}  // namespace

bool ReadPackageFacts(MSIHANDLE database, PackageFacts& facts, std::wstring& reason) {
    if (!ReadCodepage(database, facts.codepage)) {
        reason = L"cannot read the code page";
        return false;
    }
    MsiHandle summary;
    if (MsiGetSummaryInformationA(database, nullptr, 0, summary.Out()) != ERROR_SUCCESS) {
        reason = L"cannot read the summary information";
        return false;
    }
    UINT type = 0;
    INT number = 0;
    FILETIME time = {};
    char text[256] = {};
    DWORD size = sizeof text;
    if (MsiSummaryInfoGetPropertyA(summary.Get(), PIDSI_TEMPLATE, &type, &number, &time, text, &size) !=
        ERROR_SUCCESS) {
        reason = L"package without a template";
        return false;
    }
    facts.templateText = text;
    size = 0;
    if (MsiSummaryInfoGetPropertyA(summary.Get(), PIDSI_PAGECOUNT, &type, &number, &time, nullptr, &size) ==
        ERROR_SUCCESS) {
        facts.installerVersion = number;
    }
    facts.productCode = Property(database, "ProductCode");
    facts.productVersion = Property(database, "ProductVersion");
    facts.upgradeCode = Property(database, "UpgradeCode");
    facts.productLanguage = Property(database, "ProductLanguage");
    if (facts.productCode.empty() || facts.productVersion.empty()) {
        reason = L"package without a product code or version";
        return false;
    }
    return true;
}
