// Form translation: which properties of a window and its controls are
// translated, in which order, and what is left alone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <sstream>

#include "translate/glossator.h"

// Small stand-ins for the window's controls, declaring their texts the way the
// real controls do.
class FakeForm : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption MEMBER Caption)
  Q_PROPERTY(QString Name MEMBER Name)
  Q_PROPERTY(int Tag MEMBER Tag)
 public:
  using QObject::QObject;
  QString Caption;
  QString Name;
  int Tag = 0;
};

class FakeComboBox : public QObject {
  Q_OBJECT
  Q_PROPERTY(QStringList Items MEMBER Items)
 public:
  using QObject::QObject;
  QStringList Items;
};

class FakeMemo : public QObject {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ GetLines WRITE SetLines)
 public:
  using QObject::QObject;
  QStringList GetLines() const { return Lines; }
  void SetLines(const QStringList& lines) { Lines = lines; ++Writes; }
  QStringList Lines;
  int Writes = 0;
};

class FakeAxisProps : public QObject {
  Q_OBJECT
  Q_CLASSINFO("Translate", "nested")
  Q_PROPERTY(QString Caption MEMBER Caption)
  Q_PROPERTY(FakeAxisProps* Partner MEMBER Partner)
 public:
  using QObject::QObject;
  QString Caption;
  FakeAxisProps* Partner = nullptr;
};

// A descendant inherits the marking of its base class.
class FakeAxisPropsVert : public FakeAxisProps {
  Q_OBJECT
 public:
  using FakeAxisProps::FakeAxisProps;
};

// A nested object of another class: its texts are never visited.
class FakeCrossHair : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption MEMBER Caption)
 public:
  using QObject::QObject;
  QString Caption;
};

class FakeColumn : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Title MEMBER Title)
 public:
  using QObject::QObject;
  QString Title;
};

class FakeColumns : public QObject {
  Q_OBJECT
  Q_CLASSINFO("Translate", "collection")
 public:
  using QObject::QObject;
};

class FakeChart : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption MEMBER Caption)
  Q_PROPERTY(FakeAxisProps* Scale1X MEMBER Scale1X)
  Q_PROPERTY(FakeAxisPropsVert* Scale1Y MEMBER Scale1Y)
  Q_PROPERTY(FakeAxisProps* Scale2X MEMBER Scale2X)
  Q_PROPERTY(FakeCrossHair* CrossHair1 MEMBER CrossHair1)
  Q_PROPERTY(FakeColumns* Columns MEMBER Columns)
 public:
  explicit FakeChart(QObject* parent = nullptr) : QObject(parent) {
    Scale1X->Caption = "XL_Time [ns]";
    Scale1Y->Caption = "XL_Amplitude [V]";
    CrossHair1->Caption = "XL_Cross";
  }
  QString Caption;
  // The axis objects, the cross-hair and the collection are children of the
  // chart, as the chart owns them; they are parts, not owned components.
  FakeAxisProps* Scale1X = new FakeAxisProps(this);
  FakeAxisPropsVert* Scale1Y = new FakeAxisPropsVert(this);
  FakeAxisProps* Scale2X = nullptr;
  FakeCrossHair* CrossHair1 = new FakeCrossHair(this);
  FakeColumns* Columns = new FakeColumns(this);
};

namespace glossator {
namespace {

class FormTranslation : public ::testing::Test {
 protected:
  void SetUp() override {
    std::istringstream table(
        "[Exit]=Beenden|$$\r\n[Sine]=Sinus|$$\r\n[Sawtooth]=Sägezahn|$$\r\n"
        "[Original Signal]=Originalsignal|$$\r\n[Time [ns]]=Zeit [ns]|$$\r\n"
        "[MMExplain]=Zeile 1\\nZeile 2|$$\r\n");
    engine.LoadFromStream(table);
  }
  // The engine records every miss, which also shows the order of lookups.
  void RecordMisses() { engine.SetAutoCreateItlFile(true); }
  void TearDown() override { engine.SetAutoCreateItlFile(false); }

  TGlossator engine;
};

TEST_F(FormTranslation, MarkedCaptionWithAndWithoutEntry) {
  FakeForm form;
  form.Caption = "XL_Exit";
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "Beenden");
  form.Caption = "XL_Close";
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "Close");
}

