// The scan settings record: what one scan is, handed byte for byte to the
// scanner I/O library. Reserved words carry nothing and must stay zero.
#pragma once

#include "engine/negotiation_state.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct ScanSettings {
    int16_t ScanMode;  // 1 grayscale, 2 black/white, 4 color
    int16_t Reserved2;
    int16_t DPI;
    int16_t Brightness;
    int16_t Contrast;
    int16_t Gamma;  // gamma x 10
    int16_t Highlight;
    int16_t Shadow;
    int16_t Reserved16[16];
    int16_t StartFlag;
    int16_t DetectEOP;
    int16_t Reserved52[2];
    int16_t DoubleSided;
    int16_t Reserved58[4];
    int16_t Filter;  // 0 none, 1 descreen
    int16_t Invert;
    int16_t Reserved70[2];
    int16_t Top;  // scan frame in hundredths of an inch
    int16_t Left;
    int16_t Bottom;
    int16_t Right;
    int16_t Reserved82[2];
};
#pragma pack(pop)

static_assert(sizeof(ScanSettings) == 86, "ScanSettings is 86 bytes");
static_assert(offsetof(ScanSettings, ScanMode) == 0, "ScanMode");
static_assert(offsetof(ScanSettings, DPI) == 4, "DPI");
static_assert(offsetof(ScanSettings, Brightness) == 6, "Brightness");
static_assert(offsetof(ScanSettings, Contrast) == 8, "Contrast");
static_assert(offsetof(ScanSettings, Gamma) == 10, "Gamma");
static_assert(offsetof(ScanSettings, Highlight) == 12, "Highlight");
static_assert(offsetof(ScanSettings, Shadow) == 14, "Shadow");
static_assert(offsetof(ScanSettings, StartFlag) == 48, "StartFlag");
static_assert(offsetof(ScanSettings, DetectEOP) == 50, "DetectEOP");
static_assert(offsetof(ScanSettings, DoubleSided) == 56, "DoubleSided");
static_assert(offsetof(ScanSettings, Filter) == 66, "Filter");
static_assert(offsetof(ScanSettings, Invert) == 68, "Invert");
static_assert(offsetof(ScanSettings, Top) == 74, "Top");
static_assert(offsetof(ScanSettings, Left) == 76, "Left");
static_assert(offsetof(ScanSettings, Bottom) == 78, "Bottom");
static_assert(offsetof(ScanSettings, Right) == 80, "Right");

constexpr int16_t kScanModeGray = 1;
constexpr int16_t kScanModeBlackWhite = 2;
constexpr int16_t kScanModeColor = 4;

// Frame limits in hundredths of an inch: 8.64 x 14.00 inches at most, a frame
// at least 0.50 inch wide and 0.10 inch long.
constexpr int kMaxTop = 1390;
constexpr int kMaxBottom = 1400;
constexpr int kMaxLeft = 814;
constexpr int kMaxRight = 864;
constexpr int kMinFrameLength = 10;
constexpr int kMinFrameWidth = 50;

// The five tone values as the record stores them: the range a stored profile
// and the dialog's sliders may hold, and the value they start from.
struct ToneRange {
    int16_t Low;
    int16_t High;
    int16_t Default;
};
constexpr ToneRange kBrightnessRange{-100, 100, 0};
constexpr ToneRange kContrastRange{-100, 100, 0};
constexpr ToneRange kGammaRange{10, 40, 18};  // gamma x 10
constexpr ToneRange kHighlightRange{5, 255, 255};
constexpr ToneRange kShadowRange{0, 250, 0};
// Highlight and shadow levels the scanner takes: the whole 8-bit scale, wider
// than the dialog's ranges, which keep the two apart.
constexpr int16_t kToneLevelMax = 255;

// Puts the five tone values at their defaults.
void ResetTones(ScanSettings& record);

// The operations below do nothing with a null record.

// Zero-fills the record and reads the fourteen keys of `section`, replacing
// missing, corrupt and out-of-range values (a resolution `negotiated` does
// not allow among them) by their defaults. Returns whether the stored frame
// had to be changed to fit the limits.
bool LoadSettings(const char* section, ScanSettings* record, const Negotiation& negotiated);
// Writes the fourteen keys of the record to `section`.
void SaveSettings(const char* section, const ScanSettings* record);
// Stores the requested frame within the limits; returns whether any value changed.
bool ClampFrame(ScanSettings* record, int top, int left, int bottom, int right);
