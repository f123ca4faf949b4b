// What the window knows of the unit's set: the automatic backups after a Read or a verified
// Program, the title's mark and the status bar's unit line while the window's set differs from
// the unit's, and the open dialog in the backup folder.
#include <algorithm>
#include <system_error>

#include "app/backups.h"
#include "app/form_hlav.h"
#include "app/set_listing.h"

namespace orvell {

void TFormHlav::TransferEndedWell(TransferKind kind) {
    // Every success compared blocks 1 and 2 with the unit's: of the image, or of a Compare's
    // buffer. They are the unit's set now.
    const ParamImage& held = kind == TransferKind::Compare ? unitSide_ : image;
    std::copy(held.Block1().begin(), held.Block1().end(), unitSet_.begin());
    std::copy(held.Block2().begin(), held.Block2().end(), unitSet_.begin() + kBlockSize);
    unitSetKnown_ = true;
    if (kind == TransferKind::Compare) {
        ShowComparison();
        return;
    }
    if (kind == TransferKind::Verify) return;
    // The transfer is over and stays a success; a backup that cannot be written is only told.
    const BackupOutcome backup =
        WriteBackup(backupFolder_, image,
                    kind == TransferKind::Read ? BackupKind::Read : BackupKind::Programmed,
                    unitInfo_.programId);
    if (!backup.written) {
        ShowMessage(texts[Msg::MsgBackupWriteError] + "\n\n" + backup.written.error);
    }
}

bool TFormHlav::ChangedSinceUnit() const {
    if (!unitSetKnown_) return false;
    // Byte 1 is the unit's own and no parameter, as in every Verify.
    const auto block1 = image.Block1();
    const auto block2 = image.Block2();
    return block1[0] != unitSet_[0] ||
           !std::equal(block1.begin() + 2, block1.end(), unitSet_.begin() + 2) ||
           !std::equal(block2.begin(), block2.end(), unitSet_.begin() + kBlockSize);
}

void TFormHlav::UpdateUnitState() {
    const bool changed = ChangedSinceUnit();
    // Anything that sets the title (a file, a language switch) sets it without the mark.
    if (window.FormHlav.Caption().starts_with(kChangedTitleMark) != changed) ShowTitle();

    const std::string& device = link_.DevicePath();
    UnitLineShown& shown = unitLine_;
    if (shown.changed == changed && shown.language == boundedSettings.languageIndex &&
        shown.device == device && shown.programId == unitInfo_.programId) {
        return;  // nearly always: nothing is built
    }
    shown = {changed, boundedSettings.languageIndex, device, unitInfo_.programId};
    std::string line = device;
    if (!unitInfo_.programId.empty()) line += "   " + unitInfo_.programId;
    if (changed) line += "   " + texts[Msg::MsgChangedSinceProgramming];
    window.LabelUnitState.SetCaption(line);
}

void TFormHlav::MenuCompareClick() {
    if (editorState.refreshing) return;
    // What is typed counts, as for Verify; the unit is read into the side buffer only.
    TakeShownValues();
    unitSide_ = image;  // bytes a Read does not bring stay equal and are never listed
    link_.StartCompare(unitSide_);
    TakeLinkReports();
}

void TFormHlav::ShowComparison() {
    const std::vector<std::string> lines = DiffSets(image, unitSide_);
    std::string text = lines.empty() ? texts[Msg::MsgCompareSame] : texts[Msg::MsgCompareHeader];
    text += "\n";
    for (const std::string& line : lines) text += "\n" + line;
    platform_.ShowTextReport(texts[Msg::MsgCompareTitle], text, texts[Msg::MsgCopy]);
}

void TFormHlav::MenuOpenBackupClick() {
    std::error_code ec;
    std::filesystem::create_directories(backupFolder_, ec);  // an empty folder still opens
    const std::filesystem::path before = dialogFile_;
    const std::filesystem::path start = backupFolder_ / "";
    dialogFile_ = start;
    MenuOpenClick();
    // A cancelled dialog leaves the next one where it would have started.
    if (dialogFile_ == start) dialogFile_ = before;
}

}  // namespace orvell
