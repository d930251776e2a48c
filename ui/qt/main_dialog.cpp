#include "ui/qt/main_dialog.h"

#include <QFontMetrics>
#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/qt/dialog_template.h"
#include "ui/qt/dialog_units.h"

namespace quorvel::ui {

namespace {

QPushButton* Button(QWidget& dialog, const char* caption) {
  return new QPushButton(QString::fromLatin1(caption), &dialog);
}

// Where the template's rectangle is too narrow for a caption in this font,
// the control grows to the right, into the dialog's free space.
void PlaceAtLeastCaptionWide(QWidget& control, QRect rect) {
  rect.setWidth(std::max(rect.width(), control.sizeHint().width()));
  control.setGeometry(rect);
}

// A caption-left check box is laid out from its right edge; as wide as its
// caption and box, it starts where the template puts it.
void PlaceCaptionWide(QWidget& control, QRect rect) {
  rect.setWidth(control.sizeHint().width());
  control.setGeometry(rect);
}

}  // namespace

MainDialog::MainDialog(DialogServices services)
    : controls_(CreateControls(*this)),
      window_(*this, controls_, std::move(services.openUrl)),
      form_(window_, std::move(services.convert)) {
  // Like the Windows dialog: a fixed frame with a caption and no buttons in
  // it; "Exit" and Escape close the window.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QString::fromLatin1(kApplicationName));
  PlaceControls();
  form_.OnInitDialog();
  ConnectControls();
  // Qt would otherwise hand the first focus to the default button.
  controls_.browseInput->setFocus(Qt::OtherFocusReason);
}

DialogControls MainDialog::CreateControls(QWidget& dialog) {
  DialogControls c;
  c.browseInput = Button(dialog, "Input");
  c.browseOutput = Button(dialog, "Output");
  c.region = new QComboBox(&dialog);
  c.addMobile = new QCheckBox(QStringLiteral("Add /M to mobiles"), &dialog);
  // The caption stands left of the box.
  c.addMobile->setLayoutDirection(Qt::RightToLeft);
  c.convert = Button(dialog, "Convert");
  c.convert->setDefault(true);
  c.exit = Button(dialog, "Exit");
  c.help = Button(dialog, "Help");
  c.about = Button(dialog, "About");
  c.inputPath = new QLineEdit(&dialog);
  c.outputPath = new QLineEdit(&dialog);
  c.messages = new QListWidget(&dialog);
  // Clicking a line selects it; Tab passes the list by.
  c.messages->setFocusPolicy(Qt::ClickFocus);
  c.messages->setSelectionMode(QAbstractItemView::SingleSelection);
  c.messages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.regionLabel = new QLabel(QStringLiteral("State"), &dialog);
  c.regionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  QWidget* const order[] = {c.browseInput, c.browseOutput, c.region, c.addMobile, c.convert,
                            c.exit,        c.help,         c.about,  c.inputPath, c.outputPath};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    QWidget::setTabOrder(order[i], order[i + 1]);
  return c;
}

void MainDialog::PlaceControls() {
  namespace t = dialog_template;
  const DialogUnits units = DialogUnits::ForFont(font());
  setFixedSize(units.ToPixels(t::kWidth, t::kHeight));
  controls_.browseInput->setGeometry(units.ToPixels(t::kBrowseInput));
  controls_.browseOutput->setGeometry(units.ToPixels(t::kBrowseOutput));
  DialogRect closedRegion = t::kRegion;
  closedRegion.height = t::kRegionClosedHeight;
  controls_.region->setGeometry(units.ToPixels(closedRegion));
  // The rest of the template's height is the dropped list.
  const int listHeight = units.ToPixelsY(t::kRegion.height - t::kRegionClosedHeight);
  controls_.region->setMaxVisibleItems(std::max(1, listHeight / fontMetrics().height()));
  PlaceCaptionWide(*controls_.addMobile, units.ToPixels(t::kAddMobile));
  controls_.convert->setGeometry(units.ToPixels(t::kConvert));
  controls_.exit->setGeometry(units.ToPixels(t::kExit));
  controls_.help->setGeometry(units.ToPixels(t::kHelp));
  controls_.about->setGeometry(units.ToPixels(t::kAbout));
  controls_.inputPath->setGeometry(units.ToPixels(t::kInputPath));
  controls_.outputPath->setGeometry(units.ToPixels(t::kOutputPath));
  controls_.messages->setGeometry(units.ToPixels(t::kMessages));
  PlaceAtLeastCaptionWide(*controls_.regionLabel, units.ToPixels(t::kRegionLabel));
}

void MainDialog::ConnectControls() {
  const DialogControls& c = controls_;
  connect(c.browseInput, &QPushButton::clicked, this, [this] { form_.OnBrowseInput(); });
  connect(c.browseOutput, &QPushButton::clicked, this, [this] { form_.OnBrowseOutput(); });
  connect(c.region, &QComboBox::currentIndexChanged, this, [this] { form_.OnRegionSelChange(); });
  connect(c.addMobile, &QCheckBox::toggled, this, [this] { form_.OnAddMobileClicked(); });
  connect(c.convert, &QPushButton::clicked, this, [this] { form_.OnConvert(); });
  connect(c.exit, &QPushButton::clicked, this, &QDialog::reject);
  connect(c.help, &QPushButton::clicked, this, [this] { form_.OnHomePage(); });
  connect(c.about, &QPushButton::clicked, this, [this] { form_.OnAbout(); });
  // Only the user's edits: text the form writes into a field is no notice.
  connect(c.inputPath, &QLineEdit::textEdited, this, [this] { form_.OnPathEditChange(); });
  connect(c.outputPath, &QLineEdit::textEdited, this, [this] { form_.OnPathEditChange(); });
}

}  // namespace quorvel::ui
