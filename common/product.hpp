#pragma once
// Fixed facts about the product that several programs and files carry.
#include <string_view>

namespace karvelo {

// The viewer's version text and release date, as written into files it produces.
inline constexpr std::string_view kVersionText = "V001.000.015";
inline constexpr std::string_view kReleaseDate = "28.12.2012";
inline constexpr std::string_view kMakerCredit = " - ein Werkzeug von Brenmoor für Servicetechniker";

// The maker's web server (host name only).
inline constexpr std::string_view kMakerHost = "www.brenmoor.de";
}  // namespace karvelo
