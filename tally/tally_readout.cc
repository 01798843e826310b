// Clearing the sheet, the read-out of the filled rows, the calculator and the grid's
// character echo.
#include <string>

#include "common/assets.h"
#include "common/grid/grid_ops.h"
#include "common/programs.h"
#include "common/text.h"
#include "tally/tally_commands.h"
#include "tally/tally_compute.h"
#include "tally/tally_window.h"

namespace {

using W = TallyWindow;
constexpr ui::GridRef G = W::TallyGrid;

// Appends "<length>米<count>根," for every filled count cell of rows 1..last of the group
// whose length labels stand in label_col and counts in count_col.
void ReadOutGroup(int label_col, int count_col, int last) {
  for (int i = 1; i <= last; ++i) {
    const std::string count = ToText(GetGridCellData(G, i, count_col));
    if (count.empty()) continue;
    ui::AppendEditText(W::ReadOutBox,
                       ToText(GetGridCellData(G, i, label_col)) + "米" + count + "根,");
  }
}

// The asset name of the clip for a key of the number pad, or "" for any other key.
std::string KeyClipName(int code) {
  if (code >= '0' && code <= '9') return std::string("key_") + static_cast<char>(code) + ".wav";
  switch (code) {
    case '.':
      return "key_point.wav";
    case '+':
      return "key_plus.wav";
    case '-':
      return "key_minus.wav";
    case '*':
      return "key_multiply.wav";
    case '/':
      return "key_divide.wav";
    default:
      return "";
  }
}

// The spoken key echo: the program carries the key clips but never turns the echo on.
constexpr bool kVoiceReadout = false;

}  // namespace

void TallyWindow_OnClearDataClick() {
  BuildTallyGrid();
  TallyWindow_OnReadOutClick();
}

void TallyWindow_OnReadOutClick() {
  RecomputeTally();
  ui::SetText(W::ReadOutBox, "");
  if (ui::GetText(W::FastenerCountBox).empty()) ui::SetFocusToUnit(W::FastenerCountBox);
  if (ui::GetChecked(W::DoubleLayoutOption)) {
    ReadOutGroup(0, 1, 27);
    ReadOutGroup(3, 4, 27);
  } else if (ui::GetChecked(W::SingleLayoutOption)) {
    ReadOutGroup(0, 1, 53);
  }
}

void TallyWindow_OnCalculatorClick() { RunProgram("C:\\Windows\\System32\\calc.exe", false); }

void TallyWindow_OnGridCharInput(const ui::EventArgs& args) {
  if (!kVoiceReadout) return;
  const std::string clip = KeyClipName(args.code);
  if (clip.empty()) return;
  const auto bytes = FindAsset(clip);
  if (!bytes.empty()) ui::PlaySoundClip(ByteSet(bytes.begin(), bytes.end()));
}