TEST_F(FormTranslation, OnlyTheExactPrefixMarksAText) {
  FakeForm form;
  for (const QString text : {"xl_Exit", " XL_Exit", "XL", "Exit", "XL Exit"}) {
    form.Caption = text;
    engine.TranslateObject(&form);
    EXPECT_EQ(form.Caption, text);
  }
}

TEST_F(FormTranslation, BarePrefixIsTheEmptyKey) {
  FakeForm form;
  form.Caption = "XL_";
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "");

  std::istringstream withEmptyKey("[ ]=(nothing)|$$");
  engine.LoadFromStream(withEmptyKey);
  form.Caption = "XL_";
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "(nothing)");
}

TEST_F(FormTranslation, NamesAreNeverTouched) {
  FakeForm form;
  form.setObjectName("XL_Exit");
  form.Name = "XL_Exit";
  form.Tag = 7;
  engine.TranslateComponent(&form);
  EXPECT_EQ(form.objectName(), "XL_Exit");
  EXPECT_EQ(form.Name, "XL_Exit");
  EXPECT_EQ(form.Tag, 7);
}

TEST_F(FormTranslation, ComboItemsAndMemoLines) {
  FakeComboBox combo;
  combo.Items = {"XL_Sine", "XL_3-Term Sine", "XL_Sawtooth", "XL_Sinc", "XL_Chirp"};
  RecordMisses();
  engine.TranslateObject(&combo);
  EXPECT_EQ(combo.Items, (QStringList{"Sinus", "3-Term Sine", "Sägezahn", "Sinc", "Chirp"}));
  // Lines are looked up from the last one down to the first.
  EXPECT_EQ(engine.MissingKeys(),
            (std::vector<std::string>{"[Chirp]=Chirp|$$", "[Sinc]=Sinc|$$", "[3-Term Sine]=3-Term Sine|$$"}));

  FakeMemo memo;
  memo.Lines = {"XL_MMExplain", "plain"};
  engine.TranslateObject(&memo);
  EXPECT_EQ(memo.Lines, (QStringList{"Zeile 1\nZeile 2", "plain"}));
  EXPECT_EQ(memo.Writes, 1);
  // A list without marked lines is not written back.
  engine.TranslateObject(&memo);
  EXPECT_EQ(memo.Writes, 1);
}

TEST_F(FormTranslation, ChartAndAxisCaptionsButNoOtherNestedObject) {
  FakeChart chart;
  chart.Caption = "XL_Original Signal";
  chart.CrossHair1->setObjectName("XL_CrossHair1");
  engine.TranslateComponent(&chart);
  EXPECT_EQ(chart.Caption, "Originalsignal");
  EXPECT_EQ(chart.Scale1X->Caption, "Zeit [ns]");
  EXPECT_EQ(chart.Scale1Y->Caption, "Amplitude [V]");
  // The cross-hair is neither an axis object nor an owned component.
  EXPECT_EQ(chart.CrossHair1->Caption, "XL_Cross");
  EXPECT_EQ(chart.CrossHair1->objectName(), "XL_CrossHair1");
}

TEST_F(FormTranslation, CollectionItemsInOrder) {
  FakeChart chart;
  for (const char* title : {"XL_First", "XL_Second", "Third"}) {
    (new FakeColumn(chart.Columns))->Title = title;
  }
  RecordMisses();
  engine.TranslateComponent(&chart);
  const QObjectList items = chart.Columns->children();
  EXPECT_EQ(static_cast<FakeColumn*>(items[0])->Title, "First");
  EXPECT_EQ(static_cast<FakeColumn*>(items[1])->Title, "Second");
  EXPECT_EQ(static_cast<FakeColumn*>(items[2])->Title, "Third");
  // Chart caption, axis captions, then the collection: all in property order.
  EXPECT_EQ(engine.MissingKeys(),
            (std::vector<std::string>{"[Amplitude [V]]=Amplitude [V]|$$", "[First]=First|$$",
                                      "[Second]=Second|$$"}));
}

TEST_F(FormTranslation, DepthFirstOverOwnedComponents) {
  FakeForm form;
  form.Caption = "XL_Form";
  auto* combo = new FakeComboBox(&form);
  combo->Items = {"XL_Combo"};
  auto* panel = new FakeForm(&form);
  panel->Caption = "XL_Panel";
  auto* inner = new FakeForm(panel);
  inner->Caption = "XL_Inner";
  auto* last = new FakeForm(&form);
  last->Caption = "XL_Last";
  RecordMisses();
  engine.TranslateComponent(&form);
  EXPECT_EQ(engine.MissingKeys(),
            (std::vector<std::string>{"[Form]=Form|$$", "[Combo]=Combo|$$", "[Panel]=Panel|$$",
                                      "[Inner]=Inner|$$", "[Last]=Last|$$"}));
}

