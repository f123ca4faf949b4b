#include "tools/cli/cli.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <variant>

#include "app/backups.h"
#include "app/set_listing.h"
#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "core/param_file.h"
#include "core/param_image.h"
#include "i18n/messages.h"
#include "link/device_link.h"
#include "link/live_log.h"
#include "link/unit_info.h"

namespace orvell::cli {

namespace {

// A transfer may take a few hundred ticks on a healthy line (resends included); past this the
// unit is not answering in any useful way.
constexpr int kTransferTickLimit = 2000;
constexpr int kInfoTickLimit = 200;

struct Options {
    std::string port = "COM1";
    bool json = false;
    std::optional<int> seconds;  // the live log's length
    bool backup = true;
    std::vector<std::string> words;
};

// A message box text on one line.
std::string OneLine(std::string text) {
    std::string out;
    bool space = false;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space) {
            if (c == ' ') continue;
            out += out.back() == '!' || out.back() == ':' ? " " : ": ";
            space = false;
        }
        out += c;
    }
    return out;
}

std::optional<int> ComNumber(std::string_view port) {
    if (port.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(port[i])) != "COM"[i]) return std::nullopt;
    }
    int n = 0;
    const auto [ptr, ec] = std::from_chars(port.data() + 3, port.data() + port.size(), n);
    if (ec != std::errc{} || ptr != port.data() + port.size() || n < 1 || n > kComPortCount) {
        return std::nullopt;
    }
    return n;
}

// Loads a parameter file as the window opens one: limited to the fields' ranges by the reader,
// then the rules. What the window would tell the user goes to the error stream.
bool LoadSet(const std::string& path, ParamImage& image, std::ostream& err) {
    const ParamFileReadResult read = ReadParameterFile(path, image);
    if (!read.opened) {
        err << "orvell-cli: cannot open " << path << "\n";
        return false;
    }
    if (!read.Loaded()) {
        err << "orvell-cli: " << path
            << " holds no parameter set of a version this program reads\n";
        return false;
    }
    if (read.OlderVersion()) {
        err << "orvell-cli: " << path << " is an older version (" << read.version
            << "); parameters it does not hold keep their defaults\n";
    }
    for (const std::string& key : read.limitedFields) {
        err << "orvell-cli: " << path << ": " << key
            << " held numbers outside the field's range; they were limited\n";
    }
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    return true;
}

// What a file is loaded over, as in the window: bytes a file does not hold (the reserved ones)
// keep the start-up set's values, which are also what the tool programs into a unit.
ParamImage StartupImage() {
    ParamImage image;
    ApplyStartupSet(image);
    return image;
}

enum class Operation { Read, Program, Verify, Info, Log };

class Session {
  public:
    Session(Environment& env, std::ostream& out, std::ostream& err, const Options& options)
        : env_(env), out_(out), err_(err), link_(*env.port, image_, texts_) {
        auto ports = env.settingsPorts;
        if (const auto com = ComNumber(options.port)) {
            com_ = *com;
        } else {
            com_ = 1;
            ports[1] = options.port;  // a device path: COM1 of this run
        }
        link_.SetPortOverrides(std::move(ports));
        if (options.backup) backupFolder_ = env.backupFolder;
        link_.SetPortChoice(com_ - 1);
    }

    ParamImage& Image() { return image_; }

    int Execute(Operation op) {
        link_.OpenPort();
        if (const int failed = TakeReports(); failed >= 0) return failed;
        switch (op) {
            case Operation::Program:
                link_.StartProgram();
                break;
            case Operation::Verify:
                link_.StartVerify();
                break;
            case Operation::Read:
            case Operation::Info:
            case Operation::Log:  // the log reads the unit's set first (Log)
                link_.StartRead();
                break;
        }
        op_ = op;
        const int limit = op == Operation::Info ? kInfoTickLimit : kTransferTickLimit;
        for (int tick = 0; tick < limit; ++tick) {
            env_.waitTick();
            link_.PollReceive();
            if (link_.ReceivedCount() > 0) answered_ = true;
            if (const int done = TakeReports(); done >= 0) return Finish(done);
            link_.TransferTick();
            if (const int done = TakeReports(); done >= 0) return Finish(done);
            if (op == Operation::Info && info_ && programCount_) return Finish(kExitOk);
        }
        if (op == Operation::Info && info_) return Finish(kExitOk);
        err_ << "orvell-cli: no answer from the unit on " << link_.DevicePath() << "\n";
        return Finish(kExitError);
    }

