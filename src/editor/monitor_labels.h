// Where the window shows what the link reads from the unit: the monitor column's labels and
// gauges, and the live operating point's colours in the advance map and the servo table.
#pragma once

#include "editor/window_model.h"
#include "link/monitor.h"

namespace orvell {

// Every reading of a monitoring frame onto its label or gauge.
void ShowMonitorReadout(const MonitorReadout& readout, WindowModel& w);

// The live point's colours onto the rpm breakpoints, throttle row labels, map cells and servo
// table. Unchanged colours move no revision, so an idle tick changes nothing.
void ShowLiveColours(const LiveColours& colours, WindowModel& w);

}  // namespace orvell
