#pragma once
// The lesson a command line names, applied to its setting: the lesson's own
// setting with the changes of its steps up to --step, under the options the
// command line gives itself (those win, as they are the more particular).

#include <string>
#include <vector>

#include "app/command_line.h"
#include "lesson/lesson.h"

namespace quantora {

// Sets in `settings` and `options` each field `lesson` gives.
void ApplyLessonToSettings(const TLessonSetting& lesson, TSimulationSettings& settings, TPlotOptions& options);

// Reads commandLine.lessonPath (nothing to do when empty) and applies it.
// False with one line in `error` (the file and the field, or the step asked
// beyond the lesson's steps) when the lesson cannot be used; `warnings` gets
// the fields the file has that this version does not know.
bool ApplyLessonOption(TCommandLine& commandLine, std::string& error, std::vector<std::string>& warnings);

}  // namespace quantora
