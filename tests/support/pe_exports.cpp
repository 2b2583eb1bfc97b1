#include "support/pe_exports.h"

#include "support/temp_folder.h"

#include <windows.h>

#include <cstring>

namespace {

template <typename T>
bool ReadAt(const std::string& bytes, size_t offset, T& out) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, bytes.data() + offset, sizeof(T));
    return true;
}

// File offset of a relative virtual address, through the section table.
bool RvaToOffset(const std::string& bytes, size_t sections, unsigned count, DWORD rva, size_t& out) {
    for (unsigned i = 0; i < count; ++i) {
        IMAGE_SECTION_HEADER section;
        if (!ReadAt(bytes, sections + i * sizeof section, section)) return false;
        DWORD size = section.Misc.VirtualSize ? section.Misc.VirtualSize : section.SizeOfRawData;
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + size) {
            out = rva - section.VirtualAddress + section.PointerToRawData;
            return true;
        }
    }
    return false;
}

}  // namespace

PeExports ReadPeExports(const std::string& path) {
    PeExports result;
    const std::string bytes = ReadWholeFile(path);
    IMAGE_DOS_HEADER dos;
    if (!ReadAt(bytes, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) {
        result.error = "not an MZ file: " + path;
        return result;
    }
    size_t nt = static_cast<size_t>(dos.e_lfanew);
    DWORD signature = 0;
    IMAGE_FILE_HEADER file;
    if (!ReadAt(bytes, nt, signature) || signature != IMAGE_NT_SIGNATURE ||
        !ReadAt(bytes, nt + 4, file)) {
        result.error = "no PE header";
        return result;
    }
    result.machine = file.Machine;
    size_t optional = nt + 4 + sizeof file;
    WORD magic = 0;
    ReadAt(bytes, optional, magic);
    IMAGE_DATA_DIRECTORY exportDir{};
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        IMAGE_OPTIONAL_HEADER64 header;
        if (!ReadAt(bytes, optional, header)) return result;
        result.is64Bit = true;
        exportDir = header.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    } else {
        IMAGE_OPTIONAL_HEADER32 header;
        if (!ReadAt(bytes, optional, header)) return result;
        exportDir = header.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    }
    size_t sections = optional + file.SizeOfOptionalHeader;
    size_t exportOffset = 0;
    IMAGE_EXPORT_DIRECTORY exports;
    if (!exportDir.VirtualAddress ||
        !RvaToOffset(bytes, sections, file.NumberOfSections, exportDir.VirtualAddress, exportOffset) ||
        !ReadAt(bytes, exportOffset, exports)) {
        result.error = "no export table";
        return result;
    }
    size_t namesOffset = 0;
    if (!RvaToOffset(bytes, sections, file.NumberOfSections, exports.AddressOfNames, namesOffset)) {
        result.error = "bad name table";
        return result;
    }
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
        DWORD nameRva = 0;
        size_t nameOffset = 0;
        if (!ReadAt(bytes, namesOffset + i * 4, nameRva) ||
            !RvaToOffset(bytes, sections, file.NumberOfSections, nameRva, nameOffset) ||
            nameOffset >= bytes.size()) {
            result.error = "bad name";
            return result;
        }
        result.names.emplace_back(bytes.c_str() + nameOffset);
    }
    result.ok = true;
    return result;
}
