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

enum class BoxKind { kError, kNotice };

struct ShownBox {
  BoxKind kind;
  std::string text;
};

struct FileChoice {
  PathField field;
  std::string current;
};

// A dialog in memory that records what the form does to it.
class FakeWindow : public DialogWindow {
 public:
  void SetRegionItems(const Lines& names) override { regionItems = names; }
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
  void SetListing(const Lines& lines) override { messages = lines; }
  void ShowError(const std::string& text) override { boxes.push_back({BoxKind::kError, text}); }
  void ShowNotice(const std::string& text) override { boxes.push_back({BoxKind::kNotice, text}); }
  std::optional<std::string> ChooseFile(PathField field, const std::string& current) override {
    dialogs.push_back({field, current});
    return choice;
  }
  bool OpenWebPage(const std::string& address) override {
    addresses.push_back(address);
    return browserStarts;
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
  std::vector<FileChoice> dialogs;
  std::optional<std::string> choice;  // what the user picks; none: cancel
  std::vector<std::string> addresses;
  bool browserStarts = true;
};

struct Request {
  std::string input;
  std::string output;
  RegionId region;
  bool addMobile;
};

// The form wired to the fake window and to a converter that records each
// request and answers with the next scripted result.
class FormTest : public ::testing::Test {
 protected:
  FormTest() { form_.OnInitDialog(); }

  MainForm::Converter Recorder() {
    return [this](const std::string& in, const std::string& out, RegionId region, bool addMobile) {
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
  form.m_bAddMobile = false;

  form.OnInitDialog();

  Lines expected;
  for (const RegionId id : RegionChoiceOrder) expected.emplace_back(RegionName(id));
  EXPECT_EQ(window.regionItems, expected);
  ASSERT_EQ(window.regionItems.size(), 44u);
  EXPECT_EQ(window.regionItems.front(), "Alabama");
  EXPECT_EQ(window.regionItems.back(), "US Counties QSO Party");
  EXPECT_EQ(form.m_nRegion, -1);
  EXPECT_TRUE(form.m_bAddMobile);
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
  EXPECT_FALSE(form_.m_bAddMobile);
  form_.OnConvert();
  window_.checked = true;
  form_.OnAddMobileClicked();
  EXPECT_TRUE(form_.m_bAddMobile);
  form_.OnConvert();
  ASSERT_EQ(requests_.size(), 3u);
  EXPECT_TRUE(requests_[0].addMobile);
  EXPECT_FALSE(requests_[1].addMobile);
  EXPECT_TRUE(requests_[2].addMobile);
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
  EXPECT_TRUE(requests_[0].addMobile);
}

TEST_F(FormTest, BeforeAnyChoiceConvertPassesNoRegion) {
  form_.OnConvert();
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].region, -1);
  EXPECT_EQ(requests_[0].input, "");
}

// A message holding line feeds (the summary after county-line QSOs begins
// with one) becomes one item per line, as the command line prints it.
TEST_F(FormTest, ASuccessfulRunReplacesTheListWithItsLinesSplitAtLineFeeds) {
  window_.messages = {"left over"};
  results_ = {
      ConversionResult{{}, {"INFO: a", "\nConverted 1 Pennsylvania counties.", "", "x\n\ny\n"}},
      ConversionResult{{}, {"Converted 0 Ohio counties.", "Wrote 0 QSOs to x", ""}}};
  form_.OnConvert();
  EXPECT_EQ(window_.messages,
            (Lines{"INFO: a", "", "Converted 1 Pennsylvania counties.", "", "x", "", "y", ""}));
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
  EXPECT_EQ(window_.boxes[0].kind, BoxKind::kError);
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
    EXPECT_EQ(window.boxes[0].kind, BoxKind::kError);
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

TEST_F(FormTest, EachBrowseButtonAsksForItsFieldsFileFromItsPath) {
  Type(PathField::kOutput, "old.adi");
  form_.OnBrowseInput();
  form_.OnBrowseOutput();
  ASSERT_EQ(window_.dialogs.size(), 2u);
  EXPECT_EQ(window_.dialogs[0].field, PathField::kInput);
  EXPECT_EQ(window_.dialogs[0].current, "");
  EXPECT_EQ(window_.dialogs[1].field, PathField::kOutput);
  EXPECT_EQ(window_.dialogs[1].current, "old.adi");
}

TEST(MainFormBrowse, AChosenFileFillsItsFieldAndKeepsTheOtherTypedPath) {
  for (const PathField chosen : {PathField::kInput, PathField::kOutput}) {
    const PathField other = chosen == PathField::kInput ? PathField::kOutput : PathField::kInput;
    FakeWindow window;
    MainForm form(window, nullptr);
    form.OnInitDialog();
    window.Field(other) = "typed.adi";
    form.OnPathEditChange();
    window.choice = "C:\\logs\\chosen.adi";
    if (chosen == PathField::kInput) {
      form.OnBrowseInput();
    } else {
      form.OnBrowseOutput();
    }
    const bool input = chosen == PathField::kInput;
    EXPECT_EQ(input ? form.m_strInputFile : form.m_strOutputFile, "C:\\logs\\chosen.adi");
    EXPECT_EQ(input ? form.m_strOutputFile : form.m_strInputFile, "typed.adi");
    EXPECT_EQ(window.Field(chosen), "C:\\logs\\chosen.adi");
    EXPECT_EQ(window.Field(other), "typed.adi");
    EXPECT_EQ(window.fieldWrites, 1) << "the unchanged field is not set again";
  }
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

TEST_F(FormTest, AboutShowsCreditsVersionAndBuildDateInANotice) {
  form_.OnAbout();
  ASSERT_EQ(window_.boxes.size(), 1u);
  EXPECT_EQ(window_.boxes[0].text, ExpectedAbout("5.0", std::string(BuildDate())));
  EXPECT_EQ(window_.boxes[0].kind, BoxKind::kNotice);
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
  form_.OnHomePage();
  form_.OnHomePage();
  EXPECT_EQ(window_.addresses, Lines(2, std::string(HomePageAddress)));
  EXPECT_TRUE(window_.boxes.empty());
}

TEST_F(FormTest, HelpReportsABrowserThatDoesNotStart) {
  window_.browserStarts = false;
  form_.OnHomePage();
  EXPECT_EQ(window_.addresses, Lines{std::string(HomePageAddress)});
  ASSERT_EQ(window_.boxes.size(), 1u);
  EXPECT_EQ(window_.boxes[0].text, "ERROR:  Could not start web browser.");
  EXPECT_EQ(window_.boxes[0].kind, BoxKind::kError);
  EXPECT_TRUE(window_.messages.empty());
}

}  // namespace
}  // namespace quorvel::ui
