#include "lesson/lesson_reader.h"

#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "lesson/lesson_fields.h"
#include "lesson/lesson_writer.h"
#include "translate/regular_file.h"

namespace quantora {
namespace {

using namespace lessonfields;

// A refusal: the path of the field ("" for the file as a whole) and what is wrong.
struct TRefusal {
  std::string path, problem;
};

std::string Member(const std::string& path, std::string_view key) {
  return path.empty() ? std::string(key) : path + '.' + std::string(key);
}

std::string TooLargeProblem() {
  return "larger than " + std::to_string(kMaxLessonFileSize / 1024) + " KiB, the limit of a lesson file";
}

std::string TypeName(const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Null: return "null";
    case QJsonValue::Bool: return "true or false";
    case QJsonValue::Double: return "a number";
    case QJsonValue::String: return "a string";
    case QJsonValue::Array: return "a list";
    case QJsonValue::Object: return "an object";
    default: return "nothing";
  }
}

[[noreturn]] void WrongType(const std::string& path, std::string_view expected, const QJsonValue& value) {
  throw TRefusal{path, "expected " + std::string(expected) + ", found " + TypeName(value)};
}

std::string Joined(std::span<const std::string_view> names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i)
    out += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i]);
  return out;
}

// Walks the parsed document, collecting the warnings.
class TLessonWalker {
 public:
  std::vector<std::string> warnings;

  TLesson Lesson(const QJsonObject& root) {
    WarnUnknown(root, "", {"version", "title", "setting", "steps"});
    TLesson lesson;
    if (!root.contains("version"))
      throw TRefusal{"version", "missing (this program reads version " + std::to_string(kLessonFormatVersion) + ")"};
    const QJsonValue version = root.value("version");
    if (!version.isDouble()) WrongType("version", "a whole number", version);
    if (version.toDouble() != kLessonFormatVersion)
      throw TRefusal{"version", LessonNumberText(version.toDouble()) + " is not a version this program reads (it reads " +
                                    std::to_string(kLessonFormatVersion) + ")"};
    if (root.contains("title")) lesson.title = String(root.value("title"), "title");
    if (root.contains("setting")) lesson.setting = Setting(root.value("setting"), "setting");
    if (root.contains("steps")) {
      const QJsonValue steps = root.value("steps");
      if (!steps.isArray()) WrongType("steps", "a list of steps", steps);
      const QJsonArray list = steps.toArray();
      for (qsizetype i = 0; i < list.size(); ++i)
        lesson.steps.push_back(Step(list.at(i), "steps[" + std::to_string(i) + "]"));
    }
    return lesson;
  }

 private:
  void WarnUnknown(const QJsonObject& object, const std::string& path, std::vector<std::string_view> known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
      const std::string key = it.key().toStdString();
      if (std::find(known.begin(), known.end(), key) == known.end())
        warnings.push_back(Member(path, key) + ": unknown field, ignored");
    }
  }

  static QJsonObject Object(const QJsonValue& value, const std::string& path) {
    if (!value.isObject()) WrongType(path, "an object", value);
    return value.toObject();
  }

  static std::string String(const QJsonValue& value, const std::string& path) {
    if (!value.isString()) WrongType(path, "a string", value);
    return value.toString().toStdString();
  }

  static double Number(const QJsonValue& value, const std::string& path, TSettingRange range) {
    if (!value.isDouble()) WrongType(path, "a number", value);
    const double number = value.toDouble();
    if (!range.Holds(number))
      throw TRefusal{path, LessonNumberText(number) + " is outside " + LessonNumberText(range.min) + " .. " +
                               LessonNumberText(range.max)};
    return number == 0 ? 0.0 : number;  // -0 is the 0 of the controls
  }

  TLessonStep Step(const QJsonValue& value, const std::string& path) {
    const QJsonObject object = Object(value, path);
    WarnUnknown(object, path, {"title", "text", "setting"});
    TLessonStep step;
    if (!object.contains("title")) throw TRefusal{Member(path, "title"), "missing (every step has a title)"};
    step.title = String(object.value("title"), Member(path, "title"));
    const std::string textPath = Member(path, "text");
    if (!object.contains("text")) throw TRefusal{textPath, "missing (every step has a text in one language at least)"};
    const QJsonObject texts = Object(object.value("text"), textPath);
    if (texts.isEmpty()) throw TRefusal{textPath, "no language given (e.g. \"en\": \"...\")"};
    for (auto it = texts.begin(); it != texts.end(); ++it) {
      const std::string language = it.key().toStdString();
      if (!IsLanguageCode(language))
        throw TRefusal{Member(textPath, language), "not a language code (two or three small letters, e.g. en)"};
      step.text[language] = String(it.value(), Member(textPath, language));
    }
    if (object.contains("setting")) step.setting = Setting(object.value("setting"), Member(path, "setting"));
    return step;
  }

  static bool IsLanguageCode(std::string_view code) {
    return code.size() >= 2 && code.size() <= 3 &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  }

  TChartView View(const QJsonValue& value, const std::string& path) {
    const QJsonObject object = Object(value, path);
    WarnUnknown(object, path, {kViewKeys.begin(), kViewKeys.end()});
    double numbers[kViewKeys.size()];
    for (std::size_t i = 0; i < kViewKeys.size(); ++i) {
      const std::string field = Member(path, kViewKeys[i]);
      if (!object.contains(QLatin1StringView(kViewKeys[i]))) throw TRefusal{field, "missing (a chart's view gives all four)"};
      numbers[i] = Number(object.value(QLatin1StringView(kViewKeys[i])), field,
                          i < 2 ? TSettingRange{0.0, kViewTimeEnd} : kViewAmplitudeRange);
    }
    const TChartView view{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (!(view.timeFrom < view.timeTo)) throw TRefusal{Member(path, "time_to"), "not after time_from"};
    if (!(view.amplitudeLow < view.amplitudeHigh))
      throw TRefusal{Member(path, "amplitude_high"), "not above amplitude_low"};
    return view;
  }

  TLessonSetting Setting(const QJsonValue& value, const std::string& path) {
    const QJsonObject object = Object(value, path);
    std::vector<std::string_view> known;
    TLessonSetting setting;
    ForEachField([&](std::string_view key, auto member, auto kind) {
      known.push_back(key);
      const QLatin1StringView name(key);
      if (!object.contains(name)) return;
      setting.*member = Field<std::remove_cvref_t<decltype(*(setting.*member))>>(object.value(name),
                                                                                Member(path, key), kind);
    });
    WarnUnknown(object, path, known);
    return setting;
  }

  template <class TValue, class TKind>
  TValue Field(const QJsonValue& value, const std::string& path, TKind kind) {
    if constexpr (std::is_same_v<TKind, TView>) {
      return View(value, path);
    } else if constexpr (std::is_same_v<TKind, TSwitch>) {
      if (!value.isBool()) WrongType(path, "true or false", value);
      return value.toBool();
    } else if constexpr (std::is_same_v<TKind, TNamed>) {
      const std::string expected = "one of " + Joined(kind.names);
      if (!value.isString()) WrongType(path, expected, value);
      const std::string name = value.toString().toStdString();
      const auto found = std::find(kind.names.begin(), kind.names.end(), name);
      if (found == kind.names.end()) throw TRefusal{path, "\"" + name + "\" is not " + expected};
      if constexpr (std::is_same_v<TValue, std::string>)
        return name;
      else
        return TValue(found - kind.names.begin());
    } else if constexpr (std::is_same_v<TKind, TWhole>) {
      const double number = Number(value, path, TSettingRange{double(kind.min), double(kind.max)});
      if (number != std::floor(number)) throw TRefusal{path, LessonNumberText(number) + " is not a whole number"};
      return TValue(number);
    } else {
      return Number(value, path, kind);
    }
  }
};

