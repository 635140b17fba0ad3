#pragma once
// Where a tab-separated export is between record ends, as the readers and
// the generic pre-pass keep it alike.
namespace tk {

class RecordEndTracker {
public:
  void text() { seen_ = open_ = true; }  // a byte of a record's text
  void recordEnded() { seen_ = open_ = false; }

  // A line break right after a record end (the LF of a CR LF) is none of
  // the next record's; one at the very start of the file is kept, so a file
  // may open with one.
  bool keepsLineBreak() const { return seen_; }
  // Text after the last record end is a record that lacks its end.
  bool recordOpen() const { return open_; }

private:
  bool seen_ = true;
  bool open_ = false;
};

}  // namespace tk
