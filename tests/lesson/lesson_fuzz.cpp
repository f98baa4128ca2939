// Fuzz driver of the lesson reader: random bytes and mutations of a written
// lesson (bytes flipped, cut, spliced, brackets piled up). Nothing may crash or
// hang; whatever is accepted must write and read back unchanged. The sanitizer
// build checks the memory.
//
//   lesson_fuzz COUNT [SEED]      prints inputs, accepted and faults; status 1 on a fault

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "lesson/lesson_reader.h"
#include "lesson/lesson_writer.h"

using namespace quantora;

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 1000;
  std::mt19937 random(argc > 2 ? unsigned(std::atol(argv[2])) : 1u);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  TLesson seedLesson;
  seedLesson.title = "Aliasing";
  TLessonSetting& setting = seedLesson.setting;
  setting.form = TSignalForm::sfSine, setting.bits = 8, setting.showError = true, setting.amplitudeV = 4.8;
  setting.dither = TDitherKind::dkTriangular, setting.seed = 7, setting.analogView = TChartView{}, setting.language = "de";
  TLessonSetting coarse, slow;
  coarse.bits = 3, slow.interval = 150;
  seedLesson.steps = {{"One", {{"en", "a"}, {"de", "b"}}, coarse}, {"Two", {{"en", "c"}}, slow}};
  const std::string valid = LessonJson(seedLesson);
  static const char* const kPieces[] = {"{", "}", "[", "]", ",", ":", "\"", "\\", "1e999", "-0", "null", "\xff"};
  long accepted = 0, faults = 0;
  for (long i = 0; i < count; ++i) {
    std::string input = valid;
    if (pick(8) == 0) {
      input.assign(pick(200), '\0');
      for (char& c : input) c = char(pick(256));
    }
    for (int edits = int(pick(4)) + 1; edits > 0 && !input.empty(); --edits) {
      const std::size_t at = pick(input.size());
      switch (pick(5)) {
        case 0: input[at] = char(pick(256)); break;
        case 1: input.resize(at); break;
        case 2: input.insert(at, kPieces[pick(std::size(kPieces))]); break;
        case 3: input.insert(at, std::string(pick(40), "[{"[pick(2)])); break;
        default: input.insert(at, valid.substr(pick(valid.size()), pick(60))); break;
      }
    }
    const TLessonReading reading = ParseLesson(input, "fuzz");
    if (!reading.lesson) continue;
    ++accepted;
    const TLessonReading again = ParseLesson(LessonJson(*reading.lesson), "fuzz");
    if (!again.lesson || !(*again.lesson == *reading.lesson)) {
      ++faults;
      std::fprintf(stderr, "not read back: %s\n", input.c_str());
    }
  }
  std::printf("inputs %ld, accepted %ld, faults %ld\n", count, accepted, faults);
  return faults == 0 ? 0 : 1;
}
