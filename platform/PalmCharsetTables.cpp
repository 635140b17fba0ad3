#include "platform/PalmCharsetTables.h"

#include <stdexcept>

namespace tk::charsets {
namespace {

#include "platform/charsets/big5.inc"
#include "platform/charsets/euc-kr.inc"
#include "platform/charsets/gbk.inc"
#include "platform/charsets/koi8-r.inc"
#include "platform/charsets/shift_jis.inc"
#include "platform/charsets/windows-1250.inc"
#include "platform/charsets/windows-1251.inc"
#include "platform/charsets/windows-1253.inc"
#include "platform/charsets/windows-1254.inc"
#include "platform/charsets/windows-1257.inc"

}  // namespace

const CharsetTables& TablesOf(PalmCharset charset) {
  switch (charset) {
    case PalmCharset::Windows1250:
      return kWindows1250Tables;
    case PalmCharset::Windows1251:
      return kWindows1251Tables;
    case PalmCharset::Windows1253:
      return kWindows1253Tables;
    case PalmCharset::Windows1254:
      return kWindows1254Tables;
    case PalmCharset::Windows1257:
      return kWindows1257Tables;
    case PalmCharset::Koi8R:
      return kKoi8RTables;
    case PalmCharset::ShiftJis:
      return kShiftJisTables;
    case PalmCharset::Gbk:
      return kGbkTables;
    case PalmCharset::Big5:
      return kBig5Tables;
    case PalmCharset::EucKr:
      return kEucKrTables;
    case PalmCharset::Windows1252:
      break;
  }
  throw std::logic_error("Windows-1252 has no tables of its own");
}

}  // namespace tk::charsets
