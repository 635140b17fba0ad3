#include "app/WordListLimit.h"

#include <algorithm>

namespace tk::app {
namespace {

int CountedLength(QChar c) { return c == u'\n' ? 2 : 1; }

// How many characters of text fit into room, never half a surrogate pair.
qsizetype FittingPrefix(const QString& text, int room) {
  qsizetype kept = 0;
  for (int counted = 0; kept < text.size(); ++kept) {
    counted += CountedLength(text[kept]);
    if (counted > room) break;
  }
  if (kept > 0 && kept < text.size() && text[kept - 1].isHighSurrogate()) --kept;
  return kept;
}

}  // namespace

int CountedLength(const QString& text) { return static_cast<int>(text.size() + text.count(u'\n')); }

LimitedEdit LimitInsertion(const QString& before, const QString& after, int limit) {
  // What the edit left alone at either end; the rest of after is what it put in.
  const qsizetype common = std::min(before.size(), after.size());
  qsizetype head = 0;
  while (head < common && before[head] == after[head]) ++head;
  qsizetype tail = 0;
  while (tail < common - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
    ++tail;
  const QString inserted = after.mid(head, after.size() - head - tail);

  const int kept = CountedLength(after) - CountedLength(inserted);
  const int room = std::max(limit, CountedLength(before)) - kept;
  const qsizetype fits = FittingPrefix(inserted, room);
  if (fits == inserted.size()) return {after, head + fits, false};
  return {after.left(head) + inserted.left(fits) + after.right(tail), head + fits, true};
}

}  // namespace tk::app
