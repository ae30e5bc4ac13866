#pragma once

// The program's identity as the about box, the frame window's caption and the
// application name show it. The same values are in the
// desktop entry, lumoplot.desktop, which a test compares with these.
inline constexpr char ProgramName[] = "Lumoplot 2003";
inline constexpr char ProgramVersion[] = "1.02 final";
inline constexpr char ProgramDate[] = "27.08.2003";
// File and product version numbers, for the desktop entry.
inline constexpr char ProgramVersionNumbers[] = "1.0.2.0";
