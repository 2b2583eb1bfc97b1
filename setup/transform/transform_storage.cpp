#include "transform_storage.h"

#include "com_ptr.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <propidl.h>

namespace {

// The class id by which Windows Installer knows a transform storage.
const CLSID kTransformClass = {0x000C1082, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const FMTID kSummaryFormat = {0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}};

constexpr DWORD kCreate = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

void PutGuid(std::string& out, const GUID& guid) {
    Put32(out, guid.Data1);
    Put16(out, guid.Data2);
    Put16(out, guid.Data3);
    for (const unsigned char byte : guid.Data4) out += static_cast<char>(byte);
}

// One property's type and value, padded to four bytes.
struct Property {
    PROPID id;
    std::string value;
};

Property Short(PROPID id, std::int16_t number) {
    std::string value;
    Put32(value, VT_I2);
    Put16(value, static_cast<std::uint16_t>(number));
    Put16(value, 0);
    return {id, value};
}

Property Long(PROPID id, std::int32_t number) {
    std::string value;
    Put32(value, VT_I4);
    Put32(value, static_cast<std::uint32_t>(number));
    return {id, value};
}

// Texts are stored in the code page of the set, with their terminator.
Property Text(PROPID id, const std::string& text) {
    std::string value;
    Put32(value, VT_LPSTR);
    Put32(value, static_cast<std::uint32_t>(text.size() + 1));
    value += text;
    value += '\0';
    while (value.size() % 4 != 0) value += '\0';
    return {id, value};
}

// The summary information property set, written byte for byte: some
// property set writers leave the last value unpadded, which msi.dll's reader
// refuses.
std::string SummaryStream(const TransformSummary& summary) {
    const Property properties[] = {
        Short(PID_CODEPAGE, summary.codepage),
        Text(PIDSI_TITLE, "Transform"),
        Text(PIDSI_TEMPLATE, summary.baseTemplate),
        Text(PIDSI_LASTAUTHOR, summary.targetTemplate),
        Text(PIDSI_REVNUMBER, summary.revision),
        Long(PIDSI_PAGECOUNT, summary.installerVersion),
        Long(PIDSI_CHARCOUNT, summary.flags),
    };
    const std::uint32_t count = sizeof properties / sizeof properties[0];

    std::string section;
    std::uint32_t offset = 8 + 8 * count;
    std::string values;
    for (const Property& property : properties) {
        Put32(section, property.id);
        Put32(section, offset);
        offset += static_cast<std::uint32_t>(property.value.size());
        values += property.value;
    }
    std::string stream;
    Put16(stream, 0xFFFE);  // byte order
    Put16(stream, 0);       // format
    Put32(stream, 0x00020006);  // written on Win32
    PutGuid(stream, GUID{});
    Put32(stream, 1);  // one section
    PutGuid(stream, kSummaryFormat);
    Put32(stream, 48);  // where the section starts
    Put32(stream, offset);
    Put32(stream, count);
    return stream + section + values;
}

bool WriteStream(IStorage* storage, const std::wstring& name, const std::string& bytes) {
    ComPtr<IStream> out;
    ULONG written = 0;
    return SUCCEEDED(storage->CreateStream(name.c_str(), kCreate, 0, 0, out.Out())) &&
           SUCCEEDED(out->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) &&
           written == bytes.size();
}

}  // namespace

bool WriteTransformFile(const std::wstring& path, const std::vector<NamedStream>& streams,
                        const TransformSummary& summary, std::wstring& reason) {
    ComPtr<IStorage> storage;
    if (FAILED(StgCreateDocfile(path.c_str(), kCreate, 0, storage.Out()))) {
        reason = L"cannot create " + path;
        return false;
    }
    if (FAILED(storage->SetClass(kTransformClass))) {
        reason = L"cannot set the storage class";
        return false;
    }
    for (const NamedStream& stream : streams) {
        if (!WriteStream(storage.Get(), stream.first, stream.second)) {
            reason = L"cannot write a stream";
            return false;
        }
    }
    if (!WriteStream(storage.Get(), L"\005SummaryInformation", SummaryStream(summary))) {
        reason = L"cannot write the summary information";
        return false;
    }
    if (FAILED(storage->Commit(STGC_DEFAULT))) {
        reason = L"cannot commit " + path;
        return false;
    }
    return true;
}
