#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "ui/about.h"
#include "ui/main_form.h"

namespace quorvel::ui {
namespace {

using Lines = std::vector<std::string>;

struct ShownBox {
  std::string text;
  unsigned type;
  std::optional<std::string> caption;
};

// A dialog in memory that records what the form does to it.
class FakeWindow : public DialogWindow {
 public:
  void AddRegionItem(const std::string& name) override { regionItems.push_back(name); }
  int SelectedRegionItem() override { return selectedItem; }
  void SetAddMobileCheck(bool on) override {
    checked = on;
    ++checkWrites;
  }
  bool IsAddMobileChecked() override { return checked; }
  std::string ReadPathField(PathField field) override { return Field(field); }
  void WritePathField(PathField field, const std::string& text) override {
    if (Field(field) == text) return;  // equal text is not set again
    Field(field) = text;
    ++fieldWrites;
  }
  void ResetMessages() override { messages.clear(); }
  void AddMessage(const std::string& line) override { messages.push_back(line); }
  void ShowMessageBox(const std::string& text, unsigned type,
                      const std::optional<std::string>& caption) override {
    boxes.push_back({text, type, caption});
  }
  bool RunFileDialog(const FileDialogSettings& settings, std::string& chosen) override {
    dialogs.push_back(settings);
    if (!choice) return false;
    chosen = *choice;
    return true;
  }
  std::intptr_t OpenAddress(const std::string& address) override {
    addresses.push_back(address);
    return shellResult;
  }

  std::string& Field(PathField field) { return field == PathField::kInput ? input : output; }

  Lines regionItems;
  int selectedItem = -1;
  bool checked = false;
  int checkWrites = 0;
  std::string input;
  std::string output;
  int fieldWrites = 0;
  Lines messages;
  std::vector<ShownBox> boxes;
  std::vector<FileDialogSettings> dialogs;
  std::optional<std::string> choice;  // what the user picks; none: cancel
  std::vector<std::string> addresses;
  std::intptr_t shellResult = 42;
};

struct Request {
  std::string input;
  std::string output;
  RegionId region;
  int addMobile;
};

// The form wired to the fake window and to a converter that records each
// request and answers with the next scripted result.
class FormTest : public ::testing::Test {
 protected:
  FormTest() { form_.OnInitDialog(); }

  MainForm::Converter Recorder() {
    return [this](const std::string& in, const std::string& out, RegionId region, int addMobile) {
      requests_.push_back({in, out, region, addMobile});
      ConversionResult next = results_.empty() ? ConversionResult{} : results_.front();
      if (!results_.empty()) results_.erase(results_.begin());
      return next;
    };
  }

  void SelectItem(int item) {
    window_.selectedItem = item;
    form_.OnRegionSelChange();
  }

  void Type(PathField field, const std::string& text) {
    window_.Field(field) = text;
    form_.OnPathEditChange();
  }

