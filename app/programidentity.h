#pragma once

namespace zerval {

// The name under which the desktop knows the program: its desktop entry
// (<id>.desktop), its icon in the icon theme and its AppStream component. The build reads it
// from this line.
inline constexpr char desktopEntryId[] = "org.example.zerval";

// Gives the application the program's icon, which every window shows in its title bar unless
// it sets its own, and ties its windows to the desktop entry (the desktop's task bar and
// window switcher then show the entry's name and icon).
void identifyProgram();

} // namespace zerval
