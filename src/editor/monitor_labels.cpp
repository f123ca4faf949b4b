#include "editor/monitor_labels.h"

namespace orvell {

namespace {

// The reading's text, and its colour when it has one.
void Show(const ReadingText& reading, Label& label) {
    label.SetCaption(reading.text);
    if (reading.colour) label.SetColor(*reading.colour);
}

// Also whether it is shown, where the frame or the parameter set decides that.
void ShowWithVisibility(const ReadingText& reading, Label& label) {
    Show(reading, label);
    label.SetVisible(reading.visible);
}

}  // namespace

void ShowMonitorReadout(const MonitorReadout& r, WindowModel& w) {
    Show(r.engineSpeed, w.LabelRpm);
    w.CGaugeRpm.SetProgress(r.engineSpeedPercent);
    Show(r.supplyVoltage, w.LabelNapeti);
    Show(r.motorOff, w.LabelBlocking1);
    for (int c = 0; c < kChannels; ++c) Show(r.channelAdvance[c], w.LabelAdvance[c]);
    Show(r.shiftLight, w.LabelMonPilotLight);
    Show(r.pickup[0], w.LabelMonSnimac1);
    Show(r.pickup[1], w.LabelMonSnimac2);
    Show(r.throttle, w.LabelTpsMon);
    w.CGaugeTps.SetProgress(r.throttlePercent);
    ShowWithVisibility(r.servoDesired, w.LabelPriveraPoz);
    ShowWithVisibility(r.servoMeasured, w.LabelPriveraMer);
    ShowWithVisibility(r.versionMismatch, w.LabelVersion);
    w.LabelEeDataErr.SetVisible(r.dataError.visible);  // its text is the window's own
    Show(r.programCount, w.LabelPocetProgramovani);
    for (int i = 0; i < kMonitorTestLabels; ++i) Show(r.testValue[i], w.LabelTest[i]);
    Show(r.input[0], w.LabelMonInput1In);
    Show(r.input[1], w.LabelMonInput2In);
    Show(r.clutchMaster, w.LabelClutchMon);
    Show(r.killSwitch, w.LabelKillSwitch);
}

void ShowLiveColours(const LiveColours& c, WindowModel& w) {
    static_assert(kAxisPoints == kMapRows && kMapRows == kServoPoints);
    for (int k = 0; k < kAxisPoints; ++k) {
        w.EditRpmAdv[k].SetColor(c.rpmAxis[k]);
        w.LabelTps[k].SetColor(c.throttleRows[k]);
        w.EditRpmPriv[k].SetColor(c.servoSpeeds[k]);
        w.EditNapPriv[k].SetColor(c.servoVoltages[k]);
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k) w.EditCell[k].SetColor(c.mapCells[k]);
}

}  // namespace orvell