    // Reads the unit's set (the live cell is a cell of the unit's own map), then writes one row
    // per monitoring frame into `path` until `seconds` have passed or the user interrupts.
    int Log(const std::string& path, std::optional<int> seconds) {
        link_.OpenPort();
        if (const int failed = TakeReports(); failed >= 0) return failed;
        op_ = Operation::Read;
        link_.StartRead();
        int read = -1;
        for (int tick = 0; tick < kTransferTickLimit && read < 0; ++tick) {
            Tick();
            link_.PollReceive();
            if (link_.ReceivedCount() > 0) answered_ = true;
            read = TakeReports();
            if (read >= 0) break;
            link_.TransferTick();
            read = TakeReports();
        }
        if (read < 0) {
            err_ << "orvell-cli: no answer from the unit on " << link_.DevicePath() << "\n";
            return Finish(kExitError);
        }
        // A Read that ended in a difference keeps the repaired set, as the window does.
        if (read == kExitError) return Finish(read);
        if (env_.progress) err_ << "\n";

        FileLogSink sink;
        if (const std::string error = sink.Open(path); !error.empty()) {
            err_ << "orvell-cli: cannot create " << path << ": " << error << "\n";
            link_.ClosePort();
            return kExitError;
        }
        op_ = Operation::Log;
        if (env_.catchInterrupt) env_.catchInterrupt();
        const std::int64_t start = Now();
        bool written = log_.Start(sink, start);
        while (written && (!seconds || Now() - start < std::int64_t{*seconds} * 1000) &&
               !(env_.interrupted && env_.interrupted())) {
            Tick();
            link_.PollReceive();
            TakeReports();
            link_.TransferTick();
            TakeReports();
            link_.WatchdogTick();
            TakeReports();
            written = log_.Recording();
        }
        written = log_.Stop() && written;
        written = sink.Close() && written;
        link_.ClosePort();
        if (!written) {
            err_ << "orvell-cli: cannot write " << path << ": " << sink.Error() << "\n";
            return kExitError;
        }
        out_ << log_.Rows() << " rows in " << path << "\n";
        return kExitOk;
    }

  private:
    void Tick() {
        env_.waitTick();
        ++ticks_;
    }
    std::int64_t Now() const { return env_.clockMs ? env_.clockMs() : std::int64_t{55} * ticks_; }

    int Finish(int status) {
        if (env_.progress) err_ << "\n";
        link_.ClosePort();
        if (op_ == Operation::Info && info_) PrintInfo();
        return status;
    }

    void PrintInfo() {
        out_ << "Program: " << info_->texts.programId << "\n"
             << "Date: " << info_->texts.programDate << "\n"
             << "Time: " << info_->texts.programTime << "\n"
             << "Compatibility version: " << +info_->version
             << (info_->version == kUnitVersion ? " (matches this program)" : " (does not match)")
             << "\n";
        if (programCount_) out_ << "Programming count: " << *programCount_ << "\n";
    }

