#include "engine/local_time_cache.h"

#include <algorithm>

#include "engine/civil_time.h"
#include "engine/platform/local_time.h"

namespace quorvel {

namespace {

constexpr std::size_t kMaxSpans = 4;
constexpr std::int64_t kMaxSteps = 8;  // farther away, a fresh start is cheaper

bool SameRegime(const std::tm& a, std::int64_t aOffset, const std::tm& b, std::int64_t bOffset) {
  return aOffset == bOffset && a.tm_isdst == b.tm_isdst;
}

}  // namespace

// A leap second (tm_sec 60) is no arithmetic result: such a moment is never
// part of a span.
bool LocalTimeCache::Probe(std::int64_t seconds, Span& span) const {
  if (!PlatformLocalTime(seconds, span.pattern)) return false;
  if (span.pattern.tm_sec < 0 || span.pattern.tm_sec > 59) return false;
  span.first = span.last = seconds;
  span.offset = SecondsAsUtc(span.pattern) - seconds;
  return true;
}

void LocalTimeCache::Seed(std::int64_t seconds, const std::tm& tm) {
  spans_.clear();
  if (tm.tm_sec < 0 || tm.tm_sec > 59) return;
  Span span;
  span.first = span.last = seconds;
  span.offset = SecondsAsUtc(tm) - seconds;
  span.pattern = tm;
  spans_.push_back(span);
}

// Narrows before (in the regime of earlier) and after (in that of later) to
// adjacent seconds, between which the changeover lies. False when a probe
// fails or shows a third regime: then it is not a single changeover.
bool LocalTimeCache::FindChangeover(const Span& earlier, const Span& later, std::int64_t& before,
                                    std::int64_t& after) const {
  while (after - before > 1) {
    const std::int64_t middle = before + (after - before) / 2;
    Span probe;
    if (!Probe(middle, probe)) return false;
    if (SameRegime(probe.pattern, probe.offset, earlier.pattern, earlier.offset)) {
      before = middle;
    } else if (SameRegime(probe.pattern, probe.offset, later.pattern, later.offset)) {
      after = middle;
    } else {
      return false;
    }
  }
  return true;
}

// Extends the spans to include from..to; false when that is too far or the
// probes do not allow it.
bool LocalTimeCache::Cover(std::int64_t from, std::int64_t to) {
  if (spans_.empty()) return false;
  if (to - spans_.back().last > kMaxSteps * kStep) return false;
  if (spans_.front().first - from > kMaxSteps * kStep) return false;
  while (spans_.back().last < to) {
    if (!Step(true)) return false;
  }
  while (spans_.front().first > from) {
    if (!Step(false)) return false;
  }
  return true;
}

// One probe kStep beyond the last span (forward) or before the first; a
// different regime there means one changeover in between, found by bisection.
bool LocalTimeCache::Step(bool forward) {
  Span probe;
  if (!Probe(forward ? spans_.back().last + kStep : spans_.front().first - kStep, probe)) {
    return false;
  }
  Span& edge = forward ? spans_.back() : spans_.front();
  if (SameRegime(probe.pattern, probe.offset, edge.pattern, edge.offset)) {
    (forward ? edge.last : edge.first) = probe.first;
    return true;
  }
  Span& earlier = forward ? edge : probe;
  Span& later = forward ? probe : edge;
  std::int64_t before = earlier.last;
  std::int64_t after = later.first;
  if (!FindChangeover(earlier, later, before, after)) return false;
  earlier.last = before;
  later.first = after;
  if (forward) {
    if (spans_.size() == kMaxSpans) spans_.erase(spans_.begin());
    spans_.push_back(probe);
  } else {
    if (spans_.size() == kMaxSpans) spans_.pop_back();
    spans_.insert(spans_.begin(), probe);
  }
  return true;
}

const LocalTimeCache::Span* LocalTimeCache::SpanOf(std::int64_t seconds) const {
  for (const Span& span : spans_) {
    if (seconds >= span.first && seconds <= span.last) return &span;
  }
  return nullptr;
}

void LocalTimeCache::Derive(std::int64_t seconds, const Span& span, std::tm& tm) {
  tm = span.pattern;
  BreakDownSeconds(seconds + span.offset, tm);
}

// The day of seconds, as far as span shows it.
void LocalTimeCache::DayOf(std::int64_t seconds, const Span& span, Day& day) {
  Derive(seconds, span, day.date);
  day.midnight = seconds - (day.date.tm_hour * 3600 + day.date.tm_min * 60 + day.date.tm_sec);
  day.offset = span.offset;
  day.first = std::max(span.first, day.midnight);
  day.last = std::min(span.last, day.midnight + 86399);
}

// Derive's answer for a moment of day.
void LocalTimeCache::TimeOfDay(const Day& day, std::int64_t seconds, std::tm& tm) {
  const int ofDay = static_cast<int>(seconds - day.midnight);
  tm = day.date;
  tm.tm_hour = ofDay / 3600;
  tm.tm_min = ofDay / 60 % 60;
  tm.tm_sec = ofDay % 60;
}

// Keeps the day of seconds for MakeLocalTime when one span holds every
// moment within kReach of the day: then every local time of the day has one
// reading, at the span's offset.
void LocalTimeCache::FindMadeDay(std::int64_t seconds) {
  madeDay_.first = 1;
  madeDay_.last = 0;
  const Span* span = SpanOf(seconds);
  if (span == nullptr) return;
  Day day;
  DayOf(seconds, *span, day);
  const std::int64_t from = day.midnight - kReach;
  const std::int64_t to = day.midnight + 86399 + kReach;
  if (!Cover(from, to)) return;
  span = SpanOf(seconds);  // Cover may have moved the spans
  if (span == nullptr || span->first > from || span->last < to) return;
  day.first = day.midnight;
  day.last = day.midnight + 86399;
  madeDay_ = day;
}

bool LocalTimeCache::LocalTime(std::int64_t seconds, std::tm& tm) {
  if (seconds >= shownDay_.first && seconds <= shownDay_.last) {
    TimeOfDay(shownDay_, seconds, tm);
    return true;
  }
  if (Cover(seconds, seconds)) {
    if (const Span* span = SpanOf(seconds)) {
      DayOf(seconds, *span, shownDay_);
      TimeOfDay(shownDay_, seconds, tm);
      return true;
    }
  }
  if (!PlatformLocalTime(seconds, tm)) return false;
  Seed(seconds, tm);
  return true;
}

bool LocalTimeCache::MakeLocalTime(std::tm& tm, std::int64_t& seconds) {
  // A time in the remembered day: its one reading, at the offset mktime
  // remembers already, so that skipping mktime leaves its memory right.
  const Day& day = madeDay_;
  if (tm.tm_mday == day.date.tm_mday && tm.tm_mon == day.date.tm_mon &&
      tm.tm_year == day.date.tm_year && day.first <= day.last && tm.tm_isdst < 0 &&
      static_cast<unsigned>(tm.tm_hour) < 24 && static_cast<unsigned>(tm.tm_min) < 60 &&
      static_cast<unsigned>(tm.tm_sec) < 60 && knowMakeOffset_ && makeOffset_ == day.offset) {
    const int hour = tm.tm_hour;
    const int minute = tm.tm_min;
    const int second = tm.tm_sec;
    seconds = day.midnight + hour * 3600 + minute * 60 + second;
    tm = day.date;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return true;
  }
  const std::int64_t local = SecondsAsUtc(tm);
  // Out-of-range seconds are left to mktime: it handles them apart.
  const bool cacheable = tm.tm_isdst < 0 && tm.tm_sec >= 0 && tm.tm_sec <= 59;
  if (cacheable && knowMakeOffset_) {
    const std::int64_t guess = local - makeOffset_;
    // Every reading of local lies within kReach of the guess, where the spans
    // tell each offset: a span in which local less its offset falls is one.
    if (Cover(guess - kReach, guess + kReach)) {
      const Span* reading = nullptr;
      int readings = 0;
      for (const Span& span : spans_) {
        const std::int64_t candidate = local - span.offset;
        if (candidate >= span.first && candidate <= span.last) {
          reading = &span;
          ++readings;
        }
      }
      if (readings == 1 && reading->offset == makeOffset_) {
        seconds = guess;
        Derive(seconds, *reading, tm);
        FindMadeDay(seconds);
        return true;
      }
    }
  }
  std::tm attempt = tm;
  if (!PlatformMakeLocalTime(attempt, seconds, makeOffset_)) {
    knowMakeOffset_ = false;
    return false;
  }
  tm = attempt;
  knowMakeOffset_ = true;
  if (!Cover(seconds - kReach, seconds + kReach)) {
    std::tm probe{};
    if (PlatformLocalTime(seconds, probe)) {
      Seed(seconds, probe);
      Cover(seconds - kReach, seconds + kReach);
    } else {
      spans_.clear();
    }
  }
  FindMadeDay(seconds);
  return true;
}

}  // namespace quorvel
