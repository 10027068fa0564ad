// CTevLayoutWordReader: one TYPE word of an index layout ("integer", "octets",
// "fixed:6", "ipaddress/implied"...) read into the layout word that decodes and
// encodes it, with the reason when the word is refused.
#ifndef TEVASNTABLE_CTEVLAYOUTWORDREADER_H
#define TEVASNTABLE_CTEVLAYOUTWORDREADER_H

#include "base/CTevTextBuilder.h"
#include "table/TevLayoutWord.h"

class CTevLayoutWordReader {
 public:
  /// Reads the `out->word_length` characters at `word` into `*out`; `last`
  /// when it is the layout's last word (the only one that may be IMPLIED).
  /// 0, -410 with the reason in `why`, or the code of the core (-3).
  static long read(const char* word, bool last, unsigned long flags, TevLayoutWord* out,
                   CTevTextBuilder* why);

 private:
  // The sizes and domains of the address types are the core's: its sample
  // value's index encoding tells them.
  static long measure_from_library(TevLayoutWord* out_word);
};

#endif  // TEVASNTABLE_CTEVLAYOUTWORDREADER_H
