// TAVIXSRC.ds carries the templates these windows are made from, the same as
// this program does, and the dialogs find them there when the data source's
// application object names the module.
#include "data_source_file.h"
#include "support/dialog_driver.h"
#include "ui_fixture.h"

#include "framework/dialog.h"
#include "framework/handles.h"
#include "resources/calibration_prompt_ids.h"
#include "resources/custom_settings_page_ids.h"
#include "resources/info_page_ids.h"
#include "resources/language_page_ids.h"
#include "resources/preset_edit_dialog_ids.h"
#include "resources/preset_page_ids.h"
#include "resources/progress_window_ids.h"
#include "ui/calibration_prompt_dialog.h"

#include <cstring>

namespace {

TEST(DataSourceResources, CarriesTheTemplatesAndIconOfThisProgram) {
    ModuleHandle source(LoadLibraryExA(DataSourcePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(source) << DataSourcePath();
    for (int id : {IDD_CALIBRATE_AND_CLEAN, IDD_CALIBRATE_ONLY, IDD_CLEAN_ONLY,
                   IDD_THUMBNAIL_PROGRESS, IDD_BAR_PROGRESS, IDD_PRESET_PAGE, IDD_PRESET_EDIT,
                   IDD_CUSTOM_SETTINGS_PAGE, IDD_INFO_PAGE, IDD_LANGUAGE_PAGE}) {
        const std::string inSource = ResourceBytes(source.Get(), MAKEINTRESOURCEA(5), id);  // RT_DIALOG
        EXPECT_FALSE(inSource.empty()) << id;
        EXPECT_EQ(ResourceBytes(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(5), id), inSource) << id;
    }
    EXPECT_FALSE(ResourceBytes(source.Get(), MAKEINTRESOURCEA(14), IDI_CALIBRATION_PROMPT).empty());
}

class DataSourceTemplates : public UiTest {};

TEST_F(DataSourceTemplates, PromptIsMadeFromTheApplicationObjectsModule) {
    ModuleHandle source(LoadLibraryExA(DataSourcePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(source);
    app_.SetModuleHandle(source.Get());
    EXPECT_EQ(source.Get(), ResourceModule());
    std::string caption;
    ScriptThread script([&] {
        std::set<HWND> done;
        HWND dialog = WaitForNewDialog(done);
        if (!dialog) return;
        caption = WindowText(dialog);
        PressButton(dialog, IDC_CALIBRATE);
    });
    CalibrationPromptDialog dialog(&Owner(), IDD_CALIBRATE_ONLY, nullptr);
    EXPECT_EQ(IDC_CALIBRATE, dialog.DoModal());
    script.Join();
    app_.SetModuleHandle(nullptr);
    EXPECT_EQ("Calibration Page", caption);
    EXPECT_EQ(GetModuleHandleA(nullptr), ResourceModule());
}

}  // namespace
