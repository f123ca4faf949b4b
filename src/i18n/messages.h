// Message texts: the window holds one text per key, always in the current language. Components
// that show a message (status line, message boxes, monitor labels) read it from a MessageTexts.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace orvell {

enum class Msg : std::size_t {
    TitlePrefix,
    ManualFileName,
    MsgProgramError,
    MsgVerifyError,
    MsgReadError,
    MsgProgramDevice,
    MsgVerifying,
    MsgReading,
    MsgSaving,
    MsgUnitVersionMismatch,
    MsgAdvance,
    MsgProgramCount,
    MsgMotorOff,
    MsgYes,
    MsgNo,
    MsgComOpenError,
    MsgOpenFileError,
    MsgAskDefaults,
    MsgOlderFile,
    MsgFileVersionMismatch,
    MsgPrintDate,
    MsgManualOpenError,
    MsgPickupError,
    MsgPickup,
    MsgRunning,
    MsgNoSignal,
    MsgServoMeasured,
    MsgServoDesired,
    MsgShiftLight,
    MsgClutchMaster,
    MsgInput,
    MsgKillSwitch,
    MsgInputOpen,
    MsgInputGrounded,
    MsgNoParameterSet,
    MsgValuesLimited,
    MsgLastImageDamaged,
    MsgSettingsWriteError,
    MsgSaveSetElsewhere,
    MsgNoPrinter,
    MsgPrinterError,
    MsgOfferPdf,
    MsgPdfWriteError,
    MsgLogOpenError,
    MsgLogWriteError,
    MsgPasteRefused,
    MsgSetCellsPrompt,
    MsgAddCellsPrompt,
    MsgScaleCellsPrompt,
    MsgChangedSinceProgramming,
    MsgBackupWriteError,
    MsgCompareTitle,
    MsgCompareHeader,
    MsgCompareSame,
    MsgCopy,
    MsgVerifyErrorHint,
    Count
};

inline constexpr std::size_t kMsgCount = static_cast<std::size_t>(Msg::Count);

// Language index as stored in the settings file.
inline constexpr int kEnglish = 0;
inline constexpr int kGerman = 1;
inline constexpr int kFrench = 2;
inline constexpr int kCzech = 3;
inline constexpr int kLanguageCount = 4;

// Texts are looked up with an index outside 0..3 as if it were English.
constexpr int ValidLanguage(int language) {
    return language >= 0 && language < kLanguageCount ? language : kEnglish;
}

struct MessageTexts {
    std::array<std::string, kMsgCount> text;
    const std::string& operator[](Msg key) const { return text[static_cast<std::size_t>(key)]; }
    std::string& operator[](Msg key) { return text[static_cast<std::size_t>(key)]; }
};

// Fills every message text of the language (0 English, 1 German, 2 French, 3 Czech), composing
// the texts that are built from others. An index outside 0..3 gives English.
void LoadMessages(int language, MessageTexts& texts);

// The texts of one language, loaded.
MessageTexts MessagesFor(int language);

}  // namespace orvell
