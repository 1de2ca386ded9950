// Letter case in the Windows-1252 code page, as text comparisons and searches fold it.
#pragma once

namespace sw {

// The lower-case form of a Windows-1252 character (A-Z, the accented capitals, and the
// four capitals of the 0x80-0x9F range); other characters come back unchanged.
unsigned char FoldCase1252(unsigned char c);

}  // namespace sw
