#include "all_text_entries.h"
#include "localization/text_table.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>

namespace {

const int English = 0, French = 1, Spanish = 2, Italian = 3, German = 4;

std::string Column(const LocalizedText& entry, int column) { return entry.Text[column]; }

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

bool HasByteAbove127(const char* text) {
    for (; *text; ++text) {
        if (static_cast<unsigned char>(*text) > 127) return true;
    }
    return false;
}

bool IsStrictUtf8(const char* text) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0) > 0;
}

TEST(TextTable, EveryEntryHasFiveNonEmptyTexts) {
    for (const NamedTextEntry& named : AllTextEntries()) {
        for (int column = 0; column < LanguageCount; ++column) {
            ASSERT_NE(nullptr, named.Entry->Text[column]) << named.Name << " column " << column;
            EXPECT_STRNE("", named.Entry->Text[column]) << named.Name << " column " << column;
        }
    }
}

// The hand-made list must not drift from the header: one item per declared
// entry, each a distinct entry, each named in the header's comment block too.
TEST(TextTable, EntryListMatchesTheHeader) {
    std::string header = ReadWholeFile(TAVIX_SOURCE_DIR "/localization/text_table.h");
    ASSERT_FALSE(header.empty()) << "cannot read text_table.h";
    EXPECT_EQ(CountOf(header, "extern const LocalizedText "), AllTextEntries().size());

    std::set<const LocalizedText*> distinct;
    for (const NamedTextEntry& named : AllTextEntries()) {
        distinct.insert(named.Entry);
        std::string declaration = std::string("extern const LocalizedText ") + named.Name + ";";
        EXPECT_EQ(1u, CountOf(header, declaration)) << named.Name;
        EXPECT_EQ(1u, CountOf(header, std::string("// ") + named.Name + " ")) << named.Name;
    }
    EXPECT_EQ(AllTextEntries().size(), distinct.size());
}

