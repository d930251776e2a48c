// Reading and answering the modal boxes and file dialogs that the window
// opens: a timer looks for them from inside the modal loop that shows them,
// so a test never blocks on one.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

namespace quorvel::ui::test {

// Acts on each modal dialog of type W that is shown while this lives. The
// action must close it; one it leaves open is cancelled, so that a wrong
// answer fails the test instead of hanging it.
template <class W>
class WhenShown {
 public:
  explicit WhenShown(std::function<void(W&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
  }

  int count() const { return count_; }

 private:
  void Poll() {
    W* const widget = qobject_cast<W*>(QApplication::activeModalWidget());
    if (widget == nullptr || !widget->isVisible()) return;
    ++count_;
    act_(*widget);
    if (widget->isVisible()) {
      qWarning("%s left open by the test's answer; cancelled", W::staticMetaObject.className());
      static_cast<QDialog*>(widget)->reject();
    }
  }

  std::function<void(W&)> act_;
  QTimer timer_;
  int count_ = 0;
};

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format;
  const QWidget* owner;
};

// Every message box that opens while it lives, answered with its OK button.
class BoxRecorder {
 public:
  BoxRecorder();

  const std::vector<SeenBox>& boxes() const { return boxes_; }

 private:
  std::vector<SeenBox> boxes_;
  WhenShown<QMessageBox> watch_;
};

// Cancels a modal dialog that no test answers within a few seconds, so that
// a window opening the wrong dialog fails its test instead of hanging it.
class UnansweredModalGuard {
 public:
  UnansweredModalGuard();

 private:
  void Poll();

  QTimer timer_;
  QPointer<QWidget> open_;
  QElapsedTimer openFor_;
};

}  // namespace quorvel::ui::test
