// Lesson files: what is written reads back field for field, every kind of bad
// file is refused with a message naming the file and the field, and unknown
// fields are named but cost nothing else.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lesson/lesson_fields.h"
#include "lesson/lesson_reader.h"
#include "lesson/lesson_writer.h"

namespace quantora {
namespace {

using namespace lessonfields;

// A random lesson whose every field is given or not at random.
class TRandomLesson {
 public:
  explicit TRandomLesson(unsigned seed) : fRandom(seed) {}

  TLesson Next() {
    TLesson lesson;
    if (Coin()) lesson.title = Text();
    lesson.setting = Setting();
    for (int i = int(Pick(4)); i > 0; --i) {
      TLessonStep step{Text(), {{"en", Text()}}, Setting()};
      if (Coin()) step.text["de"] = Text();
      lesson.steps.push_back(step);
    }
    return lesson;
  }

 private:
  std::mt19937 fRandom;
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(fRandom); }
  bool Coin() { return Pick(2) == 0; }
  double Within(double low, double high) { return std::uniform_real_distribution<double>(low, high)(fRandom); }
  std::string Text() {
    static const std::string pieces[] = {"a", "Z", " ", "\"", "\\", "\n", "\t", "\x01", "ä", "€", "😀", "/"};
    std::string text;
    for (int i = int(Pick(12)); i > 0; --i) text += pieces[Pick(std::size(pieces))];
    return text;
  }
  TLessonSetting Setting() {
    TLessonSetting setting;
    ForEachField([&](std::string_view, auto member, auto kind) {
      if (Coin()) return;
      using TKind = decltype(kind);
      auto& field = setting.*member;
      using TValue = std::remove_cvref_t<decltype(*field)>;
      if constexpr (std::is_same_v<TKind, TView>) {
        const double from = Within(0, 999), low = Within(-1000, 999);
        field = TChartView{from, Within(from + 0.5, 1000), low, Within(low + 0.5, 1000)};
      } else if constexpr (std::is_same_v<TKind, TSwitch>) {
        field = Coin();
      } else if constexpr (std::is_same_v<TKind, TNamed>) {
        const std::size_t index = Pick(kind.names.size());
        if constexpr (std::is_same_v<TValue, std::string>)
          field = std::string(kind.names[index]);
        else
          field = TValue(index);
      } else if constexpr (std::is_same_v<TKind, TWhole>) {
        field = TValue(std::uniform_int_distribution<long long>(kind.min, kind.max)(fRandom));
      } else {
        field = Pick(5) == 0 ? kind.min : Within(kind.min, kind.max);
      }
    });
    return setting;
  }
};

TEST(LessonFileTest, WrittenLessonsReadBackFieldForField) {
  TRandomLesson random(20260501);
  for (int i = 0; i < 400; ++i) {
    const TLesson lesson = random.Next();
    const std::string bytes = LessonJson(lesson);
    const TLessonReading reading = ParseLesson(bytes, "x.qlesson");
    ASSERT_TRUE(reading.lesson) << reading.error << "\n" << bytes;
    EXPECT_TRUE(*reading.lesson == lesson) << bytes;
    EXPECT_TRUE(reading.warnings.empty());
    EXPECT_EQ(LessonJson(*reading.lesson), bytes);  // stable: a second save changes nothing
  }
}

TEST(LessonFileTest, WritesFixedOrderWithTwoSpaces) {
  TLesson lesson;
  lesson.setting.bits = 3;
  lesson.setting.form = TSignalForm::sfChirp;
  lesson.steps.push_back({"One", {{"en", "Hi \"you\""}}, {}});
  EXPECT_EQ(LessonJson(lesson),
            "{\n  \"version\": 1,\n  \"setting\": {\n    \"waveform\": \"chirp\",\n    \"bits\": 3\n  },\n"
            "  \"steps\": [\n    {\n      \"title\": \"One\",\n      \"text\": {\n        \"en\": \"Hi \\\"you\\\"\"\n"
            "      },\n      \"setting\": {}\n    }\n  ]\n}\n");
}

TEST(LessonFileTest, RefusesBadFilesNamingTheField) {
  const std::string step = R"({"version": 1, "steps": [{"title": "a", "text": {"en": "b"}}, {"title": "c", "text": {"en": "d"}, "setting": )";
  const struct {
    std::string bytes, error;
  } cases[] = {
      {"{\"version\": 1,,}", "f: line 1, column 16: not valid JSON"},
      {"{\"version\": 1, \"setting\": {\"bits\"", "f: the JSON ends before it is complete"},
      {std::string(kMaxLessonFileSize + 1, ' '), "f: larger than 1024 KiB"},
      {std::string(17, '[') + std::string(17, ']'), "f: line 1, column 17: nested deeper than 16 levels"},
      {"[1]", "f: not a lesson (the file holds no JSON object)"},
      {"{}", "f: version: missing"},
      {"{\"version\": 2}", "f: version: 2 is not a version this program reads (it reads 1)"},
      {"{\"version\": \"1\"}", "f: version: expected a whole number, found a string"},
      {step + R"({"bits": 17}}]})", "f: steps[1].setting.bits: 17 is outside 1 .. 16"},
      {step + R"({"interval": 2.5}}]})", "f: steps[1].setting.interval: 2.5 is not a whole number"},
      {step + R"({"seed": -1}}]})", "f: steps[1].setting.seed: -1 is outside 0 .. 2147483647"},
      {step + R"({"jitter": 5001}}]})", "f: steps[1].setting.jitter: 5001 is outside 0 .. 5000"},
      {step + R"({"error": 1}}]})", "f: steps[1].setting.error: expected true or false, found a number"},
      {step + R"({"dither": "hard"}}]})", "f: steps[1].setting.dither: \"hard\" is not one of none, rect or tri"},
      {step + R"({"language": "fr"}}]})", "f: steps[1].setting.language: \"fr\" is not one of en or de"},
      {step + R"({"analog_chart": {"time_from": 5, "time_to": 5, "amplitude_low": 0, "amplitude_high": 1}}}]})",
       "f: steps[1].setting.analog_chart.time_to: not after time_from"},
      {step + R"({"sampled_chart": {"time_from": 5}}}]})", "f: steps[1].setting.sampled_chart.time_to: missing"},
      {R"({"version": 1, "steps": [{"title": "a", "text": {}}]})", "f: steps[0].text: no language given"},
      {R"({"version": 1, "steps": [{"text": {"en": "b"}}]})", "f: steps[0].title: missing"},
      {R"({"version": 1, "steps": [{"title": "a", "text": {"EN\n": "b"}}]})", "f: steps[0].text.EN\\x0a: not a language code"},
      {R"({"version": 1, "steps": {}})", "f: steps: expected a list of steps, found an object"},
  };
  std::string atTheLimit = "{\"version\": 1}";
  atTheLimit.resize(kMaxLessonFileSize, ' ');
  EXPECT_TRUE(ParseLesson(atTheLimit, "f").lesson);  // the limit itself is allowed
  for (const auto& c : cases) {
    const TLessonReading reading = ParseLesson(c.bytes, "f");
    EXPECT_FALSE(reading.lesson) << c.error;
    EXPECT_EQ(reading.error.substr(0, c.error.size()), c.error);
  }
}

TEST(LessonFileTest, UnknownFieldsAreNamedAndTheRestKept) {
  const TLessonReading reading = ParseLesson(
      R"({"version": 1, "author": "x", "setting": {"bits": 4, "colour": {"deep": [1]},
          "analog_chart": {"time_from": 1, "time_to": 2, "amplitude_low": 0, "amplitude_high": 1, "grid": true}}})",
      "f");
  ASSERT_TRUE(reading.lesson) << reading.error;
  EXPECT_EQ(reading.lesson->setting.bits, 4);
  EXPECT_EQ(reading.lesson->setting.analogView, (TChartView{1, 2, 0, 1}));
  EXPECT_EQ(reading.warnings, (std::vector<std::string>{"f: author: unknown field, ignored",
                                                         "f: setting.analog_chart.grid: unknown field, ignored",
                                                         "f: setting.colour: unknown field, ignored"}));
}

}  // namespace
}  // namespace quantora
