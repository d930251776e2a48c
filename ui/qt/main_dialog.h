// The main dialog as a Qt window: the Windows template's controls, placed by
// its dialog units, with their events forwarded to the form model.
#pragma once

#include <QDialog>

#include "engine/conversion_request.h"
#include "ui/main_form.h"
#include "ui/qt/widget_window.h"

namespace quorvel::ui {

// What the dialog reaches outside the window: the conversion and the browser.
struct DialogServices {
  MainForm::Converter convert = RunConversion;
  UrlOpener openUrl = OpenInDesktopBrowser;
};

class MainDialog : public QDialog {
 public:
  explicit MainDialog(DialogServices services = DialogServices());

  const DialogControls& Controls() const { return controls_; }
  const MainForm& Form() const { return form_; }

 private:
  static DialogControls CreateControls(QWidget& dialog);
  void PlaceControls();
  void ConnectControls();

  DialogControls controls_;
  WidgetWindow window_;
  MainForm form_;
};

}  // namespace quorvel::ui