  FakeWindow window_;
  std::vector<Request> requests_;
  std::vector<ConversionResult> results_;
  MainForm form_{window_, Recorder()};
};

TEST(MainFormStart, InitDialogFillsTheListAndChecksTheBox) {
  FakeWindow window;
  MainForm form(window, nullptr);
  EXPECT_EQ(form.m_strInputFile, "");
  EXPECT_EQ(form.m_strOutputFile, "");
  form.m_nRegion = 12;
  form.m_bAddMobile = 0;

  form.OnInitDialog();

  Lines expected;
  for (const RegionId id : RegionChoiceOrder) expected.emplace_back(RegionName(id));
  EXPECT_EQ(window.regionItems, expected);
  ASSERT_EQ(window.regionItems.size(), 44u);
  EXPECT_EQ(window.regionItems.front(), "Alabama");
  EXPECT_EQ(window.regionItems.back(), "US Counties QSO Party");
  EXPECT_EQ(form.m_nRegion, -1);
  EXPECT_EQ(form.m_bAddMobile, 1);
  EXPECT_TRUE(window.checked);
  EXPECT_EQ(window.checkWrites, 1);
  EXPECT_EQ(window.fieldWrites, 0);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(window.boxes.empty());
}

TEST_F(FormTest, EachListItemSelectsItsRegion) {
  struct Case {
    int item;
    RegionId region;
    const char* name;
  };
  const Case cases[] = {
      {0, 1, "Alabama"},
      {10, 11, "Iowa"},
      {28, 37, "Pennsylvania"},
      {36, 47, "Wisconsin"},
      {37, 56, "7QP/INQP/NEQP"},
      {42, 52, "North American QSO Party"},
      {43, 55, "US Counties QSO Party"},
  };
  for (const Case& c : cases) {
    SelectItem(c.item);
    EXPECT_EQ(form_.m_nRegion, c.region) << c.item;
    EXPECT_EQ(window_.regionItems[static_cast<std::size_t>(c.item)], c.name);
  }
  for (int item = 0; item < 44; ++item) {
    SelectItem(item);
    EXPECT_EQ(RegionName(form_.m_nRegion), window_.regionItems[static_cast<std::size_t>(item)]);
  }
}

TEST_F(FormTest, ANoticeWithoutASelectedItemKeepsTheRegion) {
  SelectItem(-1);
  EXPECT_EQ(form_.m_nRegion, -1);
  SelectItem(28);
  for (const int item : {-1, 44, 1000}) {
    SelectItem(item);
    EXPECT_EQ(form_.m_nRegion, 37) << item;
  }
}

TEST_F(FormTest, TheCheckBoxSetsTheOptionAndEveryRunPassesIt) {
  SelectItem(0);
  form_.OnConvert();  // untouched box
  window_.checked = false;
  form_.OnAddMobileClicked();
  EXPECT_EQ(form_.m_bAddMobile, 0);
  form_.OnConvert();
  window_.checked = true;
  form_.OnAddMobileClicked();
  EXPECT_EQ(form_.m_bAddMobile, 1);
  form_.OnConvert();
  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_EQ(requests_[0].addMobile, 1);
  EXPECT_EQ(requests_[1].addMobile, 0);
  EXPECT_EQ(requests_[2].addMobile, 1);
}

TEST_F(FormTest, AnEditChangeRereadsBothFields) {
  window_.output = "typed before";
  Type(PathField::kInput, "C:\\logs\\in.adi");
  EXPECT_EQ(form_.m_strInputFile, "C:\\logs\\in.adi");
  EXPECT_EQ(form_.m_strOutputFile, "typed before");
  Type(PathField::kOutput, "");
  EXPECT_EQ(form_.m_strOutputFile, "");
  EXPECT_EQ(window_.fieldWrites, 0);
}

TEST_F(FormTest, ConvertPassesTheMembersAsTheyStand) {
  Type(PathField::kInput, "in.adi");
  Type(PathField::kOutput, "out.adi");
  SelectItem(28);
  window_.input = "changed without a notice";
  form_.OnConvert();
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].input, "in.adi");
  EXPECT_EQ(requests_[0].output, "out.adi");
  EXPECT_EQ(requests_[0].region, 37);
  EXPECT_EQ(requests_[0].addMobile, 1);
}

TEST_F(FormTest, BeforeAnyChoiceConvertPassesNoRegion) {
  form_.OnConvert();
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].region, -1);
  EXPECT_EQ(requests_[0].input, "");
}

TEST_F(FormTest, ASuccessfulRunReplacesTheListWithItsListing) {
  window_.messages = {"left over"};
  results_ = {ConversionResult{{}, {"INFO: a", "Converted 1 Pennsylvania counties.", ""}},
              ConversionResult{{}, {"Converted 0 Ohio counties.", "Wrote 0 QSOs to x", ""}}};
  form_.OnConvert();
  EXPECT_EQ(window_.messages, (Lines{"INFO: a", "Converted 1 Pennsylvania counties.", ""}));
  form_.OnConvert();
  EXPECT_EQ(window_.messages, (Lines{"Converted 0 Ohio counties.", "Wrote 0 QSOs to x", ""}));
  EXPECT_TRUE(window_.boxes.empty());
}

