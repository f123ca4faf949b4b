#include "i18n/messages.h"

#include <string_view>

namespace orvell {

namespace {

struct Entry {
    Msg key;
    std::string_view text;
};

// English texts. The other languages arrive with the full catalogue.
constexpr Entry kEnglishTexts[] = {
    {Msg::TitlePrefix, "  ORVELL"},
    {Msg::ManualFileName, "manual_quenta_orvell_en.pdf"},
    {Msg::MsgProgramError, "Program error!"},
    {Msg::MsgVerifyError, "Verify error!"},
    {Msg::MsgReadError, "Read error!"},
    {Msg::MsgProgramDevice, "Program device:"},
    {Msg::MsgVerifying, "Verify:"},
    {Msg::MsgReading, "Read:"},
    {Msg::MsgSaving, "Saving:"},
    {Msg::MsgUnitVersionMismatch, "Unmatched version of PC and Ignition programs!"},
    {Msg::MsgAdvance, "Advance"},
    {Msg::MsgProgramCount, "Number of Programing= "},
    {Msg::MsgMotorOff, "Motor off"},
    {Msg::MsgYes, "YES"},
    {Msg::MsgNo, "NO"},
    {Msg::MsgComOpenError, "Com opening error!"},
    {Msg::MsgOpenFileError, "Open file error!"},
    {Msg::MsgAskDefaults, "Do you want default setting?"},
    {Msg::MsgOlderFile,
     "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to default "
     "value.\nThey are parameters which are not in older version or have another structure."},
    {Msg::MsgFileVersionMismatch, "Unmatched version of *.ign file!"},
    {Msg::MsgPrintDate, "Date and time of printing:  "},
    {Msg::MsgManualOpenError, ""},  // composed below
    {Msg::MsgPickupError, "Pick up system error                    "},
    {Msg::MsgPickup, "Pick-up (CKPS)"},
    {Msg::MsgRunning, "is running"},
    {Msg::MsgNoSignal, "no signal"},
    {Msg::MsgServoMeasured, "Servo measured="},
    {Msg::MsgServoDesired, "Servo desired="},
    {Msg::MsgShiftLight, "Gear Shift Light"},
    {Msg::MsgClutchMaster, "Clutch master"},
    {Msg::MsgInput, "Input"},
    {Msg::MsgKillSwitch, "Kill switch"},
    {Msg::MsgInputOpen, "Open"},
    {Msg::MsgInputGrounded, "Grounded"},
};
static_assert(std::size(kEnglishTexts) == kMsgCount);

}  // namespace

void LoadMessages(int /*language*/, MessageTexts& texts) {
    for (const Entry& e : kEnglishTexts) texts[e.key] = std::string(e.text);
    texts[Msg::MsgManualOpenError] = "Error by opening file " + texts[Msg::ManualFileName] + " !";
}

MessageTexts MessagesFor(int language) {
    MessageTexts texts;
    LoadMessages(language, texts);
    return texts;
}

}  // namespace orvell
