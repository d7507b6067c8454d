#pragma once

class QWidget;

namespace lumidex {

class TForm1;

// The tool tip of a control whose command does not exist yet.
inline constexpr char kUnavailableHint[] = "この機能はまだありません。";

// Disables the controls of `window` whose commands do not exist yet (none
// at present: every control of the window is served) and adds
// kUnavailableHint to each one's tool tip and makes it the status tip, so
// that no control looks live and does nothing. A command that comes takes
// its control off the list. Main thread only.
void DisableUnavailableCommands(TForm1& window);

}  // namespace lumidex