TEST_F(FormTest, ARejectedRunShowsAStopBoxAndKeepsThePreviousListing) {
  results_ = {ConversionResult{{}, {"first run", ""}},
              ConversionResult{"ERROR: Could not open output file.", {}}};
  form_.OnConvert();
  form_.OnConvert();
  EXPECT_EQ(window_.messages, (Lines{"first run", ""}));
  ASSERT_EQ(window_.boxes.size(), 1u);
  EXPECT_EQ(window_.boxes[0].text, "ERROR: Could not open output file.");
  EXPECT_EQ(window_.boxes[0].type, kMbIconError);
  EXPECT_FALSE(window_.boxes[0].caption) << "the application's name";
}

TEST(MainFormRequests, RequestErrorsReachTheBoxInTheirOrder) {
  testing::TempDir dir;
  const std::string input = dir.File("in.adi");
  testing::WriteFile(input, "<EOH>\n");
  struct Case {
    std::string in;
    std::string out;
    int item;  // -1: no region chosen
    const char* error;
  };
  const Case cases[] = {
      {"", "", -1, "ERROR: Didn't specify input file."},
      {input, "", -1, "ERROR: Didn't specify output file."},
      {input, input, 0, "ERROR: Input and output file names must be different."},
      {dir.File("missing.adi"), dir.File("out.adi"), -1, "ERROR: You must select a state."},
      {dir.File("missing.adi"), dir.File("out.adi"), 0, "ERROR: Could not open input file."},
      {input, dir.File("no/such/out.adi"), 0, "ERROR: Could not open output file."},
  };
  for (const Case& c : cases) {
    FakeWindow window;
    MainForm form(window);
    form.OnInitDialog();
    window.input = c.in;
    window.output = c.out;
    form.OnPathEditChange();
    window.selectedItem = c.item;
    if (c.item >= 0) form.OnRegionSelChange();
    window.messages = {"earlier"};
    form.OnConvert();
    ASSERT_EQ(window.boxes.size(), 1u) << c.error;
    EXPECT_EQ(window.boxes[0].text, c.error);
    EXPECT_EQ(window.boxes[0].type, kMbIconError);
    EXPECT_EQ(window.messages, Lines{"earlier"});
  }
}

TEST(MainFormRequests, ARealRunListsItsSummary) {
  testing::TempDir dir;
  const std::string input = dir.File("in.adi");
  const std::string output = dir.File("out.adi");
  testing::WriteFile(input, "<EOH>\n<CALL:4>W1AW <QSO_DATE:8>20240504 <TIME_ON:4>1430 <EOR>\n");
  FakeWindow window;
  MainForm form(window);
  form.OnInitDialog();
  window.input = input;
  window.output = output;
  form.OnPathEditChange();
  window.selectedItem = 28;
  form.OnRegionSelChange();
  form.OnConvert();
  EXPECT_TRUE(window.boxes.empty());
  EXPECT_EQ(window.messages,
            (Lines{"Converted 0 Pennsylvania counties.", "Wrote 1 QSOs to " + output, ""}));
}

void ExpectCommonDialogSettings(const FileDialogSettings& s, const std::string& initial) {
  constexpr char filter[] = "ADIF Files\0*.adi;*.adif;\0All Files\0*.*\0";
  EXPECT_EQ(s.structSize, OpenFileNameSize::kVersion400);
  EXPECT_EQ(s.filter, std::string_view(filter, sizeof(filter)));
  EXPECT_EQ(s.filter.substr(s.filter.size() - 2), std::string_view("\0\0", 2));
  EXPECT_EQ(s.filterIndex, 0u);
  EXPECT_EQ(s.bufferSize, 260u);
  EXPECT_EQ(s.initialName, initial);
  EXPECT_EQ(s.defaultExtension, "adi");
}

TEST_F(FormTest, TheInputDialogOpensAnExistingAdifFile) {
  window_.choice = std::nullopt;
  form_.OnBrowseInput();
  ASSERT_EQ(window_.dialogs.size(), 1u);
  const FileDialogSettings& s = window_.dialogs[0];
  EXPECT_EQ(s.kind, FileDialogKind::kOpen);
  EXPECT_EQ(s.title, "Input ADIF File");
  EXPECT_EQ(s.flags, kOfnExplorer | kOfnFileMustExist | kOfnHideReadOnly);
  EXPECT_EQ(s.flags, 0x81004u);
  ExpectCommonDialogSettings(s, "");
}

