// The nine colour tables of setvlt, by number: 0 SMAL, 1 RAIN, 2 SPEC, 3 GREY,
// 4 RRAI, 5 RSPE, 6 RGRE, 7 VGA, 8 TEMP. Entries are packed 0xRRGGBB.
#pragma once

namespace plotix {

enum ColourTable : int {
  kSmal = 0,
  kRain = 1,
  kSpec = 2,
  kGrey = 3,
  kRrai = 4,
  kRspe = 5,
  kRgre = 6,
  kVga = 7,
  kTemp = 8,
};

// Writes table `number` into npal (256 entries; SMAL fills 9, VGA 16, the rest
// of the entries black).
void fill_colour_table(int number, int npal[256]);

}  // namespace plotix
