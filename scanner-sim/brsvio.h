// The scanner I/O library BRSVIO.DLL as its callers see it: the 18 IO_
// functions the data source drives, the three control functions of the
// virtual scanner, and the byte layout of the 86-byte scan record.
// Every integer crossing the boundary is 32 bits wide; the C calling
// convention is used throughout, so one set of pointer types serves the
// 32-bit product and the 64-bit test build.
#pragma once

#include <stdint.h>

#define BRSVIO_CALL __cdecl

// The scan record: 43 little-endian 16-bit words. Offsets of the words the
// library reads; all others are reserved.
enum {
    BRSVIO_RECORD_SIZE = 86,
    BRSVIO_OFFSET_SCANMODE = 0,
    BRSVIO_OFFSET_DPI = 4,
    BRSVIO_OFFSET_BRIGHTNESS = 6,
    BRSVIO_OFFSET_CONTRAST = 8,
    BRSVIO_OFFSET_GAMMA = 10,
    BRSVIO_OFFSET_HIGHLIGHT = 12,
    BRSVIO_OFFSET_SHADOW = 14,
    BRSVIO_OFFSET_STARTFLAG = 48,
    BRSVIO_OFFSET_DETECTEOP = 50,
    BRSVIO_OFFSET_DOUBLESIDED = 56,
    BRSVIO_OFFSET_FILTER = 66,
    BRSVIO_OFFSET_INVERT = 68,
    BRSVIO_OFFSET_TOP = 74,
    BRSVIO_OFFSET_LEFT = 76,
    BRSVIO_OFFSET_BOTTOM = 78,
    BRSVIO_OFFSET_RIGHT = 80
};

// Values of the ScanMode word. Any other value scans black and white.
enum { BRSVIO_MODE_GRAY = 1, BRSVIO_MODE_BLACK_WHITE = 2, BRSVIO_MODE_COLOR = 4 };

#ifdef __cplusplus
extern "C" {
#endif

int32_t BRSVIO_CALL IO_StartScan(void);
int32_t BRSVIO_CALL IO_EndScan(void);
int32_t BRSVIO_CALL IO_StartScanPage(const void* settings, int32_t* out1, int32_t* out2);
int32_t BRSVIO_CALL IO_GetPageDimension(const void* settings, int32_t* width, int32_t* length);
int32_t BRSVIO_CALL IO_EndScanPage(void);
int32_t BRSVIO_CALL IO_CalibrateScanner(int32_t mode);
int32_t BRSVIO_CALL IO_FeedOn(void);
int32_t BRSVIO_CALL IO_FeedPage(void);
int32_t BRSVIO_CALL IO_Clean(void);
int32_t BRSVIO_CALL IO_IsPaperOn(void);
int32_t BRSVIO_CALL IO_IsButtonOn(void);
int32_t BRSVIO_CALL IO_GetImageBlock(void* buffer, int32_t lines, int32_t* endOfPage, int32_t width,
                                     int32_t side);
int32_t BRSVIO_CALL IO_AdjustChannelValue(uint8_t* table, int32_t brightness, int32_t contrast,
                                          int32_t gammaMinus8, int32_t highlight, int32_t shadow);
int32_t BRSVIO_CALL IO_HardwareCheck(char* config, char* interfaceText, char* text3, char* text4,
                                     char* text5, int32_t* number6, int32_t* number7,
                                     int32_t* number8);
int32_t BRSVIO_CALL IO_HasScanner(const char* model);
int32_t BRSVIO_CALL IO_OpenInterface(const char* model);
int32_t BRSVIO_CALL IO_CloseInterface(void);
int32_t BRSVIO_CALL IO_IsCalibrationNeeded(void);

// Control of the virtual scanner by in-process tests.
int32_t BRSVIO_CALL BRSVIO_Configure(const char* key, const char* value);
void BRSVIO_CALL BRSVIO_Reset(void);
int32_t BRSVIO_CALL BRSVIO_GetCallLog(char* buffer, int32_t size);

typedef int32_t(BRSVIO_CALL* IO_StartScan_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_EndScan_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_StartScanPage_Fn)(const void*, int32_t*, int32_t*);
typedef int32_t(BRSVIO_CALL* IO_GetPageDimension_Fn)(const void*, int32_t*, int32_t*);
typedef int32_t(BRSVIO_CALL* IO_EndScanPage_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_CalibrateScanner_Fn)(int32_t);
typedef int32_t(BRSVIO_CALL* IO_FeedOn_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_FeedPage_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_Clean_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_IsPaperOn_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_IsButtonOn_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_GetImageBlock_Fn)(void*, int32_t, int32_t*, int32_t, int32_t);
typedef int32_t(BRSVIO_CALL* IO_AdjustChannelValue_Fn)(uint8_t*, int32_t, int32_t, int32_t, int32_t,
                                                       int32_t);
typedef int32_t(BRSVIO_CALL* IO_HardwareCheck_Fn)(char*, char*, char*, char*, char*, int32_t*,
                                                  int32_t*, int32_t*);
typedef int32_t(BRSVIO_CALL* IO_HasScanner_Fn)(const char*);
typedef int32_t(BRSVIO_CALL* IO_OpenInterface_Fn)(const char*);
typedef int32_t(BRSVIO_CALL* IO_CloseInterface_Fn)(void);
typedef int32_t(BRSVIO_CALL* IO_IsCalibrationNeeded_Fn)(void);
typedef int32_t(BRSVIO_CALL* BRSVIO_Configure_Fn)(const char*, const char*);
typedef void(BRSVIO_CALL* BRSVIO_Reset_Fn)(void);
typedef int32_t(BRSVIO_CALL* BRSVIO_GetCallLog_Fn)(char*, int32_t);

#ifdef __cplusplus
}
#endif