TEST_F(FormTest, TheOutputDialogSavesAndAsksBeforeReplacing) {
  Type(PathField::kOutput, "old.adi");
  form_.OnBrowseOutput();
  ASSERT_EQ(window_.dialogs.size(), 1u);
  const FileDialogSettings& s = window_.dialogs[0];
  EXPECT_EQ(s.kind, FileDialogKind::kSave);
  EXPECT_EQ(s.title, "Output ADIF file");
  EXPECT_EQ(s.flags, kOfnExplorer | kOfnOverwritePrompt | kOfnHideReadOnly);
  EXPECT_EQ(s.flags, 0x80006u);
  ExpectCommonDialogSettings(s, "old.adi");
}

TEST_F(FormTest, TheInitialNameIsThePathWhenItFitsTheBuffer) {
  struct Case {
    std::size_t length;
    bool used;
  };
  for (const Case c :
       {Case{1, true}, Case{258, true}, Case{259, true}, Case{260, false}, Case{1000, false}}) {
    const std::string path(c.length, 'p');
    EXPECT_EQ(InputFileDialog(path).initialName, c.used ? path : "") << c.length;
    EXPECT_EQ(OutputFileDialog(path).initialName, c.used ? path : "") << c.length;
  }
}

TEST_F(FormTest, ChoosingAnInputKeepsTheTypedOutput) {
  Type(PathField::kOutput, "typed-out.adi");
  window_.choice = "C:\\logs\\chosen.adi";
  form_.OnBrowseInput();
  EXPECT_EQ(form_.m_strInputFile, "C:\\logs\\chosen.adi");
  EXPECT_EQ(window_.input, "C:\\logs\\chosen.adi");
  EXPECT_EQ(form_.m_strOutputFile, "typed-out.adi");
  EXPECT_EQ(window_.output, "typed-out.adi");
  EXPECT_EQ(window_.fieldWrites, 1) << "the unchanged field is not set again";
}

TEST_F(FormTest, ChoosingAnOutputSetsItsField) {
  Type(PathField::kInput, "in.adi");
  window_.choice = "C:\\logs\\new.adi";
  form_.OnBrowseOutput();
  EXPECT_EQ(form_.m_strOutputFile, "C:\\logs\\new.adi");
  EXPECT_EQ(window_.output, "C:\\logs\\new.adi");
  EXPECT_EQ(window_.input, "in.adi");
  EXPECT_EQ(form_.m_strInputFile, "in.adi");
}

TEST_F(FormTest, ACancelledBrowseChangesNothing) {
  Type(PathField::kInput, "in.adi");
  Type(PathField::kOutput, "out.adi");
  window_.choice = std::nullopt;
  form_.OnBrowseInput();
  form_.OnBrowseOutput();
  EXPECT_EQ(window_.dialogs.size(), 2u);
  EXPECT_EQ(form_.m_strInputFile, "in.adi");
  EXPECT_EQ(form_.m_strOutputFile, "out.adi");
  EXPECT_EQ(window_.input, "in.adi");
  EXPECT_EQ(window_.output, "out.adi");
  EXPECT_EQ(window_.fieldWrites, 0);
  EXPECT_TRUE(window_.boxes.empty());
}

TEST_F(FormTest, UpdateDataWithFalseWritesTheMembersIntoTheFields) {
  form_.m_strInputFile = "a.adi";
  form_.m_strOutputFile = "b.adi";
  form_.UpdateData(false);
  EXPECT_EQ(window_.input, "a.adi");
  EXPECT_EQ(window_.output, "b.adi");
  EXPECT_EQ(window_.fieldWrites, 2);
  form_.UpdateData(false);
  EXPECT_EQ(window_.fieldWrites, 2);
}

std::string ExpectedAbout(const std::string& version, const std::string& date) {
  return "by Quorvel developers\nEmail: quorvel@example.org\n\nVersion " + version + "\n" + date;
}

TEST_F(FormTest, AboutShowsCreditsVersionAndBuildDateWithoutIconOrCaption) {
  form_.OnAbout();
  ASSERT_EQ(window_.boxes.size(), 1u);
  EXPECT_EQ(window_.boxes[0].text, ExpectedAbout("5.0", std::string(BuildDate())));
  EXPECT_EQ(window_.boxes[0].type, kMbOk);
  EXPECT_FALSE(window_.boxes[0].caption);
  EXPECT_TRUE(window_.messages.empty());
}

