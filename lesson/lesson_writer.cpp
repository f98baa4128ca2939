#include "lesson/lesson_writer.h"

#include <charconv>
#include <cstdio>
#include <type_traits>

#include "lesson/lesson_fields.h"

namespace quantora {
namespace {

using namespace lessonfields;

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c));
      out += escape;
    } else {
      out += c;  // UTF-8 passes as it is
    }
  }
  return out + '"';
}

// An object's members, one per line at `indent`, closed at `indent` - 2.
class TObjectWriter {
 public:
  TObjectWriter(std::string& out, int indent) : fOut(out), fIndent(indent) {}
  void Member(std::string_view key, const std::string& valueText) {
    fOut += fFirst ? "{\n" : ",\n";
    fFirst = false;
    fOut += std::string(std::size_t(fIndent), ' ') + Quoted(key) + ": " + valueText;
  }
  void Close() {
    if (fFirst) {
      fOut += "{}";
      return;
    }
    fOut += '\n';
    fOut.append(std::size_t(fIndent - 2), ' ');
    fOut += '}';
  }

 private:
  std::string& fOut;
  int fIndent;
  bool fFirst = true;
};

std::string ViewText(const TChartView& view, int indent) {
  std::string out;
  TObjectWriter object(out, indent);
  const double values[] = {view.timeFrom, view.timeTo, view.amplitudeLow, view.amplitudeHigh};
  for (std::size_t i = 0; i < kViewKeys.size(); ++i) object.Member(kViewKeys[i], LessonNumberText(values[i]));
  object.Close();
  return out;
}

std::string SettingText(const TLessonSetting& setting, int indent) {
  std::string out;
  TObjectWriter object(out, indent);
  ForEachField([&](std::string_view key, auto member, auto kind) {
    const auto& value = setting.*member;
    if (!value) return;
    using TValue = std::remove_cvref_t<decltype(*value)>;
    using TKind = decltype(kind);
    if constexpr (std::is_same_v<TKind, TView>) {
      object.Member(key, ViewText(*value, indent + 2));
    } else if constexpr (std::is_same_v<TKind, TSwitch>) {
      object.Member(key, *value ? "true" : "false");
    } else if constexpr (std::is_same_v<TKind, TNamed>) {
      if constexpr (std::is_same_v<TValue, std::string>)
        object.Member(key, Quoted(*value));
      else
        object.Member(key, Quoted(kind.names[std::size_t(*value)]));
    } else if constexpr (std::is_same_v<TKind, TWhole>) {
      object.Member(key, std::to_string(*value));
    } else {
      object.Member(key, LessonNumberText(*value));
    }
  });
  object.Close();
  return out;
}

std::string StepText(const TLessonStep& step, int indent) {
  std::string out;
  TObjectWriter object(out, indent);
  object.Member("title", Quoted(step.title));
  std::string texts;
  TObjectWriter textObject(texts, indent + 2);
  for (const auto& [language, text] : step.text) textObject.Member(language, Quoted(text));  // sorted by language
  textObject.Close();
  object.Member("text", texts);
  object.Member("setting", SettingText(step.setting, indent + 2));
  object.Close();
  return out;
}

}  // namespace

std::string LessonNumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string LessonJson(const TLesson& lesson) {
  std::string out;
  TObjectWriter root(out, 2);
  root.Member("version", std::to_string(lesson.version));
  if (lesson.title) root.Member("title", Quoted(*lesson.title));
  root.Member("setting", SettingText(lesson.setting, 4));
  if (!lesson.steps.empty()) {
    std::string steps = "[";
    for (std::size_t i = 0; i < lesson.steps.size(); ++i)
      steps += (i ? ",\n    " : "\n    ") + StepText(lesson.steps[i], 6);
    root.Member("steps", steps + "\n  ]");
  }
  root.Close();
  return out + '\n';
}

}  // namespace quantora
