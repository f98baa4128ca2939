#pragma once
// Standard controls with their texts published the way form translation finds
// them: the items of a drop-down list and the lines of a memo as string lists.

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

namespace quantora {

// A drop-down list (no free typing) whose items are a published string list.
class TComboBox : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
 public:
  explicit TComboBox(QWidget* parent = nullptr);
  QStringList Items() const;
  // Replaces the items and keeps the selected index where it can.
  void SetItems(const QStringList& items);
};

// A memo whose text is a published list of lines.
class TMemo : public QPlainTextEdit {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
 public:
  explicit TMemo(QWidget* parent = nullptr);
  QStringList Lines() const;
  void SetLines(const QStringList& lines);
};

// A label that reports mouse moves over it (links on the About dialog). Moves
// over a label stop there, as over any control: its parent does not see them.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent = nullptr);
  std::function<void(TLabel* sender)> OnClick;
  std::function<void(TLabel* sender)> OnMouseMove;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quantora
