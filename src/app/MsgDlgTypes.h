// Kinds, heights, button sets and results of the program's message box.
#pragma once

#include <cstdint>

enum : uint8_t {
    mkWarning = 0,
    mkError = 1,
    mkInformation = 2,
    mkConfirmation = 3,
    mkCritical = 4,
};

// Whole window heights in pixels.
inline constexpr int MsgHeightSmall = 164;
inline constexpr int MsgHeightMedium = 240;
inline constexpr int MsgHeightLarge = 280;

// Button sets: a set of flags Yes 1, No 2, OK 4, Cancel 8, Abort 16, Retry 32, Ignore 64.
enum : uint16_t {
    mbsOK = 4,
    mbsYesNo = 3,
    mbsYesNoCancel = 11,
    mbsOKCancel = 12,
    mbsAbortRetryIgnore = 112,
};

// Modal results.
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};
