// orvell-unit-sim: a simulated ORVELL ignition unit on a pseudo-terminal.
#include <getopt.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "pty_unit.h"
#include "simulated_unit.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void RequestStop(int) {
    stopRequested = 1;
}

constexpr const char* kUsage = R"(Usage: orvell-unit-sim [options]

Opens a pseudo-terminal that behaves like an ORVELL ignition unit on a serial line, prints its
device path and answers the setup tool until interrupted (Ctrl+C). Point the tool at it with
ORVELL_COM1=<path> (or the --link path).

Options:
  --link PATH         keep a symlink PATH pointing at the pseudo-terminal
  --store FILE        load blocks 1 and 2 and the programming counter from FILE (when it
                      exists) and save them there after every Program
  --version N         report compatibility version N (default 75)
  --text TEXT         program text in the information block (up to 30 characters)
  --drop SHARE        drop this share of answers, 0..1 (default 0)
  --corrupt SHARE     corrupt this share of answers, 0..1: a flipped check-byte bit, a flipped
                      payload bit, or the same bit flipped in two payload bytes (invisible to
                      the check byte)
  --corrupt-requests SHARE
                      corrupt this share of requests before the unit acts on them, 0..1, in
                      the same ways; the command byte may be one of the two flipped bytes
  --late MS           answer MS milliseconds late (default 0)
  --silent            answer nothing
  --close-after N     close the line after every N answers and open a new one (the --link
                      symlink follows it)
  --fast              send answers at once instead of at the speed of 57600 baud
  --seed N            seed of the fault injection (default 1)
  --help              show this text
)";

bool ParseShare(const char* text, double& share) {
    char* end = nullptr;
    share = std::strtod(text, &end);
    return end != text && *end == '\0' && share >= 0.0 && share <= 1.0;
}

bool ParseInt(const char* text, long lo, long hi, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= lo && value <= hi;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvell::sim;
    UnitOptions unitOptions;
    PtyOptions ptyOptions;
    std::string storePath;

    enum {
        kLink = 1,
        kStore,
        kVersion,
        kText,
        kDrop,
        kCorrupt,
        kCorruptRequests,
        kLate,
        kSilent,
        kCloseAfter,
        kFast,
        kSeed,
        kHelp
    };
    const option longOptions[] = {
        {"link", required_argument, nullptr, kLink},
        {"store", required_argument, nullptr, kStore},
        {"version", required_argument, nullptr, kVersion},
        {"text", required_argument, nullptr, kText},
        {"drop", required_argument, nullptr, kDrop},
        {"corrupt", required_argument, nullptr, kCorrupt},
        {"corrupt-requests", required_argument, nullptr, kCorruptRequests},
        {"late", required_argument, nullptr, kLate},
        {"silent", no_argument, nullptr, kSilent},
        {"close-after", required_argument, nullptr, kCloseAfter},
        {"fast", no_argument, nullptr, kFast},
        {"seed", required_argument, nullptr, kSeed},
        {"help", no_argument, nullptr, kHelp},
        {nullptr, 0, nullptr, 0},
    };
    auto bad = [&](const char* what) {
        std::fprintf(stderr, "orvell-unit-sim: invalid %s\n%s", what, kUsage);
        return 2;
    };
    long n = 0;
    for (int opt; (opt = getopt_long(argc, argv, "", longOptions, nullptr)) != -1;) {
        switch (opt) {
            case kLink:
                ptyOptions.linkPath = optarg;
                break;
            case kStore:
                storePath = optarg;
                break;
            case kVersion:
                if (!ParseInt(optarg, 0, 255, n)) return bad("--version");
                unitOptions.version = static_cast<std::uint8_t>(n);
                break;
            case kText:
                unitOptions.programText = optarg;
                break;
            case kDrop:
                if (!ParseShare(optarg, unitOptions.dropShare)) return bad("--drop");
                break;
            case kCorrupt:
                if (!ParseShare(optarg, unitOptions.corruptShare)) return bad("--corrupt");
                break;
            case kCorruptRequests:
                if (!ParseShare(optarg, unitOptions.requestCorruptShare)) {
                    return bad("--corrupt-requests");
                }
                break;
            case kLate:
                if (!ParseInt(optarg, 0, 60000, n)) return bad("--late");
                ptyOptions.lateMs = static_cast<int>(n);
                break;
            case kSilent:
                unitOptions.silent = true;
                break;
            case kCloseAfter:
                if (!ParseInt(optarg, 1, 1000000, n)) return bad("--close-after");
                ptyOptions.closeAfterFrames = static_cast<int>(n);
                break;
            case kFast:
                ptyOptions.paced = false;
                break;
            case kSeed:
                if (!ParseInt(optarg, 0, 0xFFFFFFFFL, n)) return bad("--seed");
                unitOptions.seed = static_cast<std::uint32_t>(n);
                break;
            case kHelp:
                std::fputs(kUsage, stdout);
                return 0;
            default:
                std::fputs(kUsage, stderr);
                return 2;
        }
    }
    if (optind < argc) return bad("argument");

    SimulatedUnit unit(unitOptions);
    std::string error;
    if (!storePath.empty() && ::access(storePath.c_str(), F_OK) == 0) {
        if (!unit.Load(storePath, &error)) {
            std::fprintf(stderr, "orvell-unit-sim: %s\n", error.c_str());
            return 1;
        }
    }
    PtyUnit line(unit, ptyOptions);
    if (!line.Open(&error)) {
        std::fprintf(stderr, "orvell-unit-sim: %s\n", error.c_str());
        return 1;
    }
    line.OnNewLine([](const std::string& path) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
    });
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    unsigned saved = unit.StoreRevision();
    while (!stopRequested) {
        line.Service(50);
        if (!storePath.empty() && unit.StoreRevision() != saved) {
            saved = unit.StoreRevision();
            if (!unit.Save(storePath, &error))
                std::fprintf(stderr, "orvell-unit-sim: %s\n", error.c_str());
        }
    }
    return 0;
}
