// Who makes the program and where to reach them: shown on the splash and About window and
// used by the Help menu.
#pragma once

namespace frame {

inline constexpr const char* kProgramName = "Orvalis";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 7;
inline constexpr const char* kProductTitle = "Statistics and probability with formulas in view";
inline constexpr const char* kCopyrightLine = "Orvalis developers";
inline constexpr const char* kMakerWeb = "www.orvalis.example.org";
inline constexpr const char* kMakerHomePage = "https://www.orvalis.example.org/";
inline constexpr const char* kMakerDonationPage = "https://www.orvalis.example.org/donate.html";
inline constexpr const char* kMakerMail = "orvalis@example.org";
// The product code in the manual's file name "Manual_ORVA.pdf".
inline constexpr const char* kProductCode = "ORVA";

}  // namespace frame
