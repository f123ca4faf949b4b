// What the link tells the window, as plain data. The link appends a report whenever something
// happens that the user may see; the window takes the reports right after each call into the link
// and decides what to show. The link never calls back into the window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <variant>

#include "core/param_image.h"
#include "link/monitor.h"
#include "link/unit_info.h"

namespace orvell {

// The port being opened, by its COM number 1..31.
struct PortOpening {
    int com = 0;
};
// The port choice in force: 0..29 = COM1..COM30, 30 = automatic.
struct PortChosen {
    int choice = 0;
};
// The unit has been silent long enough to count as not connected, or answers again.
struct UnitSilence {
    bool silent = false;
};
// Something the user has to acknowledge before going on.
struct MessageForUser {
    std::string text;
};

// A status text that starts a new status period (the period's countdown restarts).
struct StatusShown {
    std::string text;
};
// The status text changes within the running period.
struct StatusChanged {
    std::string text;
};
// The running status period is cut to this many ticks.
struct StatusCountdownSet {
    int ticks = 0;
};
// Transfer or saving progress changed; already within 0..maximum.
struct ProgressChanged {
    int value = 0;
    int maximum = 0;
};
// A transfer started: its text starts a new status period, and its progress, 0 of
// `progressMaximum`, is to be seen.
struct TransferStarted {
    std::string text;
    int progressMaximum = 0;
};
// Which transfer a success ends: its set is then known to be what the unit holds.
enum class TransferKind : std::uint8_t { Program, Verify, Read, Compare };

// A transfer ended with everything compared equal: the progress is full.
struct TransferSucceeded {
    std::string message;
    int progressMaximum = 0;
    // Program: the unit stored the image (its verify matched); Read: the image holds what the
    // unit read out twice the same; Verify: the unit holds the image; Compare: the side buffer
    // holds what the unit read out twice the same, the image is untouched.
    TransferKind kind = TransferKind::Verify;
};
// A transfer gave up; the progress stays where it was.
struct TransferFailed {
    std::string message;
    // A Read failed after its blocks had gone into the image (the unit did not read them out
    // the same way again): the link has put back blocks 1 and 2 as the image held them before
    // the Read. For the window this is a whole-image replacement, like a completed Read.
    bool imageRestored = false;
};

// A monitoring frame was accepted. The readout belongs to the link and stays valid until the next
// frame is accepted.
struct MonitorFrameDecoded {
    const MonitorReadout* readout = nullptr;
};
// Block 0 arrived; the link has put it into the image's unit information bytes.
struct UnitInfoArrived {
    UnitInfoTexts texts;
    std::uint8_t version = 0;  // the unit's compatibility version; kUnitVersion matches ours
    // A Read goes on to the parameter blocks: the window shows the unit's information with them.
    bool readGoesOn = false;
};
// A Read brought both parameter blocks. The link has put them into the image together, so the
// image never holds half of a Read; these are the bytes as the unit sent them.
struct ReadCompleted {
    std::array<std::uint8_t, kBlockSize> block1{};
    std::array<std::uint8_t, kBlockSize> block2{};
    // The blocks went into a Compare's side buffer; the image is as it was.
    bool sideBuffer = false;
};

using LinkReport =
    std::variant<PortOpening, PortChosen, UnitSilence, MessageForUser, StatusShown, StatusChanged,
                 StatusCountdownSet, ProgressChanged, TransferStarted, TransferSucceeded,
                 TransferFailed, MonitorFrameDecoded, UnitInfoArrived, ReadCompleted>;

// A visitor of reports built from one lambda per kind: `Take(Overloaded{[](const A&) {}, ...})`.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for compilers that do not deduce an aggregate's template arguments.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The reports not yet taken, oldest first. The slots are kept and reused, so adding a report
// allocates nothing once a busy tick's worth of room exists, and a report stays where it is
// while it is being handled.
class LinkReports {
  public:
    static constexpr std::size_t kReserved = 64;

    template <class Report, class... Args>
    void Add(Args&&... args) {
        // Past the reserved room a deque keeps the slots already handed out in place.
        if (count_ >= kReserved && count_ - kReserved == more_.size()) more_.emplace_back();
        // Braces: the reports are aggregates, and not every compiler builds them from parentheses.
        Slot(count_).template emplace<Report>(Report{std::forward<Args>(args)...});
        ++count_;
    }

    bool Empty() const { return count_ == taken_; }

    // Hands every report not yet taken to `visit` (a visitor of LinkReport), oldest first, and
    // forgets it. A handler may call into the link again: a message box keeps the tick running
    // behind it, and each tick takes its own reports. Those are handed out by that inner call,
    // before the reports still waiting here, which is the order in which things happened.
    template <class Visitor>
    void Take(Visitor&& visit);

  private:
    LinkReport& Slot(std::size_t i) { return i < kReserved ? first_[i] : more_[i - kReserved]; }

    std::array<LinkReport, kReserved> first_{};
    std::deque<LinkReport> more_;
    std::size_t count_ = 0;  // slots in use
    std::size_t taken_ = 0;  // slots before this belong to calls of Take still running
};

template <class Visitor>
void LinkReports::Take(Visitor&& visit) {
    const std::size_t first = taken_;
    for (std::size_t i = first; i < count_;) {
        const std::size_t end = count_;
        taken_ = end;
        for (; i < end; ++i) std::visit(visit, std::as_const(Slot(i)));
    }
    count_ = first;
    taken_ = first;
}

}  // namespace orvell
