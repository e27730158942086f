#pragma once

// Language strings of the wizards (language string n is resource 43000 + n).
inline constexpr int kMsgNoDataName = 343;      // "<None>"
inline constexpr int kMsgNewReportItem = 572;   // "New &Report"
inline constexpr int kMsgBlankReport = 579;     // "Report"
inline constexpr int kMsgReportWizard = 620;    // "Report Wizard"
inline constexpr int kMsgLabelTemplates = 1119; // "Label Templates"
