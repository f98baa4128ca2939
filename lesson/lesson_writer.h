#pragma once
// A lesson as the bytes of a lesson file: UTF-8 JSON with the keys in a fixed
// order and two spaces of indentation, so that a saved lesson reads well and
// differs from its last version only where it changed. Writing the bytes to
// disk is the caller's (through the program's atomic file writer).

#include <string>

#include "lesson/lesson.h"

namespace quantora {

// Every given field; numbers in the shortest decimals that read back exactly.
std::string LessonJson(const TLesson& lesson);

// The shortest decimals that read back as exactly `value` ("4.8", "10", "1e-05").
std::string LessonNumberText(double value);

}  // namespace quantora