// 1-based line and column of the byte at `offset`.
std::string Position(std::string_view bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  const std::string_view before = bytes.substr(0, offset);
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
  return "line " + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) + ", column " +
         std::to_string(column);
}

// The offset where objects and lists first nest deeper than kMaxLessonDepth, if
// anywhere: checked before parsing, so that a hostile file cannot make the
// parser recurse without bound.
std::optional<std::size_t> TooDeepAt(std::string_view bytes) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (inString) {
      if (escaped) escaped = false;
      else if (c == '\\') escaped = true;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      if (++depth > kMaxLessonDepth) return i;
    } else if (c == '}' || c == ']') {
      --depth;
    }
  }
  return std::nullopt;
}

std::optional<TRefusal> DocumentRefusal(std::string_view bytes, QJsonDocument& document) {
  if (bytes.size() > kMaxLessonFileSize)
    return TRefusal{"", TooLargeProblem()};
  if (const auto at = TooDeepAt(bytes))
    return TRefusal{"", Position(bytes, *at) + ": nested deeper than " + std::to_string(kMaxLessonDepth) + " levels"};
  QJsonParseError error;
  document = QJsonDocument::fromJson(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), &error);
  if (error.error != QJsonParseError::NoError) {
    const std::size_t offset = std::size_t(std::max(0, int(error.offset)));
    if (offset >= bytes.size())
      return TRefusal{"", "the JSON ends before it is complete (is the file cut short?)"};
    return TRefusal{"", Position(bytes, offset) + ": not valid JSON (" + error.errorString().toStdString() + ")"};
  }
  if (!document.isObject()) return TRefusal{"", "not a lesson (the file holds no JSON object)"};
  return std::nullopt;
}

// `text` on one line: control characters (from file names or keys) as \xNN.
std::string OneLine(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7f) {
      out += c;
      continue;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
  }
  return out;
}

}  // namespace

TLessonReading ParseLesson(std::string_view bytes, std::string_view fileName) {
  const std::string prefix = std::string(fileName) + ": ";
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // a byte-order mark some editors write
  TLessonReading reading;
  QJsonDocument document;
  try {
    if (const auto refusal = DocumentRefusal(bytes, document)) throw *refusal;
    TLessonWalker walker;
    reading.lesson = walker.Lesson(document.object());
    for (const std::string& warning : walker.warnings) reading.warnings.push_back(OneLine(prefix + warning));
  } catch (const TRefusal& refusal) {
    reading.lesson.reset();
    reading.error = OneLine(prefix + (refusal.path.empty() ? "" : refusal.path + ": ") + refusal.problem);
  }
  return reading;
}

TLessonReading ReadLessonFile(const std::string& path) {
  std::string bytes;
  if (glossator::ReadRegularFile(path, kMaxLessonFileSize, bytes)) return ParseLesson(bytes, path);
  TLessonReading reading;
  const std::string name = OneLine(path);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    reading.error = name + ": no such file";
  else if (S_ISREG(info.st_mode) && std::size_t(info.st_size) > kMaxLessonFileSize)
    reading.error = name + ": " + TooLargeProblem();
  else
    reading.error = name + ": not a readable regular file";
  return reading;
}

}  // namespace quantora
