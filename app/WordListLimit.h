#pragma once
// The popup word list's length limit, counted the way the word list files
// count it: a line break is two characters there.
#include <QString>

namespace tk::app {

int CountedLength(const QString& text);

struct LimitedEdit {
  QString text;      // the edit with its inserted text cut to fit
  qsizetype cursor;  // just after what was kept of the insertion
  bool cut;          // some of the insertion was dropped
};

// The edit that turned before into after, with the text it inserted (typed,
// pasted or put over a selection) cut at its end so that the list counts no
// more than limit, or no more than before did if that was already more.
LimitedEdit LimitInsertion(const QString& before, const QString& after, int limit);

}  // namespace tk::app
