#include "msi_table.h"

#include <algorithm>

namespace {

std::wstring RecordText(MSIHANDLE record, UINT field) {
    DWORD size = 0;
    wchar_t empty[1] = {L'\0'};
    if (MsiRecordGetStringW(record, field, empty, &size) != ERROR_MORE_DATA && size == 0) return std::wstring();
    std::wstring text(size + 1, L'\0');
    DWORD capacity = size + 1;
    if (MsiRecordGetStringW(record, field, &text[0], &capacity) != ERROR_SUCCESS) return std::wstring();
    text.resize(capacity);
    return text;
}

std::string RecordStream(MSIHANDLE record, UINT field) {
    std::string bytes;
    char chunk[4096];
    for (;;) {
        DWORD size = sizeof chunk;
        if (MsiRecordReadStream(record, field, chunk, &size) != ERROR_SUCCESS || size == 0) break;
        bytes.append(chunk, size);
    }
    return bytes;
}

bool KindOf(const std::wstring& type, MsiColumn::Kind& kind) {
    if (type.empty()) return false;
    const int size = _wtoi(type.c_str() + 1);
    switch (towlower(type[0])) {
        case L's':
        case L'l':
            kind = MsiColumn::Kind::String;
            return true;
        case L'i':
            kind = size == 4 ? MsiColumn::Kind::Int32 : MsiColumn::Kind::Int16;
            return size == 2 || size == 4;
        case L'v':
            kind = MsiColumn::Kind::Binary;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool ReadTableNames(MSIHANDLE database, std::vector<std::wstring>& names) {
    MsiHandle view;
    if (MsiDatabaseOpenViewW(database, L"SELECT `Name` FROM `_Tables`", view.Out()) != ERROR_SUCCESS) return false;
    if (MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS) return false;
    MsiHandle record;
    while (MsiViewFetch(view.Get(), record.Out()) == ERROR_SUCCESS) names.push_back(RecordText(record.Get(), 1));
    std::sort(names.begin(), names.end());
    return true;
}

bool ReadTable(MSIHANDLE database, const std::wstring& name, MsiTable& table) {
    table.name = name;
    const std::wstring query = L"SELECT * FROM `" + name + L"`";
    MsiHandle view;
    if (MsiDatabaseOpenViewW(database, query.c_str(), view.Out()) != ERROR_SUCCESS) return false;
    if (MsiViewExecute(view.Get(), 0) != ERROR_SUCCESS) return false;

    MsiHandle names, types, keys;
    if (MsiViewGetColumnInfo(view.Get(), MSICOLINFO_NAMES, names.Out()) != ERROR_SUCCESS ||
        MsiViewGetColumnInfo(view.Get(), MSICOLINFO_TYPES, types.Out()) != ERROR_SUCCESS ||
        MsiDatabaseGetPrimaryKeysW(database, name.c_str(), keys.Out()) != ERROR_SUCCESS) {
        return false;
    }
    const UINT count = MsiRecordGetFieldCount(names.Get());
    const UINT keyCount = MsiRecordGetFieldCount(keys.Get());
    for (UINT i = 1; i <= count; ++i) {
        MsiColumn column;
        column.name = RecordText(names.Get(), i);
        column.type = RecordText(types.Get(), i);
        if (!KindOf(column.type, column.kind)) return false;
        // Primary keys are always the leading columns of an installer table.
        column.key = i <= keyCount;
        if (column.key && RecordText(keys.Get(), i) != column.name) return false;
        table.columns.push_back(column);
    }

    MsiHandle record;
    while (MsiViewFetch(view.Get(), record.Out()) == ERROR_SUCCESS) {
        MsiRow row(count);
        for (UINT i = 1; i <= count; ++i) {
            MsiValue& value = row[i - 1];
            if (MsiRecordIsNull(record.Get(), i)) continue;
            value.null = false;
            switch (table.columns[i - 1].kind) {
                case MsiColumn::Kind::String: value.text = RecordText(record.Get(), i); break;
                case MsiColumn::Kind::Int16:
                case MsiColumn::Kind::Int32: value.number = MsiRecordGetInteger(record.Get(), i); break;
                case MsiColumn::Kind::Binary: value.bytes = RecordStream(record.Get(), i); break;
            }
        }
        table.rows.emplace(RowKey(table, row), std::move(row));
    }
    return true;
}

std::wstring RowKey(const MsiTable& table, const MsiRow& row) {
    std::wstring key;
    for (std::size_t i = 0; i < table.columns.size() && table.columns[i].key; ++i) {
        const MsiValue& value = row[i];
        key += value.null ? L"-" : table.columns[i].kind == MsiColumn::Kind::String
                                       ? L"s" + value.text
                                       : L"i" + std::to_wstring(value.number);
        key += L'\x01';
    }
    return key;
}
