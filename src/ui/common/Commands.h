// Command IDs of the menus, toolbar and keys. They name the commands in tests and in
// the menu-state rules, and match the IDs of the string-table entries of prompts.
#pragma once

namespace kestrova::ui::cmd {
inline constexpr int NewDataCapture = 57600, FindBluetooth = 32813, OpenOtherId = 32775, SaveData = 32803,
                     OpenSavedData = 32786, EventTimeReport = 32818, Close = 32779, PrintPreview = 57609, Print = 57607,
                     Exit = 57665, PatientInfo = 32784, PatientTitle = 32785, Trend = 32776, Table = 32777,
                     Analysis = 32810, RollStep = 32801, AnalysisSetup = 32811, UnitSetup = 32817, About = 57664,
                     PageUp = 32773, PageDown = 32774;
// Kestrova's own additions.
inline constexpr int ClinicalSummary = 33001, ClinicalReport = 33002;
inline constexpr int ZoomIn = 33003, ZoomOut = 33004, ZoomDefault = 33005, NextEvent = 33006, PreviousEvent = 33007,
                     EventList = 33008, GoToTime = 33009;
inline constexpr int Studies = 33010, Interpretation = 33011, ReportSetup = 33012, Help = 33013, Shortcuts = 33014,
                     Language = 33015;
// Mode > Zoom > one level each: ZoomLevel + the level's index in the menu.
inline constexpr int ZoomLevel = 33100;
} // namespace kestrova::ui::cmd