    // Handles what the link reported; a status >= 0 ends the command.
    int TakeReports() {
        int status = -1;
        link_.Reports().Take(Overloaded{
            [&](const MessageForUser& r) {
                if (status < 0) {
                    err_ << "orvell-cli: " << OneLine(r.text) << "\n";
                    status = kExitError;
                }
            },
            [&](const ProgressChanged& r) {
                if (env_.progress && r.maximum > 0) {
                    err_ << "\r" << progressText_ << " " << (100 * r.value / r.maximum) << " %"
                         << std::flush;
                }
            },
            [&](const TransferStarted& r) {
                progressText_ = r.text;
                if (env_.progress) err_ << "\r" << r.text << std::flush;
            },
            [&](const StatusShown& r) { progressText_ = r.text; },
            [&](const TransferSucceeded& r) {
                if (status < 0 && op_ != Operation::Info) status = kExitOk;
                if (r.kind == TransferKind::Read || r.kind == TransferKind::Program) {
                    KeepBackup(r.kind);
                }
            },
            [&](const TransferFailed& r) {
                if (status >= 0) return;
                if (op_ == Operation::Info && info_) return;
                if (!answered_) {
                    err_ << "orvell-cli: no answer from the unit on " << link_.DevicePath() << "\n";
                    status = kExitError;
                } else if (r.message == texts_[Msg::MsgVerifyError]) {
                    err_ << "orvell-cli: " << r.message << " The unit holds a different set.\n";
                    status = kExitDifferent;
                } else {
                    err_ << "orvell-cli: " << OneLine(r.message) << " (on " << link_.DevicePath()
                         << ")\n";
                    status = kExitError;
                }
            },
            [&](const UnitInfoArrived& r) {
                info_ = r;
                if (op_ == Operation::Info) link_.GetTransfer().Abandon();
            },
            [&](const UnitSilence& r) {
                if (op_ != Operation::Log || r.silent == silent_) return;
                silent_ = r.silent;
                err_ << "orvell-cli: "
                     << (r.silent ? "the unit stopped answering; no rows until it answers again"
                                  : "the unit answers again")
                     << "\n";
            },
            [&](const MonitorFrameDecoded& r) {
                if (op_ == Operation::Log) {
                    const LivePoint point =
                        ComputeLivePoint(link_.Monitor(), image_, image_.TpsMapFlag() != 0);
                    log_.Record(Now(), link_.Monitor(), point);
                    return;
                }
                const std::string& text = r.readout->programCount.text;
                const auto at = text.rfind('=');
                if (at != std::string::npos) {
                    programCount_ = text.substr(at + 1);
                    programCount_->erase(0, programCount_->find_first_not_of(' '));
                }
            },
            [&](const ReadCompleted&) {
                // A whole-image replacement: the rules repair what the window would repair.
                rules_.ResetAxisMemory();
                rules_.ApplyConsistencyRules(image_);
            },
            [](const auto&) {},
        });
        return status;
    }

    // The set the unit now holds, kept beside the others; a failure is told and changes nothing.
    void KeepBackup(TransferKind kind) {
        if (backupFolder_.empty()) return;
        const BackupOutcome backup =
            WriteBackup(backupFolder_, image_,
                        kind == TransferKind::Read ? BackupKind::Read : BackupKind::Programmed,
                        info_ ? std::string_view(info_->texts.programId) : std::string_view());
        if (!backup.written) {
            err_ << "orvell-cli: the transfer is complete, but its backup could not be written: "
                 << backup.written.error << "\n";
        }
    }

    Environment& env_;
    std::ostream& out_;
    std::ostream& err_;
    ParamImage image_ = StartupImage();
    MessageTexts texts_ = MessagesFor(kEnglish);
    ConsistencyRules rules_;
    DeviceLink link_;
    int com_ = 1;
    std::filesystem::path backupFolder_;
    Operation op_ = Operation::Read;
    bool answered_ = false;
    std::string progressText_;
    std::optional<UnitInfoArrived> info_;
    std::optional<std::string> programCount_;
    LiveLog log_;
    long ticks_ = 0;
    bool silent_ = false;
};

int Usage(std::ostream& err, const std::string& problem) {
    err << "orvell-cli: " << problem << " (try --help)\n";
    return kExitError;
}

}  // namespace

const char* UsageText() {
    return R"(Usage: orvell-cli [--port COMn|DEVICE] COMMAND [ARGUMENTS]

Commands with a unit:
  read FILE.ign       read the unit's parameter set (checked by reading it again) into FILE
  program FILE.ign    program the set of FILE into the unit and verify it
  verify FILE.ign     compare the unit's set with FILE without writing anything
  info                the unit's program, its date and time, its compatibility version and
                      how often it was programmed
  log FILE.csv [--seconds N]
                      record the unit's live readings, one CSV row per monitoring frame,
                      for N seconds or until Ctrl+C (the unit's set is read first, so the
                      logged map cell is one of its own map)

Commands with files:
  show [--json] FILE.ign   the set as a readable list (or JSON), the advance map as a table
  diff A.ign B.ign         every field, rpm breakpoint and map cell that differs

Options:
  --port COMn|DEVICE  the unit's port: a COM number as in the window (COM1 by default; the
                      environment's ORVELL_COM<n> and the settings file's [PORTS] section
                      apply), or a device file such as /dev/ttyUSB0
  --no-backup         keep no backup of this read or program (by default every completed
                      read and verified program is also saved as
                      $XDG_DATA_HOME/orvell/backups/YYYY-MM-DD_HHMMSS_read_<program>.ign or
                      ..._programmed_<program>.ign, usually under ~/.local/share)
  --help              this text

