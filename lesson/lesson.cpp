#include "lesson/lesson.h"

#include <algorithm>

#include "lesson/lesson_fields.h"

namespace quantora {

void ApplyLessonSetting(const TLessonSetting& change, TLessonSetting& into) {
  lessonfields::ForEachField([&](std::string_view, auto member, auto) {
    if (change.*member) into.*member = change.*member;
  });
}

TLessonSetting SettingAtStep(const TLesson& lesson, std::size_t step) {
  TLessonSetting setting = lesson.setting;
  for (std::size_t i = 0; i < std::min(step, lesson.steps.size()); ++i) ApplyLessonSetting(lesson.steps[i].setting, setting);
  return setting;
}

}  // namespace quantora