// The source is UTF-8; if the conversion to code page 1252 were lost, accented
// texts would arrive as valid UTF-8.
TEST(TextTable, TextsAreCodePage1252WithBareLineFeeds) {
    const unsigned char undefinedIn1252[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (const NamedTextEntry& named : AllTextEntries()) {
        for (int column = 0; column < LanguageCount; ++column) {
            const char* text = named.Entry->Text[column];
            for (const char* p = text; *p; ++p) {
                unsigned char byte = static_cast<unsigned char>(*p);
                EXPECT_TRUE(byte == '\n' || byte >= 0x20) << named.Name << " column " << column;
                for (unsigned char undefined : undefinedIn1252) {
                    EXPECT_NE(undefined, byte) << named.Name << " column " << column;
                }
            }
            if (HasByteAbove127(text)) {
                EXPECT_FALSE(IsStrictUtf8(text)) << named.Name << " column " << column;
            }
        }
    }
}

TEST(TextTable, OkCancelAndLanguageInAllColumns) {
    const LocalizedText expectedOk = {{"OK", "OK", "Aceptar", "OK", "OK"}};
    const LocalizedText expectedCancel = {{"Cancel", "Annuler", "Cancelar", "Cancella", "Abbrechen"}};
    const LocalizedText expectedLanguage = {{"Language", "Langue", "Idioma", "Lingua", "Sprache"}};
    for (int column = 0; column < LanguageCount; ++column) {
        EXPECT_STREQ(expectedOk.Text[column], texts::Ok.Text[column]);
        EXPECT_STREQ(expectedCancel.Text[column], texts::Cancel.Text[column]);
        EXPECT_STREQ(expectedLanguage.Text[column], texts::Language.Text[column]);
    }
}

TEST(TextTable, ScanInAllColumns) {
    EXPECT_EQ("Scan", Column(texts::Scan, English));
    EXPECT_EQ("Num\xE9riser", Column(texts::Scan, French));
    EXPECT_EQ("Digitalizar", Column(texts::Scan, Spanish));
    EXPECT_EQ("Scansione", Column(texts::Scan, Italian));
    EXPECT_EQ("Scannen", Column(texts::Scan, German));
}

TEST(TextTable, UserDefinedInAllColumns) {
    EXPECT_EQ("User Defined", Column(texts::UserDefined, English));
    EXPECT_EQ("D\xE9" "fini par l'utilisateur", Column(texts::UserDefined, French));
    EXPECT_EQ("Definido por el usuario", Column(texts::UserDefined, Spanish));
    // The right single quotation mark of code page 1252, not an ASCII apostrophe.
    EXPECT_EQ("Definito dall\x92utente", Column(texts::UserDefined, Italian));
    EXPECT_EQ("Benutzerdefiniert", Column(texts::UserDefined, German));
}

TEST(TextTable, LetterSizeInAllColumns) {
    EXPECT_EQ("Letter size (8.5\" x 11.0\")", Column(texts::PaperLetter, English));
    EXPECT_EQ("Format Letter (8,5\" x 11,0\")", Column(texts::PaperLetter, French));
    EXPECT_EQ("Tama\xF1o Letter (8,5\" x 11,0\")", Column(texts::PaperLetter, Spanish));
    EXPECT_EQ("(8.5\" x 11.0\") formato lettera", Column(texts::PaperLetter, Italian));
    EXPECT_EQ("Letter Format", Column(texts::PaperLetter, German));
}

TEST(TextTable, PaperSizeNamesInScanSizeOrder) {
    const char* const english[texts::PaperSizeCount] = {
        "Letter size (8.5\" x 11.0\")", "Legal size (8.5\" x 14.0\")",
        "A4 size (210mm x 297mm)",      "A5 size (148mm x 210mm)",
        "B5 size (182mm x 257mm)",      "Business card (90mm x 55mm)",
        "Photo (5.0\" x 3.5\")",        "Large photo (6.0\" x 4.0\")",
    };
    for (int i = 0; i < texts::PaperSizeCount; ++i) {
        const LocalizedText& name = *texts::PaperSizeNames[i];
        EXPECT_STREQ(english[i], name.Text[English]) << i;
        EXPECT_EQ('(', name.Text[Italian][0]) << i;
        EXPECT_EQ(nullptr, std::strchr(name.Text[German], '(')) << i;
    }
}

TEST(TextTable, MultiLineMessagesUseBareLineFeeds) {
    EXPECT_EQ("Calibration was successful.\n", Column(texts::CalibrationSuccessful, English));
    EXPECT_EQ("The calibration process has failed.\n\nCheck that the calibration paper was "
              "inserted properly and the scanner is ready.",
              Column(texts::CalibrationFailed, English));
    EXPECT_EQ("The scanner driver could not be loaded.\n\nPlease plug in the scanner or "
              "reinstall the driver.\n\n",
              Column(texts::ScannerDriverNotLoaded, English));
    for (const NamedTextEntry& named : AllTextEntries()) {
        for (int column = 0; column < LanguageCount; ++column) {
            EXPECT_EQ(nullptr, std::strchr(named.Entry->Text[column], '\r')) << named.Name;
        }
    }
}

TEST(TextTable, DriverMessageSaysTheDriverDllIsMissing) {
    EXPECT_EQ("Le fichier DLL du pilote est manquant. Veuillez r\xE9installer le pilote.\n\n",
              Column(texts::ScannerDriverNotLoaded, French));
    for (int column = 0; column < LanguageCount; ++column) {
        std::string text = Column(texts::ScannerDriverNotLoaded, column);
        EXPECT_EQ("\n\n", text.substr(text.size() - 2)) << column;
        if (column != English) {
            EXPECT_NE(std::string::npos, text.find("DLL")) << column;
        }
    }
}

// These labels are followed by a value on the same line.
TEST(TextTable, LabelsKeepTheirTrailingBlank) {
    EXPECT_EQ("Interface: ", Column(texts::InterfaceLabel, English));
    EXPECT_EQ("DLL config: ", Column(texts::DllConfigLabel, English));
    EXPECT_EQ("DLL version: ", Column(texts::DllVersionLabel, English));
    EXPECT_EQ("DLL date: ", Column(texts::DllDateLabel, English));
    EXPECT_EQ("Repeat last scan: ", Column(texts::RepeatLastScan, English));
    EXPECT_EQ("Delete preview image? ", Column(texts::DeletePreviewImage, English));
    const LocalizedText* labels[] = {&texts::InterfaceLabel, &texts::DllConfigLabel,
                                     &texts::DllVersionLabel, &texts::DllDateLabel,
                                     &texts::RepeatLastScan,  &texts::DeletePreviewImage};
    for (const LocalizedText* label : labels) {
        for (int column = 0; column < LanguageCount; ++column) {
            std::string text = Column(*label, column);
            EXPECT_EQ(' ', text.back()) << text;
        }
    }
}

TEST(TextTable, CopyrightNoticeIsANoticeABlankLineAndAWarning) {
    for (int column = 0; column < LanguageCount; ++column) {
        std::string text = Column(texts::CopyrightNotice, column);
        EXPECT_EQ(0u, text.find("Copyright \xA9 ")) << column;
        EXPECT_EQ(1u, CountOf(text, "\n\n")) << column;
        EXPECT_EQ(2u, CountOf(text, "\n")) << column;
    }
    std::string english = Column(texts::CopyrightNotice, English);
    EXPECT_NE(std::string::npos, english.find("All rights reserved.\n\n"));
    EXPECT_NE(std::string::npos, english.find("Unauthorized reproduction"));
    EXPECT_NE(std::string::npos, english.find("prosecuted"));
}

TEST(TextTable, AccentedLettersAreSingleBytes) {
    EXPECT_EQ("Gro\xDF" "es Foto", Column(texts::PaperLargePhoto, German));
    EXPECT_EQ("H\xF6he", Column(texts::Height, German));
    EXPECT_EQ("\xBF" "Desea eliminar la imagen de vista previa? ",
              Column(texts::DeletePreviewImage, Spanish));
    EXPECT_EQ("\xC9talonner", Column(texts::Calibrate, French));
}

}  // namespace