TEST_F(FormTranslation, SecondRunChangesNothing) {
  FakeForm form;
  form.Caption = "XL_Exit";
  auto* combo = new FakeComboBox(&form);
  combo->Items = {"XL_Sine", "XL_Sawtooth"};
  auto* chart = new FakeChart(&form);
  chart->Caption = "XL_Original Signal";
  engine.TranslateComponent(&form);
  const QString caption = form.Caption;
  const QStringList items = combo->Items;
  const QString axis = chart->Scale1X->Caption;
  RecordMisses();
  engine.TranslateComponent(&form);
  EXPECT_EQ(form.Caption, caption);
  EXPECT_EQ(combo->Items, items);
  EXPECT_EQ(chart->Scale1X->Caption, axis);
  EXPECT_TRUE(engine.MissingKeys().empty());
}

TEST_F(FormTranslation, TranslationThatIsMarkedAgainChangesOnTheSecondRun) {
  std::istringstream table("[Odd]=XL_Exit|$$[Exit]=Beenden|$$");
  engine.LoadFromStream(table);
  FakeForm form;
  form.Caption = "XL_Odd";
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "XL_Exit");
  engine.TranslateObject(&form);
  EXPECT_EQ(form.Caption, "Beenden");
}

TEST_F(FormTranslation, SkippedObjectKeepsItsTextsButNotItsControls) {
  FakeForm form;
  form.Caption = "XL_Exit";
  auto* combo = new FakeComboBox(&form);
  combo->Items = {"XL_Sine"};
  std::vector<QObject*> asked;
  engine.OnTranslateObject = [&](TGlossator& sender, QObject* object, bool& translate) {
    EXPECT_EQ(&sender, &engine);
    EXPECT_TRUE(translate);
    asked.push_back(object);
    translate = object != &form;
  };
  engine.TranslateComponent(&form);
  EXPECT_EQ(form.Caption, "XL_Exit");
  EXPECT_EQ(combo->Items, QStringList{"Sinus"});
  EXPECT_EQ(asked, (std::vector<QObject*>{&form, combo}));
}

TEST_F(FormTranslation, NestedObjectsAreAskedToo) {
  FakeChart chart;
  chart.Caption = "XL_Original Signal";
  engine.OnTranslateObject = [&](TGlossator&, QObject* object, bool& translate) {
    translate = object != chart.Scale1X;
  };
  engine.TranslateObject(&chart);
  EXPECT_EQ(chart.Caption, "Originalsignal");
  EXPECT_EQ(chart.Scale1X->Caption, "XL_Time [ns]");
  EXPECT_EQ(chart.Scale1Y->Caption, "Amplitude [V]");
}

TEST_F(FormTranslation, PropertiesPointingBackDoNotRecurseForever) {
  FakeAxisProps a;
  FakeAxisProps b;
  a.Caption = "XL_Exit";
  b.Caption = "XL_Sine";
  a.Partner = &b;
  b.Partner = &a;
  engine.TranslateComponent(&a);
  EXPECT_EQ(a.Caption, "Beenden");
  EXPECT_EQ(b.Caption, "Sinus");
}

TEST_F(FormTranslation, NullObjectsAreIgnored) {
  engine.TranslateComponent(nullptr);
  engine.TranslateObject(nullptr);
  FakeChart chart;  // Scale2X is null
  chart.Caption = "XL_Exit";
  engine.TranslateComponent(&chart);
  EXPECT_EQ(chart.Caption, "Beenden");
}

TEST_F(FormTranslation, WorksOnQtWidgets) {
  QWidget window;
  window.setWindowTitle("XL_Exit");
  auto* label = new QLabel("XL_Original Signal", &window);
  label->setToolTip("XL_Sine");
  label->setObjectName("XL_Exit");
  engine.TranslateComponent(&window);
  EXPECT_EQ(window.windowTitle(), "Beenden");
  EXPECT_EQ(label->text(), "Originalsignal");
  EXPECT_EQ(label->toolTip(), "Sinus");
  EXPECT_EQ(label->objectName(), "XL_Exit");
}

}  // namespace
}  // namespace glossator

#include "form_translation_test.moc"
