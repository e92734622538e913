#pragma once

#include <QString>
#include <optional>

// The firmware version of an instrument as its files and replies write it: 103 is "V1_03".
namespace Geraeteversion {

// 103 -> "V1_03", 5 -> "V0_05".
QString VersionText(int version);
// "V1_03" -> 103; nullopt when the text is too short or has no digit at the second, fourth
// or fifth position.
std::optional<int> VersionWert(const QString& text);

} // namespace Geraeteversion
