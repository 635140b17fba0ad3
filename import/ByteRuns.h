#pragma once
// Scanning for the next byte that means something to a reader. Exports are
// mostly plain text, so the readers skip runs of ordinary bytes at once and
// handle the others one by one.
#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/Files.h"
#include "platform/MessagePump.h"
#include "platform/Simd.h"

namespace tk {

// The bytes a reader stops at (at most eight).
struct StopBytes {
  std::array<std::uint8_t, 256> table{};
  std::array<unsigned char, 8> list{};
  int count = 0;
};

constexpr StopBytes MakeStopBytes(std::initializer_list<unsigned char> bytes) {
  StopBytes stops;
  for (unsigned char b : bytes) {
    stops.table[b] = 1;
    stops.list[stops.count++] = b;
  }
  return stops;
}

// Finds the next stop byte; set up once per read.
class StopScanner {
public:
  explicit StopScanner(const StopBytes& stops) : stops_(stops) {
#ifdef TOMEKIT_SSE2
    for (int i = 0; i < stops.count; ++i)
      wanted_[i] = _mm_set1_epi8(static_cast<char>(stops.list[i]));
#endif
  }

  // The first byte of [p, end) that is a stop byte, or end.
  const char* skip(const char* p, const char* end) const {
#ifdef TOMEKIT_SSE2
    while (end - p >= 16) {
      __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      __m128i hit = _mm_cmpeq_epi8(block, wanted_[0]);
      for (int i = 1; i < stops_.count; ++i)
        hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, wanted_[i]));
      if (auto mask = static_cast<unsigned>(_mm_movemask_epi8(hit)))
        return p + std::countr_zero(mask);
      p += 16;
    }
#endif
    while (p != end && !stops_.table[static_cast<unsigned char>(*p)]) ++p;
    return p;
  }

private:
  const StopBytes& stops_;
#ifdef TOMEKIT_SSE2
  __m128i wanted_[8]{};  // only the first stops_.count are used
#endif
};

// Reads the rest of the input: onRun(run) for each run of ordinary bytes,
// onStop(byte) for each stop byte, pumping messages before each run. Reading
// ends at the end of the input, when onStop returns false or when the user
// asks to stop (pump.stopped()).
template <class OnRun, class OnStop>
void ScanRuns(InputFile& in, MessagePump& pump, const StopScanner& scanner, OnRun&& onRun,
              OnStop&& onStop) {
  for (auto chunk = in.buffered(); !chunk.empty(); chunk = in.buffered()) {
    in.consume(chunk.size());
    const char* p = chunk.data();
    const char* end = p + chunk.size();
    while (p != end) {
      pump.pump();
      if (pump.stopped()) return;
      const char* run = p;
      p = scanner.skip(p, end);
      if (p != run) {
        onRun(std::string_view(run, static_cast<std::size_t>(p - run)));
        if (p == end) break;
      }
      if (!onStop(*p++)) return;
    }
  }
}

}  // namespace tk