TEST(About, TextTakesTheVersionFromTheRevisionKeyword) {
  EXPECT_EQ(AboutText("$Revision: 5.0 $", "May  1 2013"), ExpectedAbout("5.0", "May  1 2013"));
  EXPECT_EQ(AboutText("$Revision: 6.12 $", "Dec 31 2024"), ExpectedAbout("6.12", "Dec 31 2024"));
  EXPECT_EQ(AboutText(), ExpectedAbout("5.0", std::string(BuildDate())));
  EXPECT_LE(AboutText().size(), kAboutTextLimit);
}

TEST(About, RevisionNumberIsTheSecondBlankSeparatedToken) {
  struct Case {
    const char* revision;
    const char* number;
  };
  const Case cases[] = {
      {"$Revision: 5.0 $", "5.0"},
      {"$Revision:    7.2   $", "7.2"},
      {"  $Revision: 1.1.1.1 $", "1.1.1.1"},
      {"$Revision:5.0 $", "$"},
      {"$Revision: $", "$"},
      {"$Revision:", ""},
      {"", ""},
      {"   ", ""},
      {"$Revision:\t5.0 $", "$"},
      // Only the first 23 characters are read.
      {"$Revision: 123456789012345 $", "123456789012"},
  };
  for (const Case& c : cases) EXPECT_EQ(RevisionNumber(c.revision), c.number) << c.revision;
}

TEST(About, TextNeverExceedsItsLimit) {
  const std::string longest = "$Revision: " + std::string(200, '9');
  EXPECT_LE(AboutText(longest, "May  1 2013").size(), kAboutTextLimit);
  EXPECT_EQ(AboutText("x y", std::string(300, 'd')).size(), kAboutTextLimit);
}

TEST(About, BuildDateHasTheFormOfTheCompilersDate) {
  const std::string date(BuildDate());
  ASSERT_EQ(date.size(), 11u) << date;
  const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
  const std::size_t month = months.find(date.substr(0, 3));
  EXPECT_TRUE(month != std::string::npos && month % 3 == 0) << date;
  EXPECT_EQ(date[3], ' ');
  EXPECT_TRUE(date[4] == ' ' || (date[4] >= '1' && date[4] <= '3')) << date;
  EXPECT_TRUE(date[5] >= '0' && date[5] <= '9') << date;
  EXPECT_NE(date.substr(4, 2), " 0");
  EXPECT_EQ(date[6], ' ');
  EXPECT_EQ(date.substr(7).find_first_not_of("0123456789"), std::string::npos) << date;
}

TEST(About, HomePageIsTheProgramsPathOnAnExampleHost) {
  const std::string address(HomePageAddress);
  EXPECT_EQ(address.rfind("https://", 0), 0u);
  const std::size_t pathStart = address.find('/', 8);
  ASSERT_NE(pathStart, std::string::npos);
  EXPECT_EQ(address.substr(pathStart), "/ADIF_Quorvel/");
  const std::string host = address.substr(8, pathStart - 8);
  EXPECT_EQ(host.substr(host.size() - 12), ".example.org") << host;
}

TEST_F(FormTest, HelpOpensTheHomePageAndSaysNothingOnSuccess) {
  for (const std::intptr_t result : {33, 42, 1000}) {
    window_.shellResult = result;
    form_.OnHomePage();
  }
  EXPECT_EQ(window_.addresses, Lines(3, std::string(HomePageAddress)));
  EXPECT_TRUE(window_.boxes.empty());
}

TEST_F(FormTest, HelpReportsAShellFailure) {
  for (const std::intptr_t result : {32, 31, 2, 0, -1}) {
    window_.boxes.clear();
    window_.shellResult = result;
    form_.OnHomePage();
    ASSERT_EQ(window_.boxes.size(), 1u) << result;
    EXPECT_EQ(window_.boxes[0].text, "ERROR:  Could not start web browser.");
    EXPECT_EQ(window_.boxes[0].type, kMbIconError);
    EXPECT_FALSE(window_.boxes[0].caption);
  }
  EXPECT_TRUE(window_.messages.empty());
}

}  // namespace
}  // namespace quorvel::ui
