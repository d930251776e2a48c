// How the Windows program sets up its standard file dialogs (built and run in
// the Windows builds only).
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/file_dialog.h"

namespace quorvel::win32 {
namespace {

void ExpectCommonFields(const OPENFILENAMEA& d, const std::vector<char>& buffer) {
  constexpr char filter[] = "ADIF Files\0*.adi;*.adif;\0All Files\0*.*\0";
  // Windows 95 and NT 4's size of the structure: 76 bytes on 32-bit Windows.
  EXPECT_EQ(d.lStructSize, offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(void*));
  if (sizeof(void*) == 4) {
    EXPECT_EQ(d.lStructSize, 76u);
  }
  EXPECT_EQ(std::string_view(d.lpstrFilter, sizeof(filter)),
            std::string_view(filter, sizeof(filter)));
  EXPECT_EQ(d.nFilterIndex, 0u);
  EXPECT_EQ(d.lpstrFile, buffer.data());
  EXPECT_EQ(d.nMaxFile, 260u);
  EXPECT_GE(buffer.size(), 261u);
  EXPECT_EQ(d.hwndOwner, nullptr);
  EXPECT_EQ(d.lpstrFileTitle, nullptr);
  EXPECT_EQ(d.lpstrInitialDir, nullptr);
  EXPECT_EQ(std::string(d.lpstrDefExt), "adi");
}

// "Input" opens an existing file; "Output" saves and asks before replacing one.
TEST(Win32FileDialog, EachFieldsDialogHasItsTitleAndFlags) {
  struct Case {
    ui::PathField field;
    const char* current;
    const char* title;
    DWORD flags;
    DWORD value;
  };
  const Case cases[] = {
      {ui::PathField::kInput, "", "Input ADIF File",
       OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, 0x81004u},
      {ui::PathField::kOutput, "old.adi", "Output ADIF file",
       OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, 0x80006u},
  };
  for (const Case& c : cases) {
    std::vector<char> buffer = FileNameBuffer(c.current);
    const OPENFILENAMEA d = FileDialogFields(c.field, buffer);
    EXPECT_EQ(std::string(d.lpstrTitle), c.title);
    EXPECT_EQ(d.Flags, c.flags) << c.title;
    EXPECT_EQ(d.Flags, c.value) << c.title;
    EXPECT_EQ(std::string(d.lpstrFile), c.current);
    ExpectCommonFields(d, buffer);
  }
}

TEST(Win32FileDialog, TheInitialNameIsThePathWhenItFitsTheBuffer) {
  struct Case {
    std::size_t length;
    bool used;
  };
  for (const Case c :
       {Case{1, true}, Case{258, true}, Case{259, true}, Case{260, false}, Case{1000, false}}) {
    const std::string path(c.length, 'p');
    const std::vector<char> buffer = FileNameBuffer(path);
    ASSERT_EQ(buffer.size(), 261u);
    EXPECT_EQ(std::string(buffer.data()), c.used ? path : "") << c.length;
  }
}

}  // namespace
}  // namespace quorvel::win32