Exit status: 0 done (and verified), 1 a difference (verify, diff), 2 a link, file or usage
error, told in one line on standard error.
)";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        Environment& env) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << UsageText();
            return kExitOk;
        }
        if (a == "--port") {
            if (i + 1 >= args.size()) return Usage(err, "--port needs a COM number or a device");
            options.port = args[++i];
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--seconds") {
            int n = 0;
            const std::string* value = i + 1 < args.size() ? &args[++i] : nullptr;
            const auto [ptr, ec] =
                value != nullptr ? std::from_chars(value->data(), value->data() + value->size(), n)
                                 : std::from_chars_result{nullptr, std::errc::invalid_argument};
            if (ec != std::errc{} || ptr != value->data() + value->size() || n < 1) {
                return Usage(err, "--seconds needs a whole number of seconds above 0");
            }
            options.seconds = n;
        } else if (a == "--no-backup") {
            options.backup = false;
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage(err, "unknown option " + a);
        } else {
            options.words.push_back(a);
        }
    }
    if (options.words.empty()) return Usage(err, "no command");
    const std::string& command = options.words[0];
    const std::size_t arguments = options.words.size() - 1;
    const auto needs = [&](std::size_t n) { return arguments == n; };

    if (command == "show") {
        if (!needs(1)) return Usage(err, "show needs one file");
        ParamImage image = StartupImage();
        if (!LoadSet(options.words[1], image, err)) return kExitError;
        if (options.json) {
            PrintSetJson(image, out);
        } else {
            PrintSet(image, out);
        }
        return kExitOk;
    }
    if (command == "diff") {
        if (!needs(2)) return Usage(err, "diff needs two files");
        ParamImage a = StartupImage();
        ParamImage b = StartupImage();
        if (!LoadSet(options.words[1], a, err) || !LoadSet(options.words[2], b, err)) {
            return kExitError;
        }
        const std::vector<std::string> lines = DiffSets(a, b);
        for (const std::string& line : lines) out << line << "\n";
        return lines.empty() ? kExitOk : kExitDifferent;
    }

    if (command == "log") {
        if (!needs(1)) return Usage(err, "log needs one file");
        if (env.port == nullptr) return Usage(err, "no serial port");
        Session session(env, out, err, options);
        return session.Log(options.words[1], options.seconds);
    }
    if (options.seconds) return Usage(err, "--seconds is for the log command");

    const std::optional<Operation> op = command == "read"      ? std::optional(Operation::Read)
                                        : command == "program" ? std::optional(Operation::Program)
                                        : command == "verify"  ? std::optional(Operation::Verify)
                                        : command == "info"    ? std::optional(Operation::Info)
                                                               : std::nullopt;
    if (!op) return Usage(err, "unknown command " + command);
    if (!needs(*op == Operation::Info ? 0 : 1)) {
        return Usage(err,
                     command + (*op == Operation::Info ? " takes no file" : " needs one file"));
    }
    if (env.port == nullptr) return Usage(err, "no serial port");

    Session session(env, out, err, options);
    if (*op == Operation::Program || *op == Operation::Verify) {
        if (!LoadSet(options.words[1], session.Image(), err)) return kExitError;
    }
    const int status = session.Execute(*op);
    if (*op == Operation::Read && status != kExitError) {
        // A Read whose second reading differed only by the rules' repair ends in a difference;
        // the file then holds the repaired set, as the window would.
        const WriteOutcome written = WriteParameterFile(options.words[1], session.Image());
        if (!written) {
            err << "orvell-cli: cannot write " << options.words[1] << ": " << written.error << "\n";
            return kExitError;
        }
    }
    return status;
}

}  // namespace orvell::cli
