#pragma once
// The translation engine: one language's table of key/translation pairs, read
// from the ".itl" format, and the lookup every user-visible text goes through.
//
// Keys and translations are byte strings compared byte by byte; letter case is
// folded for A-Z only. The shipped tables are UTF-8, which passes through
// unchanged; the form translation converts between QString and these strings
// as UTF-8.
//
// Form translation (TranslateComponent, TranslateObject) walks the Qt
// properties of an object; which properties it visits is described at those
// operations below. Its implementation lives in form_translation.cpp, so the
// table itself needs no Qt at all.

#include <functional>
#include <istream>
#include <string>
#include <vector>

class QObject;

namespace glossator {

class TGlossator {
 public:
  // Called after every successful lookup (after parameter substitution) with
  // the key as asked; may change the translation.
  using TTranslatedEvent =
      std::function<void(TGlossator& sender, const std::string& key, std::string& translation)>;
  // Called by the form translation before it looks at an object's properties;
  // setting `translate` (preset true) to false skips that object's own texts.
  using TTranslateObjectEvent = std::function<void(TGlossator& sender, QObject* object, bool& translate)>;

  // An empty table; `appName` replaces "<%APPNAME%>" in translations at load time.
  explicit TGlossator(std::string appName = {});
  // Writes the missed-keys file first when AutoCreateItlFile is set. A failure
  // to write is swallowed here (a destructor must not throw); call
  // WriteItlFile beforehand to see it.
  ~TGlossator();
  TGlossator(const TGlossator&) = delete;
  TGlossator& operator=(const TGlossator&) = delete;

  // Replaces the whole table by the stream's records, read from its first
  // byte; the stream is left on the byte after the last record. A failing read
  // ends the stream; a malformed stream gives whatever entries it cuts into.
  void LoadFromStream(std::istream& stream);
  // Convenience: loads the file at `path`. A missing or unreadable file, one
  // that is not a regular file (a FIFO would block, a device such as /dev/zero
  // never ends) or one larger than kMaxItlFileSize leaves the table as it was
  // and returns false; there is no message.
  bool LoadFromFile(const std::string& path);
  // Far above any real table (the shipped ones have a few KiB).
  static constexpr std::size_t kMaxItlFileSize = 16u << 20;

  // The translation of `key` (its A-Z letters folded, nothing else normalised),
  // first matching entry winning, with "<%1%>", "<%2%>", ... replaced by
  // `params`. A missing key yields itself, case unchanged, and is recorded
  // for the missed-keys file when AutoCreateItlFile is set.
  std::string Translate(const std::string& key, const std::vector<std::string>& params = {});

  // Form translation. A text is marked when it begins with Prefix() ("XL_",
  // exact case); it is replaced by Translate(the text after the prefix).
  // What TranslateObject visits, in the class's property order (inherited
  // classes first, each in declaration order):
  //   - Q_PROPERTY of type QString, readable and writable: translated when
  //     marked. Never the one named "objectName" (Qt's component name) or "Name".
  //   - Q_PROPERTY of type QStringList (combo-box items, memo lines): read,
  //     marked lines replaced from the last index down to 0, written back
  //     once if a line changed.
  //   - Q_PROPERTY holding a pointer to a QObject whose class (or a base class)
  //     carries Q_CLASSINFO("Translate", "nested"), e.g. the chart's axis
  //     property objects: translated as an object.
  //   - Q_PROPERTY holding a pointer to a QObject whose class carries
  //     Q_CLASSINFO("Translate", "collection"): its QObject children, in
  //     order, are the items, each translated as an object.
  //   - Any other property, other object-valued ones and null pointers included:
  //     not visited.
  // An object already being walked is not entered again, so a property that
  // points back up the tree cannot recurse forever.
  void TranslateObject(QObject* object);
  // TranslateObject on `component`, then TranslateComponent on each component
  // it owns: its QObject children in order, counted once before the loop.
  // A child that an object-valued property of `component` refers to is a part
  // of it (an axis object, a font, a collection) rather than an owned
  // component: it is reached through that property or not at all.
  void TranslateComponent(QObject* component);

  // Lines of the missed-keys file: the missed keys in order of first miss,
  // each "[" key "]=" key "|$$", then every table entry "[" key "]="
  // translation "|$$" in table order (keys normalised, translations converted).
  std::vector<std::string> ItlFileLines() const;
  // Writes ItlFileLines() to `path`, each line followed by CR LF, creating or
  // replacing the file. Throws std::runtime_error when the file cannot be written.
  void WriteItlFile(const std::string& path) const;

  const std::vector<std::string>& Keys() const { return fKeys; }
  const std::vector<std::string>& Translations() const { return fTranslations; }
  const std::string& Prefix() const { return fPrefix; }
  const std::vector<std::string>& MissingKeys() const { return fMissingKeys; }
  const std::string& AppName() const { return fAppName; }
  bool AutoCreateItlFile() const { return fAutoCreateItlFile; }
  void SetAutoCreateItlFile(bool on) { fAutoCreateItlFile = on; }

  TTranslatedEvent OnTranslated;          // unset: lookups are not reported
  TTranslateObjectEvent OnTranslateObject;  // unset: every object is translated

 private:
  void RecordMissingKey(const std::string& key);

  std::vector<std::string> fKeys;          // normalised keys in file order, duplicates allowed
  std::vector<std::string> fTranslations;  // converted translations, parallel to fKeys
  std::string fPrefix = "XL_";             // the marker of translatable texts, never changed
  std::vector<std::string> fMissingKeys;   // "[" key "]=" key "|$$" lines, in order of first miss
  bool fAutoCreateItlFile = false;         // record misses and write the file at destruction
  std::string fAppName;                    // inserted for "<%APPNAME%>" at load time
  std::vector<const QObject*> fObjectsBeingWalked;  // the form translation's current path
};

}  // namespace glossator
