#pragma once
// Reading a lesson file. A file that is not a lesson this program can use is
// refused whole with one message that names the file and the field, so that a
// teacher finds the mistake at once; fields this version does not know are
// left out and named in warnings, the rest of the lesson is kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/lesson.h"

namespace quantora {

struct TLessonReading {
  std::optional<TLesson> lesson;      // none: `error` says why
  std::string error;                  // "FILE: steps[2].setting.bits: 17 is outside 1 .. 16"
  std::vector<std::string> warnings;  // "FILE: setting.colour: unknown field, ignored"
};

// The lesson in `bytes`, read from the file `fileName` (named in the messages).
// Array indices in the messages count from 0, as in JSON paths.
TLessonReading ParseLesson(std::string_view bytes, std::string_view fileName);

// The lesson in the file at `path` (its exact bytes, no conversion). Only a
// regular file of at most kMaxLessonFileSize bytes is read, never waiting on a
// FIFO or reading a device without end.
TLessonReading ReadLessonFile(const std::string& path);

}  // namespace quantora
