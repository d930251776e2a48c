#include "tests/qt/modal_watch.h"

#include <QAbstractButton>

namespace quorvel::ui::test {

BoxRecorder::BoxRecorder()
    : watch_([this](QMessageBox& box) {
        boxes_.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons(),
                          box.textFormat(), box.parentWidget()});
        if (QAbstractButton* const ok = box.button(QMessageBox::Ok)) {
          ok->click();
        } else {
          box.done(0);
        }
      }) {}

UnansweredModalGuard::UnansweredModalGuard() {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start(100);
}

void UnansweredModalGuard::Poll() {
  constexpr qint64 kPatienceMs = 3000;
  QWidget* const modal = QApplication::activeModalWidget();
  if (modal != open_) {
    open_ = modal;
    openFor_.start();
    return;
  }
  auto* const dialog = qobject_cast<QDialog*>(modal);
  if (dialog == nullptr || openFor_.elapsed() < kPatienceMs) return;
  qWarning("unanswered %s \"%s\"; cancelled", dialog->metaObject()->className(),
           qPrintable(dialog->windowTitle()));
  dialog->reject();
}

}  // namespace quorvel::ui::test
