// mstgen: makes the language transforms of the setup package. The build
// runs it under Wine, whose msi.dll reads and applies transforms but cannot
// generate them, so the differences between the base package and a
// translated one are encoded here.
//
//   mstgen BASE.msi TRANSLATED.msi OUT.mst [BASE.msi TRANSLATED.msi OUT.mst ...]
#include "msi_table.h"
#include "package_facts.h"
#include "stream_name.h"
#include "table_diff.h"
#include "transform_encoder.h"
#include "transform_storage.h"

#include <algorithm>
#include <cstdio>

namespace {

bool SameColumns(const MsiTable& a, const MsiTable& b) {
    if (a.columns.size() != b.columns.size()) return false;
    for (std::size_t i = 0; i < a.columns.size(); ++i) {
        if (a.columns[i].name != b.columns[i].name || a.columns[i].type != b.columns[i].type ||
            a.columns[i].key != b.columns[i].key) {
            return false;
        }
    }
    return true;
}

std::string Product(const PackageFacts& facts) { return facts.productCode + facts.productVersion; }

// "platform;language" of what the transform produces. The language is the
// translated package's ProductLanguage: wixl writes 1033 into every
// package's template.
std::string ResultTemplate(const PackageFacts& facts) {
    return facts.templateText.substr(0, facts.templateText.find(';')) + ";" + facts.productLanguage;
}

bool MakeTransform(const wchar_t* basePath, const wchar_t* targetPath, const wchar_t* outPath, std::wstring& reason) {
    MsiHandle base, target;
    if (MsiOpenDatabaseW(basePath, reinterpret_cast<LPCWSTR>(MSIDBOPEN_READONLY), base.Out()) != ERROR_SUCCESS ||
        MsiOpenDatabaseW(targetPath, reinterpret_cast<LPCWSTR>(MSIDBOPEN_READONLY), target.Out()) != ERROR_SUCCESS) {
        reason = L"cannot open the packages";
        return false;
    }
    PackageFacts baseFacts, targetFacts;
    if (!ReadPackageFacts(base.Get(), baseFacts, reason) || !ReadPackageFacts(target.Get(), targetFacts, reason)) {
        return false;
    }
    if (baseFacts.codepage != targetFacts.codepage) {
        reason = L"the packages differ in their code page";
        return false;
    }

    std::vector<std::wstring> baseTables, targetTables;
    if (!ReadTableNames(base.Get(), baseTables) || !ReadTableNames(target.Get(), targetTables)) {
        reason = L"cannot list the tables";
        return false;
    }
    // Language transforms change rows only; a schema change is refused.
    if (baseTables != targetTables) {
        reason = L"the packages differ in their tables";
        return false;
    }

    TransformEncoder encoder(baseFacts.codepage);
    std::vector<NamedStream> streams;
    for (const std::wstring& name : baseTables) {
        // The transform rows point into these tables until they are encoded.
        MsiTable from, to;
        if (!ReadTable(base.Get(), name, from) || !ReadTable(target.Get(), name, to)) {
            reason = L"cannot read table " + name;
            return false;
        }
        if (!SameColumns(from, to)) {
            reason = L"the packages differ in the columns of " + name;
            return false;
        }
        std::vector<TransformRow> rows;
        if (!DiffTable(from, to, rows, reason)) return false;
        if (rows.empty()) continue;
        std::string bytes;
        if (!encoder.EncodeTable(from, rows, bytes, reason)) return false;
        streams.emplace_back(EncodeTableStreamName(name), bytes);
    }
    streams.emplace_back(EncodeTableStreamName(L"_StringPool"), encoder.StringPool());
    streams.emplace_back(EncodeTableStreamName(L"_StringData"), encoder.StringData());

    TransformSummary summary;
    summary.codepage = static_cast<std::int16_t>(baseFacts.codepage);
    summary.baseTemplate = baseFacts.templateText;
    summary.targetTemplate = ResultTemplate(targetFacts);
    summary.revision = Product(baseFacts) + ";" + Product(targetFacts) + ";" + baseFacts.upgradeCode;
    summary.installerVersion = std::max(baseFacts.installerVersion, targetFacts.installerVersion);
    // Applies only to this product line; no error is suppressed.
    summary.flags = MSITRANSFORM_VALIDATE_PRODUCT | MSITRANSFORM_VALIDATE_UPGRADECODE;
    return WriteTransformFile(outPath, streams, summary, reason);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || (argc - 1) % 3 != 0) {
        std::fwprintf(stderr, L"usage: mstgen BASE.msi TRANSLATED.msi OUT.mst [...]\n");
        return 2;
    }
    for (int i = 1; i + 2 < argc; i += 3) {
        std::wstring reason;
        if (!MakeTransform(argv[i], argv[i + 1], argv[i + 2], reason)) {
            DeleteFileW(argv[i + 2]);
            std::fwprintf(stderr, L"mstgen: %ls: %ls\n", argv[i + 2], reason.c_str());
            return 1;
        }
    }
    return 0;
}
