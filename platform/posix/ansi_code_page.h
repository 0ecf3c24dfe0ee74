// The emulated machine's ANSI code page: Windows-1252, the code page of an
// English or Western European Windows (and of Wine in such a locale). Only
// files with a byte-order mark need it: their text is Unicode, the profile
// calls' texts are ANSI.
#pragma once

namespace zt::platform::posix {

// The character a Windows-1252 byte stands for. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, so every byte survives a round trip.
char32_t code_point_of_ansi(unsigned char byte);

// The Windows-1252 byte for a character, or '?' when the code page has none.
// (Windows substitutes a similar letter for some of them, "A" for "Ā"; the
// emulation does not.)
unsigned char ansi_of_code_point(char32_t code_point);

} // namespace zt::platform::posix
