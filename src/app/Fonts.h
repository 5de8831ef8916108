#pragma once

namespace varelo {

// Maps the Windows font names the game asks for to the Debian fonts the
// set-up installs: "宋体" draws with WenQuanYi Micro Hei (Noto CJK would give
// Japanese glyph shapes), "楷体_GB2312" with AR PL UKai, "Comic Sans MS" with
// Comic Neue.
void InstallFontSubstitutions();

}  // namespace varelo
