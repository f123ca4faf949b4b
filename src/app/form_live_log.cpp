// The live log from the window: Tools > "Record live data..." and "Stop recording", a red
// "REC mm:ss" while it runs. Rows are written as the monitoring frames are accepted, so a unit
// that has gone silent adds nothing to the log, not even its last readings again.
#include <cstdio>
#include <ctime>

#include "app/form_hlav.h"

namespace orvell {

namespace {

// "orvell-log-YYYY-MM-DD_HHMMSS.csv" for the local time now.
std::string DefaultLogName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char name[64];
    std::strftime(name, sizeof name, "orvell-log-%Y-%m-%d_%H%M%S.csv", &local);
    return name;
}

}  // namespace

void TFormHlav::MenuRecordLogClick() {
    if (liveLog_.Recording()) return;
    const auto file = platform_.SaveLogDialog(platform_.DocumentsFolder() / DefaultLogName());
    if (!file) return;
    if (const std::string error = logSink_.Open(*file); !error.empty()) {
        ShowMessage(texts[Msg::MsgLogOpenError] + "\n" + file->string() + "\n" + error);
        return;
    }
    if (!liveLog_.Start(logSink_, platform_.MonotonicMilliseconds())) {
        StopLiveLog();
        return;
    }
    window.MenuRecordLog.SetEnabled(false);
    window.MenuStopLog.SetEnabled(true);
    recSecondsShown_ = -1;
    LiveLogTick();
    window.LabelRec.SetVisible(true);
}

void TFormHlav::MenuStopLogClick() {
    StopLiveLog();
}

void TFormHlav::RecordLiveFrame() {
    if (!liveLog_.Recording()) return;
    // The live point of this frame: the tick computes its own only after the reports.
    const LivePoint point =
        ComputeLivePoint(link_.Monitor(), image, window.CheckBoxTpsMapa.Checked());
    if (!liveLog_.Record(platform_.MonotonicMilliseconds(), link_.Monitor(), point)) {
        StopLiveLog();
    }
}

void TFormHlav::LiveLogTick() {
    if (!liveLog_.Recording()) return;
    const std::int64_t seconds = liveLog_.ElapsedMs(platform_.MonotonicMilliseconds()) / 1000;
    if (seconds == recSecondsShown_) return;
    recSecondsShown_ = seconds;
    char text[32];
    std::snprintf(text, sizeof text, "REC %02lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    window.LabelRec.SetCaption(text);
}

void TFormHlav::StopLiveLog() {
    const bool wasOpen = logSink_.IsOpen();
    // A sink that failed mid-run has already ended the recording; its reason is kept.
    const bool failedBefore = wasOpen && !liveLog_.Recording();
    const bool stopped = liveLog_.Stop();
    const bool closed = logSink_.Close();
    window.MenuRecordLog.SetEnabled(true);
    window.MenuStopLog.SetEnabled(false);
    window.LabelRec.SetVisible(false);
    if (wasOpen && (failedBefore || !stopped || !closed)) {
        ShowStatus(texts[Msg::MsgLogWriteError] + " " + logSink_.Error(), colour::kRed);
    }
}

}  // namespace orvell
